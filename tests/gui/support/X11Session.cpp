#include "X11Session.h"

#include <chrono>
#include <thread>

// After the project headers: Xlib defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {
constexpr unsigned long kParentGrey = 0x808080;

// Xvfb on a loaded machine now and then refuses a connection: try a few times before
// deciding there is no server.
Display* openDisplay() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}
}  // namespace

X11Session::X11Session() : display(openDisplay()) {}

X11Session::~X11Session() {
    if (!display) return;
    destroyParent();
    XCloseDisplay(display);
}

void X11Session::createParent(int widthPx, int heightPx) {
    destroyParent();
    parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, unsigned(widthPx), unsigned(heightPx), 0, 0,
                                 kParentGrey);
    XMapWindow(display, parent);
    XSync(display, False);
}

void X11Session::destroyParent() {
    if (!parent) return;
    XDestroyWindow(display, parent);
    XSync(display, False);
    parent = 0;
}

X11Session::WindowId X11Session::childWindow() const {
    Window root, parentOut, *children = nullptr;
    unsigned count = 0;
    if (!parent || !XQueryTree(display, parent, &root, &parentOut, &children, &count)) return 0;
    const Window child = count == 1 ? children[0] : 0;
    if (children) XFree(children);
    return child;
}

int X11Session::childCount() const {
    Window root, parentOut, *children = nullptr;
    unsigned count = 0;
    if (!parent || !XQueryTree(display, parent, &root, &parentOut, &children, &count)) return 0;
    if (children) XFree(children);
    return int(count);
}

RasterImage X11Session::capture(int widthPx, int heightPx) const {
    RasterImage out;
    const Window child = childWindow();
    if (!child) return out;
    XImage* image = XGetImage(display, child, 0, 0, unsigned(widthPx), unsigned(heightPx), AllPlanes, ZPixmap);
    if (!image) return out;
    out = RasterImage(widthPx, heightPx);
    for (int y = 0; y < heightPx; ++y)
        for (int x = 0; x < widthPx; ++x) out.at(x, y) = std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
    XDestroyImage(image);
    return out;
}

bool X11Session::idleUntil(testhost::TestHost& host, const std::function<bool()>& done, int passes) {
    for (int i = 0; i < passes; ++i) {
        host.dispatch(effEditIdle);
        XSync(display, False);
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void X11Session::clickAt(testhost::TestHost& host, Point framePoint, bool control) {
    const Point at = toScreen(framePoint);
    const KeyCode ctrl = XKeysymToKeycode(display, XK_Control_L);
    XTestFakeMotionEvent(display, DefaultScreen(display), at.h, at.v, 0);
    if (control) XTestFakeKeyEvent(display, ctrl, True, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XSync(display, False);
    std::thread releaser([ctrl, control] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        Display* other = XOpenDisplay(nullptr);
        if (!other) return;
        XTestFakeButtonEvent(other, 1, False, 0);
        if (control) XTestFakeKeyEvent(other, ctrl, False, 0);
        XSync(other, False);
        XCloseDisplay(other);
    });
    host.dispatch(effEditIdle);
    releaser.join();
}

void X11Session::dragAt(testhost::TestHost& host, Point from, const std::vector<Point>& path) {
    const Point start = toScreen(from);
    std::vector<Point> screenPath;
    for (Point p : path) screenPath.push_back(toScreen(p));
    XTestFakeMotionEvent(display, DefaultScreen(display), start.h, start.v, 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XSync(display, False);
    std::thread mover([screenPath] {
        Display* other = XOpenDisplay(nullptr);
        if (!other) return;
        for (Point p : screenPath) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            XTestFakeMotionEvent(other, DefaultScreen(other), p.h, p.v, 0);
            XSync(other, False);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        XTestFakeButtonEvent(other, 1, False, 0);
        XSync(other, False);
        XCloseDisplay(other);
    });
    host.dispatch(effEditIdle);
    mover.join();
}

Point X11Session::toScreen(Point p) const {
    int x = 0, y = 0;
    Window unused;
    XTranslateCoordinates(display, childWindow(), DefaultRootWindow(display), p.h, p.v, &x, &y, &unused);
    return Point(x, y);
}

void X11Session::typeKeys(const std::vector<unsigned long>& keysyms) {
    for (unsigned long key : keysyms) {
        const KeyCode code = XKeysymToKeycode(display, key);
        XTestFakeKeyEvent(display, code, True, 0);
        XTestFakeKeyEvent(display, code, False, 0);
    }
    XSync(display, False);
}

void X11Session::sync() const { XSync(display, False); }
