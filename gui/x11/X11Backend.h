// The X11 backend's state and the calls its three parts (windows, services, widgets)
// share. The state is one struct per library (the libraries export only their entry
// point): its own display connection (never the host's), opened on first use and closed
// when the last toolkit window of this library is gone, the live windows, the cursors
// made on that connection, the open edit box and the time of the last input event.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>

#include <memory>
#include <vector>

#include "Platform.h"
#include "RasterImage.h"

namespace platform {

struct NativeWindow {
    Window xid = 0;
    WindowClient* client = nullptr;
    RasterImage backBuffer;
    XImage* image = nullptr;  // wraps backBuffer's pixels for XPutImage
    GC gc = nullptr;
    Cursor cursor = 0;        // 0: the parent's cursor
};
struct NativeEditBox;  // X11Widgets

}  // namespace platform

namespace x11 {

struct Backend {
    Display* connection = nullptr;
    XErrorHandler previousErrorHandler = nullptr;
    int pumpDepth = 0;  // nested pumpWindowEvents calls deliver paint events only
    std::vector<platform::NativeWindow*> windows;
    Cursor cursors[platform::kCursorKindCount] = {};  // by kind, made when first shown
    Display* cursorsMadeOn = nullptr;
    platform::NativeEditBox* openBox = nullptr;  // at most one at a time
    std::uint32_t lastEventTickMs = 0;
};
Backend& backend();

Display* display();  // opens the connection when needed; null without an X server
void closeDisplayIfUnused();
platform::NativeWindow* findWindow(Window xid);
// Copies the back buffer to the window.
void present(platform::NativeWindow* window);
// Handles one event for the toolkit windows; false when it was not for them.
bool handleEvent(const XEvent& event);
// Handles one event of an edit box or popup menu (X11Widgets); false when not theirs.
bool handleWidgetEvent(const XEvent& event);
// Records the tick of the last input event delivered (for double-click timing).
void noteEventTime();

}  // namespace x11
