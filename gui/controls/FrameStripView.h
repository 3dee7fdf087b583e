// A display-only picture strip: the value picks frame round(value x (frames - 1)) of a
// vertical strip below the offset point. No mouse handling. [ui-thread]
#pragma once

#include "Control.h"

class FrameStripView : public Control {
public:
    FrameStripView(const Rect& size, ControlListener* listener, std::int32_t tag, int frameCount, int frameHeightPx,
                   Bitmap* background, Point offset)
        : Control(size, listener, tag, background), frameCount(frameCount), frameHeightPx(frameHeightPx),
          offset(offset) {}

    void draw(DrawContext* context) override;
    // The source point drawn for the current value.
    Point sourcePoint() const;

private:
    int frameCount;
    int frameHeightPx;
    Point offset;
};
