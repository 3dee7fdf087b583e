// The host's side of an editor in a real Win32 window for tests: a top-most parent window,
// the editor's child window in it, captures from the child's device context, and real
// input through SendInput (a press from the test thread, moves and the release from
// another thread while the editor's drag loop runs inside the button-down message).
#pragma once

#include <functional>
#include <vector>

#include "Geometry.h"
#include "RasterImage.h"
#include "TestHost.h"

namespace win32test {

// A visible top-most popup window of the given size; null on failure.
void* createParentWindow(int widthPx, int heightPx, const char* title = "Editor");
void destroyWindow(void* window);
void pumpMessages();
// The window's first child, or null.
void* childWindow(void* parent);
// The window's client pixels (0x00RRGGBB), or an empty image without a window.
RasterImage capture(void* window, int widthPx, int heightPx);
// Pumps messages and sends effEditIdle every 10 ms, as a host does, until `done`.
bool idleUntil(testhost::TestHost& host, const std::function<bool()>& done, int passes = 300);
// A press over a point of `window`, released 150 ms later.
void clickAt(void* window, Point point);
// A press over `from` of `window`; the pointer moves along `path` (one step every 20 ms)
// and the button is released.
void dragAt(void* window, Point from, const std::vector<Point>& path);
// Presses and releases a virtual key.
void sendKey(unsigned short virtualKey);
// The GDI objects this process holds.
unsigned long gdiObjectCount();

}  // namespace win32test
