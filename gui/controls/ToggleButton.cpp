#include "ToggleButton.h"

#include "Bitmap.h"
#include "DrawContext.h"

void ToggleButton::draw(DrawContext* context) {
    if (context && background) {
        const int sourceTop = value == 0.0f ? 0 : background->getHeight() / 2;
        drawBackground(context, background, Point(0, sourceTop));
    }
    markDirty(false);
}

void ToggleButton::mouseDown(DrawContext* context, Point&) {
    if (!context || !leftClickAccepted(context->readMouseButtons())) return;
    value = int(value) != 0 ? 0.0f : 1.0f;
    serviceDuringDrag();
    notify(context);
}
