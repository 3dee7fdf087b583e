// The editor's child window on Win32: the registered class, its window procedure and the
// device contexts the toolkit draws into.
#include "ModuleState.h"
#include "Win32Backend.h"

namespace {

// A canvas on the window's device context, released when the canvas goes away.
class WindowDcCanvas : public GdiCanvas {
public:
    explicit WindowDcCanvas(HWND hwnd) : GdiCanvas(GetDC(hwnd)), hwnd(hwnd) {}
    ~WindowDcCanvas() override {
        endContext();
        if (dc) ReleaseDC(hwnd, dc);
    }

private:
    HWND hwnd;
};

platform::NativeWindow* windowOf(HWND hwnd) {
    return reinterpret_cast<platform::NativeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

Point pointOf(LPARAM lParam) { return Point(short(LOWORD(lParam)), short(HIWORD(lParam))); }

LRESULT editBoxColours(platform::NativeWindow* w, WPARAM wParam, LPARAM lParam, HWND hwnd, UINT message) {
    Colour text, back;
    if (!w->client->editBoxColours(text, back)) return DefWindowProcA(hwnd, message, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, toColorRef(text));
    SetBkColor(dc, toColorRef(back));
    HBRUSH brush = CreateSolidBrush(toColorRef(back));
    if (w->editBrush) DeleteObject(w->editBrush);
    w->editBrush = brush;
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT CALLBACK editorWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    platform::NativeWindow* w = windowOf(hwnd);
    if (!w || !w->client) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_PAINT: {
            if (!GetUpdateRect(hwnd, nullptr, FALSE)) break;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            {
                GdiCanvas canvas(dc);
                w->client->paint(canvas);
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            WindowDcCanvas canvas(hwnd);
            w->client->buttonDown(canvas, pointOf(lParam));
            return 0;
        }
        case WM_CTLCOLOREDIT: return editBoxColours(w, wParam, lParam, hwnd, message);
        case WM_DESTROY: {
            // Destroyed by the host: the frame stops drawing and forgets the window.
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            w->client->windowDestroyed();
            if (w->editBrush) DeleteObject(w->editBrush);
            delete w;
            break;
        }
        default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

HINSTANCE moduleInstance() { return static_cast<HINSTANCE>(moduleInstanceHandle()); }

namespace platform {

bool registerWindowClass(const char* className) {
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = editorWindowProc;
    wc.hInstance = moduleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

void unregisterWindowClass(const char* className) { UnregisterClassA(className, moduleInstance()); }

NativeWindow* createChildWindow(void* parent, const char* className, int widthPx, int heightPx,
                                WindowClient* client) {
    if (!parent) return nullptr;
    HWND hwnd = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0, widthPx, heightPx,
                                static_cast<HWND>(parent), nullptr, moduleInstance(), nullptr);
    if (!hwnd) return nullptr;
    auto* w = new NativeWindow;
    w->hwnd = hwnd;
    w->client = client;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
    return w;
}

void destroyWindow(NativeWindow* window) {
    if (!window) return;
    SetWindowLongPtrA(window->hwnd, GWLP_USERDATA, 0);  // no message reaches the frame now
    DestroyWindow(window->hwnd);
    if (window->editBrush) DeleteObject(window->editBrush);
    delete window;
}

std::unique_ptr<Canvas> windowCanvas(NativeWindow* window) {
    if (!window || !window->hwnd) return nullptr;
    return std::make_unique<WindowDcCanvas>(window->hwnd);
}

Point windowScreenOrigin(NativeWindow* window) {
    POINT p{0, 0};
    if (window) ClientToScreen(window->hwnd, &p);
    return Point(p.x, p.y);
}

// The host's message loop delivers this window's messages.
void pumpWindowEvents(NativeWindow*) {}

bool dispatchOnePendingPaint() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) return false;
    DispatchMessageA(&msg);
    return true;
}

}  // namespace platform
