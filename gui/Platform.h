// The platform contract: everything the toolkit needs from the window system. One backend
// implements it per platform (gui/win32, gui/x11, gui/headless); nothing above this header
// includes a system header. All calls run on the host's user-interface thread.
#pragma once

#include <cstdint>
#include <memory>

#include "Canvas.h"
#include "Geometry.h"

namespace platform {

struct NativeWindow;  // the frame's own child window
struct BitmapImage;   // a loaded bitmap resource (plus its cached mask)

// Receives what the window system delivers to a frame's window.
class WindowClient {
public:
    virtual void paint(Canvas& canvas) = 0;
    virtual void buttonDown(Canvas& canvas, Point point) = 0;
    // The window was destroyed from outside (for example by the host).
    virtual void windowDestroyed() = 0;
    // Colours of a native edit box over the window (text field editing); false: defaults.
    virtual bool editBoxColours(Colour& text, Colour& back) {
        (void)text;
        (void)back;
        return false;
    }

protected:
    ~WindowClient() = default;
};

// Window classes: registered once per name by the counted registry (EditorWindowClass).
bool registerWindowClass(const char* className);
void unregisterWindowClass(const char* className);

// A visible child window of `parent` (HWND or X11 window id) of the given client size at
// (0, 0). Null on failure.
NativeWindow* createChildWindow(void* parent, const char* className, int widthPx, int heightPx,
                                WindowClient* client);
// Clears the client link first, so no message reaches a frame that is going away.
void destroyWindow(NativeWindow* window);
std::unique_ptr<Canvas> windowCanvas(NativeWindow* window);
Point windowScreenOrigin(NativeWindow* window);
// Delivers queued paint and button events of this window (backends whose events are not
// delivered by the host's message loop). Nested calls deliver paint events only.
void pumpWindowEvents(NativeWindow* window);
// Takes one pending paint event of any toolkit window of this thread and handles it.
bool dispatchOnePendingPaint();

// Mouse buttons and modifiers at the moment of the call.
enum MouseBits : int { kLeftButton = 1, kMiddleButton = 2, kRightButton = 4, kShift = 8, kControl = 16, kAlt = 32 };
int readMouseButtons();
Point cursorScreenPosition();
std::uint32_t tickCountMs();
void sleepMs(std::uint32_t milliseconds);
std::uint32_t doubleClickTimeMs();
// The time of the last input event taken by the window system (for double-click timing).
std::uint32_t lastMessageTimeMs();
// Removes and reports one pending left-button-down of this thread's windows.
bool takeLeftButtonDown();

// The cursors a frame may show; kParentCursor is the host window's own. Handles are owned
// by the backend.
enum CursorKind : int {
    kParentCursor = 0,
    kWaitCursor = 1,
    kWestEastCursor = 2,
    kNorthSouthCursor = 3,
    kFourWayCursor = 4,
    kNorthEastSouthWestCursor = 5,
    kNorthWestSouthEastCursor = 6,
    kCursorKindCount = 7
};
// Null for kParentCursor and kinds outside the enum.
void* standardCursor(CursorKind kind);
void* currentCursor(NativeWindow* window);
void applyCursor(NativeWindow* window, void* cursor);

// The library's own bitmap resource `resourceId`; null when there is none.
BitmapImage* loadBitmapResource(int resourceId);
void bitmapImageSize(const BitmapImage* image, int& widthPx, int& heightPx);
void destroyBitmapImage(BitmapImage* image);

// A memory surface of the display's format.
std::unique_ptr<Canvas> createOffscreenCanvas(int widthPx, int heightPx);

// Component-object services for this thread (no-ops where there are none).
void initialiseComponentObjects();
void uninitialiseComponentObjects();

}  // namespace platform
