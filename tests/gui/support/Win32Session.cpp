#include "Win32Session.h"

#include <thread>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace win32test {

namespace {
HWND hwnd(void* window) { return static_cast<HWND>(window); }

void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

POINT screenPoint(void* window, Point p) {
    POINT s{p.h, p.v};
    ClientToScreen(hwnd(window), &s);
    return s;
}
}  // namespace

void* createParentWindow(int widthPx, int heightPx, const char* title) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "OrvaTestParent";
        registered = RegisterClassA(&wc) != 0;
    }
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "OrvaTestParent", title, WS_POPUP | WS_VISIBLE, 40, 40, widthPx,
                                  heightPx, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window);
    return window;
}

void destroyWindow(void* window) {
    if (window) DestroyWindow(hwnd(window));
    pumpMessages();
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void* childWindow(void* parent) { return parent ? GetWindow(hwnd(parent), GW_CHILD) : nullptr; }

RasterImage capture(void* window, int widthPx, int heightPx) {
    RasterImage out;
    if (!window) return out;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = widthPx;
    info.bmiHeader.biHeight = -heightPx;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC windowDc = GetDC(hwnd(window));
    HBITMAP dib = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(windowDc);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, widthPx, heightPx, windowDc, 0, 0, SRCCOPY);
    GdiFlush();
    out = RasterImage(widthPx, heightPx);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = pixels[i] & 0xFFFFFF;
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    ReleaseDC(hwnd(window), windowDc);
    return out;
}

bool idleUntil(testhost::TestHost& host, const std::function<bool()>& done, int passes) {
    for (int i = 0; i < passes; ++i) {
        pumpMessages();
        host.dispatch(effEditIdle);
        if (done()) return true;
        Sleep(10);
    }
    return false;
}

void clickAt(void* window, Point point) {
    const POINT p = screenPoint(window, point);
    SetCursorPos(p.x, p.y);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    std::thread releaser([] {
        Sleep(150);
        sendMouse(MOUSEEVENTF_LEFTUP);
    });
    for (int i = 0; i < 30; ++i) {
        pumpMessages();
        Sleep(10);
    }
    releaser.join();
    pumpMessages();
}

void dragAt(void* window, Point fromPoint, const std::vector<Point>& path) {
    std::vector<POINT> screenPath;
    for (Point p : path) screenPath.push_back(screenPoint(window, p));
    const POINT from = screenPoint(window, fromPoint);
    SetCursorPos(from.x, from.y);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    std::thread mover([screenPath] {
        Sleep(100);
        for (POINT p : screenPath) {
            Sleep(20);
            SetCursorPos(p.x, p.y);
        }
        Sleep(60);
        sendMouse(MOUSEEVENTF_LEFTUP);
    });
    for (int i = 0; i < 60; ++i) {
        pumpMessages();
        Sleep(10);
    }
    mover.join();
    pumpMessages();
}

void sendKey(unsigned short key) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

unsigned long gdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace win32test
