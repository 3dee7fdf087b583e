// Pointer, modifier, time and cursor services on X11.
#include <X11/Xutil.h>
#include <X11/cursorfont.h>

#include <algorithm>
#include <ctime>
#include <iterator>

#include "X11Backend.h"

namespace {

// The X server's double-click time is a toolkit setting, not a server one.
constexpr std::uint32_t kDoubleClickMs = 400;

bool queryPointer(unsigned& mask, int& rootX, int& rootY) {
    Display* dpy = x11::display();
    if (!dpy) return false;
    Window root, child;
    int winX, winY;
    return XQueryPointer(dpy, DefaultRootWindow(dpy), &root, &child, &rootX, &rootY, &winX, &winY, &mask);
}

Bool isLeftButtonPress(Display*, XEvent* event, XPointer) {
    return event->type == ButtonPress && event->xbutton.button == Button1 && x11::findWindow(event->xany.window);
}

}  // namespace

void x11::noteEventTime() { x11::backend().lastEventTickMs = platform::tickCountMs(); }

namespace platform {

int readMouseButtons() {
    unsigned mask = 0;
    int x, y;
    if (!queryPointer(mask, x, y)) return 0;
    int bits = 0;
    if (mask & Button1Mask) bits |= kLeftButton;
    if (mask & Button2Mask) bits |= kMiddleButton;
    if (mask & Button3Mask) bits |= kRightButton;
    if (mask & ShiftMask) bits |= kShift;
    if (mask & ControlMask) bits |= kControl;
    if (mask & Mod1Mask) bits |= kAlt;
    return bits;
}

Point cursorScreenPosition() {
    unsigned mask = 0;
    int x = 0, y = 0;
    if (!queryPointer(mask, x, y)) return Point();
    return Point(x, y);
}

std::uint32_t tickCountMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::uint32_t(std::uint64_t(ts.tv_sec) * 1000u + std::uint64_t(ts.tv_nsec) / 1000000u);
}

void sleepMs(std::uint32_t ms) {
    timespec ts{time_t(ms / 1000), long(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

std::uint32_t doubleClickTimeMs() { return kDoubleClickMs; }
std::uint32_t lastMessageTimeMs() { return x11::backend().lastEventTickMs; }

bool takeLeftButtonDown() {
    Display* dpy = x11::display();
    if (!dpy) return false;
    XEvent event;
    if (!XCheckIfEvent(dpy, &event, isLeftButtonPress, nullptr)) return false;
    x11::noteEventTime();
    return true;
}

void* standardCursor(CursorKind kind) {
    static const unsigned shapes[kCursorKindCount] = {0,
                                                      XC_watch,
                                                      XC_sb_h_double_arrow,
                                                      XC_sb_v_double_arrow,
                                                      XC_fleur,
                                                      XC_bottom_left_corner,
                                                      XC_bottom_right_corner};
    Display* dpy = x11::display();
    if (kind <= kParentCursor || kind >= kCursorKindCount || !dpy) return nullptr;
    x11::Backend& state = x11::backend();
    if (state.cursorsMadeOn != dpy) {
        std::fill(std::begin(state.cursors), std::end(state.cursors), Cursor(0));
        state.cursorsMadeOn = dpy;
    }
    Cursor& cursor = state.cursors[kind];
    if (!cursor) cursor = XCreateFontCursor(dpy, shapes[kind]);
    return reinterpret_cast<void*>(std::uintptr_t(cursor));
}

void* currentCursor(NativeWindow* window) {
    return window ? reinterpret_cast<void*>(std::uintptr_t(window->cursor)) : nullptr;
}

void applyCursor(NativeWindow* window, void* cursor) {
    Display* dpy = x11::display();
    if (!window || !window->xid || !dpy) return;
    window->cursor = Cursor(reinterpret_cast<std::uintptr_t>(cursor));
    if (window->cursor)
        XDefineCursor(dpy, window->xid, window->cursor);
    else
        XUndefineCursor(dpy, window->xid);
    XFlush(dpy);
}

void initialiseComponentObjects() {}
void uninitialiseComponentObjects() {}

}  // namespace platform
