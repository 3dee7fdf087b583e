// Input state, time, cursors, bitmap resources, memory surfaces and
// component-object services on Win32.
#include <ole2.h>

#include "Win32Backend.h"

namespace {

bool keyDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

// A memory device context with its own bitmap of the screen's format.
class OffscreenGdiCanvas : public GdiCanvas {
public:
    OffscreenGdiCanvas(int widthPx, int heightPx) : GdiCanvas(nullptr) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, widthPx > 0 ? widthPx : 1, heightPx > 0 ? heightPx : 1);
        ReleaseDC(nullptr, screen);
        if (dc && bitmap) old = SelectObject(dc, bitmap);
    }
    ~OffscreenGdiCanvas() override {
        endContext();
        if (dc && old) SelectObject(dc, old);
        if (bitmap) DeleteObject(bitmap);
        if (dc) DeleteDC(dc);
    }

private:
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
};

int successfulOleInits = 0;

}  // namespace

namespace platform {

int readMouseButtons() {
    int bits = 0;
    if (keyDown(VK_LBUTTON)) bits |= kLeftButton;
    if (keyDown(VK_MBUTTON)) bits |= kMiddleButton;
    if (keyDown(VK_RBUTTON)) bits |= kRightButton;
    if (keyDown(VK_SHIFT)) bits |= kShift;
    if (keyDown(VK_CONTROL)) bits |= kControl;
    if (keyDown(VK_MENU)) bits |= kAlt;
    return bits;
}

Point cursorScreenPosition() {
    POINT p{0, 0};
    GetCursorPos(&p);
    return Point(p.x, p.y);
}

std::uint32_t tickCountMs() { return GetTickCount(); }
void sleepMs(std::uint32_t ms) { Sleep(ms); }
std::uint32_t doubleClickTimeMs() { return GetDoubleClickTime(); }
std::uint32_t lastMessageTimeMs() { return std::uint32_t(GetMessageTime()); }

bool takeLeftButtonDown() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE) != 0;
}

void* standardCursor(CursorKind kind) {
    static const LPCSTR names[kCursorKindCount] = {nullptr,     IDC_WAIT,     IDC_SIZEWE,  IDC_SIZENS,
                                                   IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENWSE};
    if (kind <= kParentCursor || kind >= kCursorKindCount) return nullptr;
    return LoadCursorA(nullptr, names[kind]);
}

void* currentCursor(NativeWindow*) { return GetCursor(); }
void applyCursor(NativeWindow*, void* cursor) { SetCursor(static_cast<HCURSOR>(cursor)); }

BitmapImage* loadBitmapResource(int resourceId) {
    HBITMAP bitmap = LoadBitmapA(moduleInstance(), MAKEINTRESOURCEA(resourceId));
    if (!bitmap) return nullptr;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    auto* image = new BitmapImage;
    image->bitmap = bitmap;
    image->width = info.bmWidth;
    image->height = info.bmHeight;
    return image;
}

void bitmapImageSize(const BitmapImage* image, int& widthPx, int& heightPx) {
    widthPx = image ? image->width : 0;
    heightPx = image ? image->height : 0;
}

void destroyBitmapImage(BitmapImage* image) {
    if (!image) return;
    if (image->bitmap) DeleteObject(image->bitmap);
    if (image->mask) DeleteObject(image->mask);
    delete image;
}

std::unique_ptr<Canvas> createOffscreenCanvas(int widthPx, int heightPx) {
    return std::make_unique<OffscreenGdiCanvas>(widthPx, heightPx);
}

void initialiseComponentObjects() {
    const HRESULT result = OleInitialize(nullptr);
    if (result == S_OK || result == S_FALSE) ++successfulOleInits;
}

void uninitialiseComponentObjects() {
    if (successfulOleInits <= 0) return;
    --successfulOleInits;
    OleUninitialize();
}

}  // namespace platform
