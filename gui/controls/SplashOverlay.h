// A click area that shows a picture over the editor: a click shows it (the overlay becomes
// the frame's modal view and takes the display rect as its size), any click on the shown
// picture hides it again (the click area comes back and the whole frame redraws).
// [ui-thread]
#pragma once

#include "Control.h"

class SplashOverlay : public Control {
public:
    SplashOverlay(const Rect& clickArea, ControlListener* listener, std::int32_t tag, Bitmap* picture,
                  const Rect& displayRect, Point offset)
        : Control(clickArea, listener, tag, picture), displayRect(displayRect), offset(offset), clickArea(clickArea) {}

    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
    bool isShown() const { return shown; }

private:
    void show(DrawContext* context);
    void hide(DrawContext* context);

    Rect displayRect;
    Point offset;
    Rect clickArea;
    bool shown = false;
};
