// Knobs. RotaryKnob maps the value to an angle and draws a handle (a bitmap or two lines)
// over its background; FullCircleKnob adds the suite's knob drag (absolute circular,
// relative circular or linear, chosen by the process-wide knob mode and Alt) and the
// full-circle pointToValue; FilmstripKnob draws one frame of a vertical strip instead.
//
// Angles are radians counter-clockwise from the positive horizontal axis with v pointing
// up: straight up on the screen is pi/2. [ui-thread]
#pragma once

#include "Colour.h"
#include "Control.h"
#include "ToolkitConstants.h"

class RotaryKnob : public Control {
public:
    RotaryKnob(const Rect& size, ControlListener* listener, std::int32_t tag, Bitmap* background, Bitmap* handle,
               Point backgroundOffset);
    ~RotaryKnob() override;

    void draw(DrawContext* context) override;
    void setMin(float v) override;
    void setMax(float v) override;

    void setMinimumAngle(float angleRad);
    void setSweepAngle(float angleRad);
    void setInset(int insetPx) { inset = insetPx; }
    void setHandleColour(Colour colour);
    void setHandleShadowColour(Colour colour);
    void setHandleBitmap(Bitmap* bitmap);
    void setFineFactor(float factor) { fineFactor = factor; }
    float getFineFactor() const { return fineFactor; }
    // The handle's position relative to the control's top-left.
    void handlePoint(Point& point);
    // The value for a point relative to the control's top-left.
    virtual float pointToValue(Point point);
    void paintHandle(DrawContext* context);

protected:
    void recomputeAngleMapping();

    Point backgroundOffset;
    Colour handleColour = colours::white;
    Colour handleShadowColour = colours::grey;
    Bitmap* handleBitmap;
    int inset;
    float minimumAngleRad = toolkit::kKnobDefaultMinimumAngleRad;
    float sweepAngleRad = toolkit::kKnobDefaultSweepAngleRad;
    float halfGapRad = 0.0f;
    float angleA = 0.0f;  // value per radian
    float angleB = 0.0f;  // value at angle 0
    float radius;
    float fineFactor = 1.5f;
};

class FullCircleKnob : public RotaryKnob {
public:
    using RotaryKnob::RotaryKnob;

    void mouseDown(DrawContext* context, Point& where) override;
    float pointToValue(Point point) override;

    void setFree() { free = true; }
    void clearFree() { free = false; }
    bool isFree() const { return free; }

private:
    enum DragMode { kAbsoluteCircular = 0, kRelativeCircular = 1, kLinear = 2 };
    static int dragModeFor(std::int32_t knobMode, bool alt);

    bool free = true;
};

class FilmstripKnob : public FullCircleKnob {
public:
    FilmstripKnob(const Rect& size, ControlListener* listener, std::int32_t tag, int frameCount, int frameHeightPx,
                  Bitmap* strip, Point offset);

    void draw(DrawContext* context) override;
    // The frame drawn for a value: trunc(value x (frames - 1)), 0 for values <= 0.
    int frameFor(float v) const;

private:
    int frameCount;
    int frameHeightPx;
};
