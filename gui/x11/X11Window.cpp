// Child windows on X11: created in the host's window on the backend's own connection,
// drawn through a back buffer rendered by the software rasteriser and copied to the window
// with XPutImage. Events are pumped from the editor's idle and from drag loops; there is
// no thread.
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "RasterCanvas.h"
#include "X11Backend.h"

namespace {

// Errors on our own connection (a request on a window the host has already destroyed)
// are dropped instead of ending the host through Xlib's default handler; errors of other
// connections go to the handler that was installed before.
int onXError(Display* dpy, XErrorEvent* error) {
    const x11::Backend& state = x11::backend();
    if (dpy == state.connection) return 0;
    return state.previousErrorHandler ? state.previousErrorHandler(dpy, error) : 0;
}

// A rasteriser canvas on a window's back buffer that presents it when the context ends.
class WindowCanvas : public RasterCanvas {
public:
    explicit WindowCanvas(platform::NativeWindow* w) : RasterCanvas(w->backBuffer), window(w) {}
    void endContext() override { x11::present(window); }

private:
    platform::NativeWindow* window;
};

void paintWindow(platform::NativeWindow* w) {
    if (!w->client) return;
    WindowCanvas canvas(w);
    w->client->paint(canvas);
    x11::present(w);
}

void releaseResources(platform::NativeWindow* w) {
    Display* dpy = x11::backend().connection;
    if (w->image) {
        w->image->data = nullptr;  // the pixels belong to backBuffer
        XDestroyImage(w->image);
        w->image = nullptr;
    }
    if (w->gc && dpy) XFreeGC(dpy, w->gc);
    w->gc = nullptr;
}

void forget(platform::NativeWindow* w) {
    auto& ws = x11::backend().windows;
    ws.erase(std::remove(ws.begin(), ws.end(), w), ws.end());
}

}  // namespace

namespace x11 {

Backend& backend() {
    static Backend state;
    return state;
}

Display* display() {
    Backend& state = backend();
    if (!state.connection) {
        state.connection = XOpenDisplay(nullptr);
        if (state.connection) state.previousErrorHandler = XSetErrorHandler(onXError);
    }
    return state.connection;
}

void closeDisplayIfUnused() {
    Backend& state = backend();
    if (state.connection && state.windows.empty()) {
        XCloseDisplay(state.connection);
        state.connection = nullptr;
        state.cursorsMadeOn = nullptr;  // the cursors went with the connection
        // Put the earlier handler back unless someone replaced ours meanwhile.
        const XErrorHandler current = XSetErrorHandler(state.previousErrorHandler);
        if (current != onXError) XSetErrorHandler(current);
    }
}

platform::NativeWindow* findWindow(Window xid) {
    for (auto* w : backend().windows)
        if (w->xid == xid) return w;
    return nullptr;
}

void present(platform::NativeWindow* w) {
    Display* connection = backend().connection;
    if (!connection || !w->xid || !w->image) return;
    XPutImage(connection, w->xid, w->gc, w->image, 0, 0, 0, 0, unsigned(w->backBuffer.width),
              unsigned(w->backBuffer.height));
    XFlush(connection);
}

bool handleEvent(const XEvent& event) {
    platform::NativeWindow* w = findWindow(event.xany.window);
    if (!w) return handleWidgetEvent(event);
    switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) paintWindow(w);
            break;
        case ButtonPress:
            noteEventTime();
            // Wheel "buttons" 4 to 7 are not clicks.
            if (event.xbutton.button <= Button3 && w->client) {
                WindowCanvas canvas(w);
                w->client->buttonDown(canvas, Point(event.xbutton.x, event.xbutton.y));
            }
            break;
        case DestroyNotify:
            if (event.xdestroywindow.window == w->xid) {
                releaseResources(w);
                w->xid = 0;
                forget(w);
                if (w->client) w->client->windowDestroyed();
                delete w;
            }
            break;
        default: break;
    }
    return true;
}

}  // namespace x11

namespace platform {

bool registerWindowClass(const char*) { return true; }
void unregisterWindowClass(const char*) {}

NativeWindow* createChildWindow(void* parent, const char*, int widthPx, int heightPx, WindowClient* client) {
    Display* dpy = x11::display();
    if (!dpy || !parent || widthPx <= 0 || heightPx <= 0) return nullptr;
    const int screen = DefaultScreen(dpy);
    Visual* visual = DefaultVisual(dpy, screen);
    if (DefaultDepth(dpy, screen) < 24 || visual->red_mask != 0xFF0000 || visual->blue_mask != 0xFF) return nullptr;

    auto* w = new NativeWindow;
    w->client = client;
    w->backBuffer = RasterImage(widthPx, heightPx, 0);
    const Window parentXid = Window(reinterpret_cast<std::uintptr_t>(parent));
    w->xid = XCreateSimpleWindow(dpy, parentXid, 0, 0, unsigned(widthPx), unsigned(heightPx), 0, 0, 0);
    w->image = XCreateImage(dpy, visual, unsigned(DefaultDepth(dpy, screen)), ZPixmap, 0,
                            reinterpret_cast<char*>(w->backBuffer.pixels.data()), unsigned(widthPx),
                            unsigned(heightPx), 32, widthPx * 4);
    w->gc = XCreateGC(dpy, w->xid, 0, nullptr);
    XSelectInput(dpy, w->xid, ExposureMask | ButtonPressMask | StructureNotifyMask);
    XMapWindow(dpy, w->xid);
    XFlush(dpy);
    x11::backend().windows.push_back(w);
    return w;
}

void destroyWindow(NativeWindow* window) {
    if (!window) return;
    window->client = nullptr;
    forget(window);
    Display* connection = x11::backend().connection;
    if (connection && window->xid) {
        XDestroyWindow(connection, window->xid);
        XSync(connection, False);
    }
    releaseResources(window);
    delete window;
    x11::closeDisplayIfUnused();
}

std::unique_ptr<Canvas> windowCanvas(NativeWindow* window) {
    if (!window || !window->xid) return nullptr;
    return std::make_unique<WindowCanvas>(window);
}

Point windowScreenOrigin(NativeWindow* window) {
    Display* connection = x11::backend().connection;
    if (!connection || !window || !window->xid) return Point();
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(connection, window->xid, DefaultRootWindow(connection), 0, 0, &x, &y, &child);
    return Point(x, y);
}

void pumpWindowEvents(NativeWindow*) {
    x11::Backend& state = x11::backend();
    if (!state.connection) return;
    ++state.pumpDepth;
    XEvent event;
    if (state.pumpDepth > 1) {
        // Inside a drag started by a delivered click: paint only, clicks wait.
        while (XCheckTypedEvent(state.connection, Expose, &event)) x11::handleEvent(event);
    } else {
        // An event may close the last window and with it the connection.
        while (state.connection && XPending(state.connection)) {
            XNextEvent(state.connection, &event);
            x11::handleEvent(event);
        }
    }
    --state.pumpDepth;
}

bool dispatchOnePendingPaint() {
    Display* connection = x11::backend().connection;
    if (!connection) return false;
    XEvent event;
    if (!XCheckTypedEvent(connection, Expose, &event)) return false;
    x11::handleEvent(event);
    return true;
}

}  // namespace platform
