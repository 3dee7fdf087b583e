#include "FrameStripView.h"

#include "DrawContext.h"

Point FrameStripView::sourcePoint() const {
    if (!(value > 0.0f)) return offset;
    const int frameIndex = int(value * float(frameCount - 1) + 0.5f);
    return Point(offset.h, offset.v + frameIndex * frameHeightPx);
}

void FrameStripView::draw(DrawContext* context) {
    if (value > 1.0f) value = 1.0f;
    if (context) drawBackground(context, background, sourcePoint());
    markDirty(false);
}
