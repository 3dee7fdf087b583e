#include "SplashOverlay.h"

#include "Bitmap.h"
#include "DrawContext.h"
#include "EditorFrame.h"

void SplashOverlay::draw(DrawContext* context) {
    if (context && background && value != 0.0f) {
        if (transparent)
            background->drawKeyed(*context, displayRect, offset);
        else
            background->draw(*context, displayRect, offset);
    }
    markDirty(false);
}

void SplashOverlay::mouseDown(DrawContext* context, Point&) {
    if (!context || !leftClickAccepted(context->readMouseButtons())) return;
    value = value == 0.0f ? 1.0f : 0.0f;
    if (value == 1.0f)
        show(context);
    else
        hide(context);
    markDirty(true);
}

void SplashOverlay::show(DrawContext* context) {
    // A frame that already has a modal view refuses: the value stays 1 with nothing shown.
    if (!frame || !frame->setModalView(this)) return;
    shown = true;
    clickArea = size;
    size = displayRect;
    draw(context);
    notify(context);
}

void SplashOverlay::hide(DrawContext* context) {
    if (shown) {
        size = clickArea;
        shown = false;
        if (frame) {
            frame->setModalView(nullptr);
            frame->draw(context);
        }
    }
    notify(context);
}
