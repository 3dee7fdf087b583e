#include "EditorParent.h"

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#else
#include <X11/Xlib.h>
#endif

namespace validate {

#if defined(_WIN32)

EditorParent::EditorParent() {
    HWND window = CreateWindowExA(0, "STATIC", "validate", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    handle_ = window;
}

EditorParent::~EditorParent() {
    if (handle_) DestroyWindow(static_cast<HWND>(handle_));
}

void EditorParent::pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

#else

EditorParent::EditorParent() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    display_ = display;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 800, 600, 0, 0, 0);
    XMapWindow(display, window);
    XSync(display, False);
    handle_ = reinterpret_cast<void*>(static_cast<std::uintptr_t>(window));
}

EditorParent::~EditorParent() {
    if (!display_) return;
    Display* display = static_cast<Display*>(display_);
    if (handle_) XDestroyWindow(display, static_cast<Window>(reinterpret_cast<std::uintptr_t>(handle_)));
    XCloseDisplay(display);
}

void EditorParent::pump() {
    Display* display = static_cast<Display*>(display_);
    if (!display) return;
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

#endif

}  // namespace validate
