// The headless backend: windows are in-memory surfaces drawn by the software rasteriser,
// and input is scripted, so tests of drags, resets and routing are deterministic.
//
// Scripted input: queueInput() appends button/modifier/pointer states. Each
// readMouseButtons() call first moves to the next queued state (when there is one) and
// answers its buttons; cursorScreenPosition() answers the current state's pointer without
// moving on. When the queue runs dry the last state stays current. Ticks start at 0 and
// advance only through sleepMs() and advanceTicks().
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Geometry.h"
#include "NativeWidgets.h"
#include "Platform.h"
#include "RasterImage.h"

namespace headless {

struct InputState {
    int buttons = 0;  // platform::MouseBits
    Point screen;     // pointer in screen coordinates
};

// Screen position given to every new window's top-left (client origin).
constexpr Point kWindowScreenOrigin{200, 100};

// Forgets all windows' input, ticks, scripts and records (windows stay alive).
void reset();

void queueInput(const InputState& state);
void setInput(const InputState& state);  // clears the queue and makes `state` current
void advanceTicks(std::uint32_t milliseconds);
std::uint32_t sleptMs();  // total sleep requested since reset
int sleepCalls();

// Windows.
platform::NativeWindow* lastCreatedWindow();
int liveWindowCount();
RasterImage* windowPixels(platform::NativeWindow* window);
Point windowSize(platform::NativeWindow* window);
// Delivers a paint message with an update region now.
void paint(platform::NativeWindow* window);
// Queues a paint message (taken by dispatchOnePendingPaint or pumpWindowEvents).
void postPaint(platform::NativeWindow* window);
std::size_t pendingPaintCount();
// Delivers a button-down at a client point now (the scripted state should hold the button).
void click(platform::NativeWindow* window, Point client);
// Queues a button-down for pumpWindowEvents, and counts one left-button-down for
// takeLeftButtonDown (double-click waits).
void postClick(platform::NativeWindow* window, Point client);
// The host destroys the window from outside.
void destroyFromOutside(platform::NativeWindow* window);
int cursorKind(platform::NativeWindow* window);  // 0 = the default arrow
// The colours the window's client gives a native edit box (false: the box's defaults).
bool editBoxColours(platform::NativeWindow* window, Colour& text, Colour& back);

// Window classes.
bool classRegistered(const std::string& name);
int classRegistrations();    // calls of registerWindowClass since reset
int classUnregistrations();  // calls of unregisterWindowClass since reset

// Component-object initialisation balance (init minus uninit calls).
int componentObjectDepth();

// The edit box (one at a time): what it shows, and scripted typing. Typing replaces the
// selection (all of the text when the box opens) and leaves nothing selected.
bool editBoxOpen();
platform::NativeWindow* editBoxParent();
platform::EditBoxSetup editBoxSetup();
bool editBoxAllSelected();
void typeText(const std::string& text);
// Return in the box, or the focus moving elsewhere: the box's client is told.
void pressReturn();
void takeFocusFromEditBox();

// Popup menus: each trackPopupMenu answers the next scripted choice (-1 when none is left)
// and is recorded.
void scriptMenuChoice(int id);
int popupCount();
const std::vector<platform::PopupMenuItem>& lastPopupItems();
Point lastPopupPosition();
bool lastPopupTracksRightButton();

}  // namespace headless
