// The two native widgets the text controls need from the window system: a single-line
// edit box over a frame's window and a popup menu. Win32 uses the system's EDIT control and
// TrackPopupMenu; X11 and headless draw their own with the rasteriser. [ui-thread]
#pragma once

#include <string>
#include <vector>

#include "Colour.h"
#include "Geometry.h"

namespace platform {

struct NativeWindow;
struct NativeEditBox;

// Told when the box should close: Return was pressed or the box lost the keyboard focus.
// The client may destroy the box from inside the call.
class EditBoxClient {
public:
    virtual void editBoxFinished() = 0;

protected:
    ~EditBoxClient() = default;
};

struct EditBoxSetup {
    Rect rect;              // client coordinates of the parent window
    std::string text;       // shown with all of it selected
    int alignment = 0;      // 0 left, 1 centred, 2 right
    int fontId = 3;         // toolkit font id, default height, normal weight
    int fontHeightPx = 12;
};

// A visible box with the keyboard focus, or null on failure. Its colours are asked from
// the parent window's client (WindowClient::editBoxColours).
NativeEditBox* createEditBox(NativeWindow* parent, const EditBoxSetup& setup, EditBoxClient* client);
// The box's text, at most maxChars characters.
std::string editBoxText(NativeEditBox* box, std::size_t maxChars);
void destroyEditBox(NativeEditBox* box);

struct PopupMenuItem {
    enum Kind { kPlain, kSeparator, kSubMenu, kGreyed, kTitle };
    Kind kind = kPlain;
    std::string label;
    int id = -1;  // the identifier answered when the item is chosen
    bool checked = false;
    bool columnBreak = false;  // starts a new column
    std::vector<PopupMenuItem> subItems;
};

// Shows the menu with its top-left at `screen` and tracks it until it closes; tracks the
// right button as well when asked. Answers the chosen item's id, or -1. Clicks that closed
// the menu do not reach the window afterwards.
int trackPopupMenu(NativeWindow* window, const std::vector<PopupMenuItem>& items, Point screen,
                   bool rightButtonTracks);

}  // namespace platform
