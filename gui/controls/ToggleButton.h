// An on/off button: the upper half of its bitmap is the off picture, the lower half the
// on picture; each left click flips the value and tells the listener (no gesture, no drag).
// [ui-thread]
#pragma once

#include "Control.h"

class ToggleButton : public Control {
public:
    ToggleButton(const Rect& size, ControlListener* listener, std::int32_t tag, Bitmap* background)
        : Control(size, listener, tag, background) {}

    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
};
