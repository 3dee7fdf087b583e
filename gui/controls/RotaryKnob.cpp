#include "RotaryKnob.h"

#include <cmath>

#include "Bitmap.h"
#include "DrawContext.h"
#include "EditorFrame.h"
#include "Platform.h"
#include "ToolkitConstants.h"

namespace {
using toolkit::kKnobDragRangePx;
using toolkit::kTwoPi;   // where angles are compared
using toolkit::kTwoPiF;  // where angles are wrapped

int insetFor(const Bitmap* handle) { return handle ? int(handle->getWidth() * 0.5 + 2.5) : 3; }

double wrappedOnce(double t) {
    if (t < 0.0) return t + kTwoPi;
    if (t > kTwoPi) return t - kTwoPi;
    return t;
}
}  // namespace

RotaryKnob::RotaryKnob(const Rect& knobSize, ControlListener* owner, std::int32_t knobTag, Bitmap* bitmap,
                       Bitmap* handle, Point offset)
    : Control(knobSize, owner, knobTag, bitmap),
      backgroundOffset(offset),
      handleBitmap(handle),
      inset(insetFor(handle)),
      radius(float(knobSize.width()) * 0.5f) {
    if (handleBitmap) handleBitmap->retain();
    recomputeAngleMapping();
}

RotaryKnob::~RotaryKnob() {
    if (handleBitmap) handleBitmap->release();
}

void RotaryKnob::recomputeAngleMapping() {
    halfGapRad = (kTwoPiF - std::fabs(sweepAngleRad)) * 0.5f;
    angleA = (maximum - minimum) / sweepAngleRad;
    angleB = minimum - angleA * minimumAngleRad;
}

void RotaryKnob::setMin(float v) {
    Control::setMin(v);
    recomputeAngleMapping();
}

void RotaryKnob::setMax(float v) {
    Control::setMax(v);
    recomputeAngleMapping();
}

void RotaryKnob::setMinimumAngle(float angleRad) {
    minimumAngleRad = angleRad;
    recomputeAngleMapping();
    markDirty(true);
}

void RotaryKnob::setSweepAngle(float angleRad) {
    sweepAngleRad = angleRad;
    recomputeAngleMapping();
    markDirty(true);
}

void RotaryKnob::setHandleColour(Colour colour) {
    handleColour = colour;
    markDirty(true);
}

void RotaryKnob::setHandleShadowColour(Colour colour) {
    handleShadowColour = colour;
    markDirty(true);
}

void RotaryKnob::setHandleBitmap(Bitmap* bitmap) {
    if (handleBitmap) handleBitmap->release();
    handleBitmap = bitmap;
    if (handleBitmap) handleBitmap->retain();
    inset = insetFor(handleBitmap);
}

void RotaryKnob::handlePoint(Point& point) {
    const float angle = (value - angleB) / angleA;
    const float reach = radius - float(inset);
    point.h = std::int32_t(radius + std::cos(angle) * reach + 0.5f);
    point.v = std::int32_t(radius - std::sin(angle) * reach + 0.5f);
}

float RotaryKnob::pointToValue(Point point) {
    // The plain mapping of the angle; FullCircleKnob replaces it with the wrapped one.
    float alpha = float(std::atan2(double(radius - float(point.v)), double(float(point.h) - radius)));
    if (alpha < 0.0f) alpha += kTwoPiF;
    return angleB + angleA * alpha;
}

void RotaryKnob::paintHandle(DrawContext* context) {
    Point tip;
    handlePoint(tip);
    tip.offset(size.left, size.top);
    if (handleBitmap) {
        const int w = handleBitmap->getWidth();
        const int h = handleBitmap->getHeight();
        const Rect where(tip.h - w / 2, tip.v - h / 2, tip.h - w / 2 + w, tip.v - h / 2 + h);
        handleBitmap->drawKeyed(*context, where);
        return;
    }
    const Point centre(size.left + std::int32_t(radius), size.top + std::int32_t(radius));
    context->setFrameColour(handleShadowColour);
    context->moveTo(centre);
    context->lineTo(tip);
    context->setFrameColour(handleColour);
    context->moveTo(Point(centre.h + 1, centre.v - 1));
    context->lineTo(Point(tip.h + 1, tip.v - 1));
}

void RotaryKnob::draw(DrawContext* context) {
    if (context) {
        drawBackground(context, background, backgroundOffset);
        paintHandle(context);
    }
    markDirty(false);
}

