// The editor's screen: a View that owns a native child window in the host's window, a
// background bitmap and a flat list of views. Paint messages draw everything; idle draws
// only dirty views (nothing before the first paint); a button-down goes to the focus view
// first (which loses focus), then to the modal view if the click is inside it, else to
// the last-added mouse-enabled view containing the point.
//
// The frame owns its views: it releases each view's reference when it removes it with
// release requested and when it is destroyed. Drop targets and view containers are not
// part of this toolkit (no view accepts drops). [ui-thread]
#pragma once

#include <cstdint>

#include "Platform.h"
#include "View.h"

class Bitmap;
class DrawContext;
class GuiEditor;

class EditorFrame : public View {
public:
    // Creates the child window when `parentWindow` is not null.
    EditorFrame(const Rect& size, void* parentWindow, GuiEditor* editor);
    ~EditorFrame() override;

    // Full draw: background, then every view (keeping its dirty flag), then the modal view.
    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
    // Incremental draw: the modal view only, the whole frame when it is dirty, else every
    // view's own update.
    void update(DrawContext* context) override;
    bool onDrop(DrawContext* context, void** items, std::int32_t count, std::int32_t type, Point where) override;
    bool onWheel(DrawContext* context, const Point& where, float distance) override;
    GuiEditor* getEditor() override { return editor; }

    // Slots following View's.
    virtual bool addView(View* view);
    virtual bool removeView(View* view, bool releaseView = true);
    virtual bool removeAllViews(bool releaseViews = true);
    virtual bool contains(View* view);

    void setBackgroundBitmap(Bitmap* bitmap);
    // Refused while another modal view is set.
    bool setModalView(View* view);
    View* getModalView() const { return modalView; }
    void setFocusView(View* view);
    View* getFocusView() const { return focusView; }
    void drawSingleView(View* view);
    // Redraws what is dirty (called by the editor's idle).
    void idle();
    // Delivers the window's queued paint and button events where the platform needs it.
    void pumpWindowEvents();
    void cursorPosition(Point& point);
    View* viewUnderCursor();
    void setCursor(int kind);
    void beginEdit(std::int32_t tag);
    void endEdit(std::int32_t tag);
    void serviceDuringDrag();
    std::uint32_t getTicks();
    std::int32_t getKnobMode();
    // The frame has no way to resize the host's windows: these answer false.
    bool setSize(int widthPx, int heightPx);
    bool getPosition(int& h, int& v);
    bool getSize(Rect& rect);

    bool isOpen() const { return open; }
    bool isAwaitingFirstPaint() const { return awaitingFirstPaint; }
    platform::NativeWindow* getWindow() const { return window; }
    void* getParentWindow() const { return parentWindow; }
    std::int32_t viewCount() const { return count; }
    std::int32_t viewCapacity() const { return capacity; }
    View* viewAt(std::int32_t index) const { return index >= 0 && index < count ? views[index] : nullptr; }

private:
    // Receives the window's messages on the frame's behalf.
    class WindowLink : public platform::WindowClient {
    public:
        explicit WindowLink(EditorFrame& frame) : frame(frame) {}
        void paint(Canvas& canvas) override;
        void buttonDown(Canvas& canvas, Point point) override;
        void windowDestroyed() override;
        bool editBoxColours(Colour& text, Colour& back) override;

    private:
        EditorFrame& frame;
    };

    static constexpr std::int32_t kGrowBy = 10;
    bool anythingDirty();
    bool grow();
    void drawViewsKeepingDirty(DrawContext* context);

    GuiEditor* editor;
    void* parentWindow;
    Bitmap* background = nullptr;
    View** views = nullptr;
    std::int32_t count = 0;
    std::int32_t capacity = 0;
    View* modalView = nullptr;
    View* focusView = nullptr;
    bool awaitingFirstPaint = true;
    bool open = true;
    bool windowClassRegistered = false;
    void* savedCursor = nullptr;
    platform::NativeWindow* window = nullptr;
    WindowLink link{*this};
};
