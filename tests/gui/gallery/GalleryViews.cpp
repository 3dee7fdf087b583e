#include "GalleryViews.h"

#include <cstdio>

#include "DrawContext.h"
#include "EditorFrame.h"
#include "GalleryEditor.h"

GalleryView::GalleryView(const Rect& viewSize, std::int32_t viewTag, Bitmap* viewBitmap)
    : View(viewSize), tag(viewTag), bitmap(viewBitmap) {
    if (bitmap) bitmap->retain();
}

GalleryView::~GalleryView() {
    if (bitmap) bitmap->release();
}

void GalleryView::markDirty(bool flag) {
    View::markDirty(flag);
    drawnValue = flag ? -1.0f : value;
}

void GalleryView::change(DrawContext* context, float newValue) {
    value = newValue;
    if (auto* editor = static_cast<GalleryEditor*>(getEditor())) editor->viewChanged(*this, newValue);
    if (context && needsRedraw()) {
        draw(context);
        markDirty(false);
    }
}

int StripView::frameOf(float v) {
    const int frame = int(v * (kFrames - 1) + 0.5f);
    return frame < 0 ? 0 : frame >= kFrames ? kFrames - 1 : frame;
}

void StripView::draw(DrawContext* context) {
    if (!context || !bitmap) return;
    const Point source(0, frameOf(value) * kFramePx);
    if (isTransparent())
        bitmap->drawKeyed(*context, size, source);
    else
        bitmap->draw(*context, size, source);
}

void StripView::mouseDown(DrawContext* context, Point&) {
    if (!context || !(context->readMouseButtons() & 1)) return;
    const int next = (frameOf(value) + 1) % kFrames;
    change(context, float(next) / (kFrames - 1));
}

void ToggleView::draw(DrawContext* context) {
    if (!context || !bitmap) return;
    bitmap->draw(*context, size, Point(0, value != 0.0f ? bitmap->getHeight() / 2 : 0));
}

void ToggleView::mouseDown(DrawContext* context, Point&) {
    if (!context || !(context->readMouseButtons() & 1)) return;
    // Held until the button is released, keeping the editor and host serviced.
    EditorFrame* owner = getFrame();
    while (context->readMouseButtons() & 1)
        if (owner) owner->serviceDuringDrag();
    change(context, value != 0.0f ? 0.0f : 1.0f);
}

void OutlineView::draw(DrawContext* context) {
    if (!context) return;
    context->setFrameColour(colour);
    context->drawRect(size);
}

void OutlineView::mouseDown(DrawContext* context, Point&) {
    if (context && (context->readMouseButtons() & 1)) change(context, value + 0.1f);
}

void SwatchView::draw(DrawContext* context) {
    if (!context) return;
    const int clicks = int(value * 10.0f + 0.5f);
    static const Colour fills[3] = {{30, 30, 30, 0}, {200, 200, 40, 0}, {40, 200, 200, 0}};
    context->setFrameColour(colours::white);
    context->setFillColour(fills[clicks % 3]);
    context->drawRect(size);
    context->fillRect(size);
    context->setFrameColour(colours::red);
    context->moveTo(Point(size.left + 4, size.top + 4));
    context->lineTo(Point(size.right - 4, size.top + 4));
    context->lineTo(Point(size.right - 4, size.bottom - 4));
}

void SwatchView::mouseDown(DrawContext* context, Point&) {
    if (!context) return;
    const int buttons = context->readMouseButtons();
    // Control with the left button and nothing else resets the count.
    if (buttons == 17)
        change(context, 0.0f);
    else if (buttons & 1)
        change(context, value + 0.1f);
}

void LabelView::draw(DrawContext* context) {
    if (!context) return;
    char text[32];
    std::snprintf(text, sizeof text, "Frame %d", StripView::frameOf(value));
    context->setFillColour(colours::black);
    context->setFontColour(colours::white);
    context->setFont(1);
    context->drawTextInRect(text, size, true, 1);
}
