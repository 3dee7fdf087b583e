// A test's own X11 connection acting as the host's side of an editor in a real window: a
// parent window, the editor's child window inside it, captures with XGetImage, and real
// input through XTest (presses from this connection, moves and releases from another so
// that an editor's drag loop sees them while it runs). Needs an X server (xvfb-run -a).
#pragma once

#include <functional>
#include <vector>

#include "Geometry.h"
#include "RasterImage.h"
#include "TestHost.h"

struct _XDisplay;

class X11Session {
public:
    using WindowId = unsigned long;

    X11Session();  // opens the display; available() is false without an X server
    ~X11Session();
    bool available() const { return display != nullptr; }

    // A mapped top-level window for the editor (replaces an earlier one).
    void createParent(int widthPx, int heightPx);
    // The host destroys its window (and with it the editor's).
    void destroyParent();
    WindowId parentWindow() const { return parent; }
    void* parentHandle() const { return reinterpret_cast<void*>(parent); }

    // The parent's only child window, or 0; the number of its children.
    WindowId childWindow() const;
    int childCount() const;
    // The child window's pixels (0x00RRGGBB), or an empty image without a child.
    RasterImage capture(int widthPx, int heightPx) const;

    // Sends effEditIdle every 10 ms, as a host does, until `done` or `passes` rounds.
    bool idleUntil(testhost::TestHost& host, const std::function<bool()>& done, int passes = 200);
    // Presses over a frame point (with Control held when asked) and releases 150 ms later
    // from another connection while the editor handles the press inside one idle call.
    void clickAt(testhost::TestHost& host, Point framePoint, bool control = false);
    // Presses at `from`, then, from another connection, moves along `path` (one step every
    // 20 ms) and releases; the editor's drag loop runs inside one idle call.
    void dragAt(testhost::TestHost& host, Point from, const std::vector<Point>& path);
    Point toScreen(Point framePoint) const;
    // Presses and releases keys (X keysyms).
    void typeKeys(const std::vector<unsigned long>& keysyms);
    void sync() const;

private:
    _XDisplay* display = nullptr;
    WindowId parent = 0;
};
