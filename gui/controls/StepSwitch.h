// Stepped switches: the control's extent along one axis is cut into `positions` equal
// bands and the band under the mouse picks the value band / (positions - 1). The drawn
// frame is trunc((positions - 1) x value + 0.5) of a vertical strip. RowSwitch cuts the
// background bitmap's width, ColumnSwitch the frame height. [ui-thread]
#pragma once

#include "Control.h"

class StepSwitch : public Control {
public:
    // Public so that RowSwitch and ColumnSwitch inherit it; the class itself is abstract.
    StepSwitch(const Rect& size, ControlListener* listener, std::int32_t tag, int frameCount, int frameHeightPx,
               int positions, Bitmap* background, Point offset);

    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;

protected:
    // The value for a mouse point in frame coordinates.
    virtual float valueAt(Point where) const = 0;
    float bandValue(int distancePx, int extentPx) const;

    int frameCount;
    int frameHeightPx;
    int positions;
    Point offset;
};

class RowSwitch : public StepSwitch {
public:
    using StepSwitch::StepSwitch;

protected:
    float valueAt(Point where) const override;
};

class ColumnSwitch : public StepSwitch {
public:
    using StepSwitch::StepSwitch;

protected:
    float valueAt(Point where) const override;
};