float FullCircleKnob::pointToValue(Point p) {
    const double r = radius;
    float alpha = float(std::atan2(r - p.v, p.h - r));
    if (alpha < 0.0f) alpha += kTwoPiF;
    double d = double(alpha) - double(minimumAngleRad);
    const double sweep = sweepAngleRad;
    const double halfGap = halfGapRad;
    if (sweep < 0.0) {
        d -= sweep;
        const double t = wrappedOnce(d);
        if (t > halfGap - sweep) return maximum;
        if (t > -sweep) return minimum;
        if (d > halfGap - sweep)
            d -= kTwoPi;
        else if (d < -halfGap)
            d += kTwoPi;
        return float(maximum + d * angleA);
    }
    const double t = wrappedOnce(d);
    if (t > sweep + halfGap) return minimum;
    if (t > sweep) return maximum;
    if (d > sweep + halfGap)
        d -= kTwoPi;
    else if (d < -halfGap)
        d += kTwoPi;
    return float(minimum + d * angleA);
}

int FullCircleKnob::dragModeFor(std::int32_t knobMode, bool alt) {
    switch (knobMode) {
        case 0: return alt ? kRelativeCircular : kAbsoluteCircular;
        case 1: return alt ? kAbsoluteCircular : kRelativeCircular;
        case 2: return alt ? kAbsoluteCircular : kLinear;
        default: return knobMode;
    }
}

void FullCircleKnob::mouseDown(DrawContext* context, Point& where) {
    if (!context) return;
    int buttons = context->readMouseButtons();
    if (!leftClickAccepted(buttons) || takeResetGesture(context, buttons)) return;

    const float range = maximum - minimum;
    const float halfRange = range / 2.0f;
    float startValue = value;
    float pixels = kKnobDragRangePx;
    float step = range / kKnobDragRangePx;
    int rememberedButtons = buttons;
    const Point startPoint = where;
    const Point topLeft(size.left, size.top);
    float lastValue = pointToValue(Point(where.h - topLeft.h, where.v - topLeft.v));
    const float offset = value - lastValue;
    Point lastPoint(-1, -1);

    const std::int32_t knobMode = frame ? frame->getKnobMode() : 0;
    const int mode = dragModeFor(knobMode, (buttons & platform::kAlt) != 0);
    if (buttons & platform::kShift) {
        pixels = kKnobDragRangePx * fineFactor;
        step = range / pixels;
    }

    beginEdit();
    for (;;) {
        buttons = context->readMouseButtons();
        if (!(buttons & platform::kLeftButton)) break;
        if (where != lastPoint) {
            lastPoint = where;
            const Point relative(where.h - topLeft.h, where.v - topLeft.v);
            if (mode == kAbsoluteCircular) {
                value = pointToValue(relative);
            } else if (mode == kRelativeCircular) {
                value = pointToValue(relative) + offset;
                if (value > 1.0f)
                    value -= 1.0f;
                else if (value < 0.0f)
                    value += 1.0f;
            } else if (mode == kLinear) {
                const float delta = float((where.h - startPoint.h) - (where.v - startPoint.v));
                if (buttons != rememberedButtons) {
                    pixels = kKnobDragRangePx * ((buttons & platform::kShift) ? fineFactor : 1.0f);
                    const float newStep = range / pixels;
                    startValue += (step - newStep) * delta;
                    step = newStep;
                    rememberedButtons = buttons;
                }
                value = startValue + delta * step;
            }
            if (!free) {
                if (lastValue - value > halfRange)
                    value = maximum;
                else if (value - lastValue > halfRange)
                    value = minimum;
                else
                    lastValue = value;
            } else {
                lastValue = value;
            }
            if (mode == kLinear) clampValue();
            notifyIfDirty(context);
        }
        context->readMouseLocation(where);
        serviceDuringDrag();
    }
    endEdit();
}

FilmstripKnob::FilmstripKnob(const Rect& knobSize, ControlListener* owner, std::int32_t knobTag, int frames,
                             int frameHeight, Bitmap* strip, Point offset)
    : FullCircleKnob(knobSize, owner, knobTag, strip, nullptr, offset), frameCount(frames), frameHeightPx(frameHeight) {
    inset = 0;
}

int FilmstripKnob::frameFor(float v) const {
    if (!(v > 0.0f) || frameHeightPx <= 0 || frameCount <= 1) return 0;
    const int pos = int(float(frameCount - 1) * float(frameHeightPx) * v);
    const int frameIndex = pos / frameHeightPx;
    // Values above the range show the last frame rather than reading past the strip.
    return frameIndex < frameCount ? frameIndex : frameCount - 1;
}

void FilmstripKnob::draw(DrawContext* context) {
    if (context) drawBackground(context, background, Point(0, frameFor(value) * frameHeightPx));
    markDirty(false);
}
