// The backend's own display connection (never the host's), opened on first use and closed
// when the last toolkit window of this library is gone, and the list of live windows.
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

}  // namespace platform

namespace x11 {

Display* display();  // opens the connection when needed; null without an X server
void closeDisplayIfUnused();
std::vector<platform::NativeWindow*>& windows();
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
