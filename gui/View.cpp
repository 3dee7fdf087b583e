#include "View.h"

#include "EditorFrame.h"

View::View(const Rect& viewSize) : size(viewSize), hitArea(viewSize) {}

View::~View() = default;

void View::draw(DrawContext*) {}

void View::mouseDown(DrawContext*, Point&) {}

void View::update(DrawContext* context) {
    if (!needsRedraw()) return;
    draw(context);
    markDirty(false);
}

bool View::onDrop(DrawContext*, void**, std::int32_t, std::int32_t, Point) { return false; }

bool View::onWheel(DrawContext*, const Point&, float) { return false; }

void View::loseFocus(DrawContext*) {}

void View::gainFocus(DrawContext*) {}

bool View::needsRedraw() { return dirty; }

void View::markDirty(bool flag) { dirty = flag; }

void View::setMouseEnabled(bool enabled) { mouseEnabled = enabled; }

bool View::getMouseEnabled() { return mouseEnabled; }

void View::setHitArea(const Rect& rect) { hitArea = rect; }

void View::getHitArea(Rect& rect) { rect = hitArea; }

void View::setTransparent(bool flag) { transparent = flag; }

bool View::isTransparent() { return transparent; }

void View::resize(const Rect& rect) {
    size = rect;
    markDirty(true);
}

void View::setFrame(EditorFrame* newFrame) { frame = newFrame; }

GuiEditor* View::getEditor() { return frame ? frame->getEditor() : nullptr; }

bool View::onRemoved(View*) { return true; }

bool View::onAttached(View*) { return true; }

void View::release() {
    if (referenceCount <= 0) return;
    if (--referenceCount == 0) delete this;
}

void View::retain() { ++referenceCount; }

std::int32_t View::getReferenceCount() { return referenceCount; }
