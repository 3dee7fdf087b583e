// Base of everything an editor draws: a rectangle in frame coordinates with a dirty flag,
// mouse enabling, transparency (bitmaps drawn with their key colour left out) and a
// reference count. Controls derive from it and override draw and mouseDown; a view that
// receives mouseDown may track a drag itself by polling context.readMouseButtons() and
// context.readMouseLocation() and calling serviceDuringDrag() on its frame each pass.
//
// The virtual operations are declared in their fixed slot order. [ui-thread]
#pragma once

#include <cstdint>

#include "Geometry.h"
#include "RelaxedAtomic.h"

class DrawContext;
class EditorFrame;
class GuiEditor;

class View {
public:
    explicit View(const Rect& size);

    virtual ~View();
    virtual void draw(DrawContext* context);
    virtual void mouseDown(DrawContext* context, Point& where);
    // Draws when needsRedraw(), then marks the view clean.
    virtual void update(DrawContext* context);
    virtual bool onDrop(DrawContext* context, void** items, std::int32_t count, std::int32_t type, Point where);
    virtual bool onWheel(DrawContext* context, const Point& where, float distance);
    virtual void loseFocus(DrawContext* context);
    virtual void gainFocus(DrawContext* context);
    virtual bool needsRedraw();
    virtual void markDirty(bool dirty = true);
    virtual void setMouseEnabled(bool enabled = true);
    virtual bool getMouseEnabled();
    virtual void setHitArea(const Rect& rect);
    virtual void getHitArea(Rect& rect);
    virtual void setTransparent(bool transparent = true);
    virtual bool isTransparent();
    // Stores the size and marks the view dirty.
    virtual void resize(const Rect& rect);
    virtual void setFrame(EditorFrame* frame);
    // The frame's editor, or null without a frame.
    virtual GuiEditor* getEditor();
    virtual bool onRemoved(View* parent);
    virtual bool onAttached(View* parent);
    // Decrements a count above 0; the view deletes itself when it reaches 0.
    virtual void release();
    virtual void retain();
    virtual std::int32_t getReferenceCount();

    const Rect& getSize() const { return size; }
    EditorFrame* getFrame() const { return frame; }

protected:
    std::int32_t referenceCount = 1;
    Rect size;
    Rect hitArea;
    EditorFrame* frame = nullptr;
    // Set by a plug-in's processing through a control's setValue, read by idle.
    RelaxedAtomic<bool> dirty{true};
    bool mouseEnabled = true;
    bool transparent = false;

private:
    View(const View&) = delete;
    View& operator=(const View&) = delete;
};
