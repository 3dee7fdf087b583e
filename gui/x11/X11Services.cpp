// Pointer, modifier, time, cursor and message-box services on X11.
#include <X11/Xutil.h>
#include <X11/cursorfont.h>

#include <algorithm>
#include <ctime>
#include <iterator>

#include "DrawContext.h"
#include "RasterCanvas.h"
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

void* standardCursor(int kind) {
    static const unsigned shapes[7] = {0, XC_watch, XC_sb_h_double_arrow, XC_sb_v_double_arrow, XC_fleur,
                                       XC_bottom_left_corner, XC_bottom_right_corner};
    Display* dpy = x11::display();
    if (kind < 1 || kind >= x11::kCursorKinds || !dpy) return nullptr;
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

// A small top-level window with the text and the caption as its title; any click or key
// closes it.
int messageBox(const char* text, const char* caption, unsigned) {
    Display* dpy = x11::display();
    if (!dpy) return 1;
    const int widthPx = 420, heightPx = 90;
    const Window win = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 100, 100, widthPx, heightPx, 1, 0, 0xF0F0F0);
    XStoreName(dpy, win, caption ? caption : "");
    XSelectInput(dpy, win, ExposureMask | ButtonPressMask | KeyPressMask);
    XMapRaised(dpy, win);
    RasterImage pixels(widthPx, heightPx, 0xF0F0F0);
    {
        RasterCanvas canvas(pixels);
        DrawContext context(nullptr, &canvas, nullptr);
        context.setFont(3);
        context.setFontColour(colours::black);
        context.drawTextInRect(text ? text : "", Rect(0, 0, widthPx, heightPx - 30));
        context.drawTextInRect("OK", Rect(0, heightPx - 30, widthPx, heightPx));
    }
    const int screen = DefaultScreen(dpy);
    XImage* image = XCreateImage(dpy, DefaultVisual(dpy, screen), unsigned(DefaultDepth(dpy, screen)), ZPixmap, 0,
                                 reinterpret_cast<char*>(pixels.pixels.data()), widthPx, heightPx, 32, widthPx * 4);
    const GC gc = XCreateGC(dpy, win, 0, nullptr);
    for (bool done = false; !done;) {
        XEvent event;
        XWindowEvent(dpy, win, ExposureMask | ButtonPressMask | KeyPressMask, &event);
        if (event.type == Expose && image) XPutImage(dpy, win, gc, image, 0, 0, 0, 0, widthPx, heightPx);
        done = event.type == ButtonPress || event.type == KeyPress;
    }
    if (image) {
        image->data = nullptr;
        XDestroyImage(image);
    }
    XFreeGC(dpy, gc);
    XDestroyWindow(dpy, win);
    XFlush(dpy);
    x11::closeDisplayIfUnused();
    return 1;
}

void initialiseComponentObjects() {}
void uninitialiseComponentObjects() {}

}  // namespace platform
