#include "StepSwitch.h"

#include "Bitmap.h"
#include "DrawContext.h"

StepSwitch::StepSwitch(const Rect& switchSize, ControlListener* owner, std::int32_t switchTag, int frames,
                       int frameHeight, int switchPositions, Bitmap* bitmap, Point sourceOffset)
    : Control(switchSize, owner, switchTag, bitmap),
      frameCount(frames),
      frameHeightPx(frameHeight),
      positions(switchPositions),
      offset(sourceOffset) {
    value = 0.0f;
}

void StepSwitch::draw(DrawContext* context) {
    if (context) {
        const int frameIndex = int(float(positions - 1) * value + 0.5f);
        drawBackground(context, background, Point(0, frameIndex * frameHeightPx));
    }
    markDirty(false);
}

float StepSwitch::bandValue(int distancePx, int extentPx) const {
    // One position (or no extent) has no bands to choose from.
    if (positions < 2 || extentPx <= 0) return 0.0f;
    const double perPixel = 1.0 / (double(extentPx) / double(positions));
    float v = float(int(double(distancePx) * perPixel)) / float(positions - 1);
    if (v < 0.0f) v = 0.0f;
    if (v > 1.0f) v = 1.0f;
    return v;
}

float RowSwitch::valueAt(Point where) const {
    return bandValue(where.h - size.left, background ? background->getWidth() : 0);
}

float ColumnSwitch::valueAt(Point where) const { return bandValue(where.v - size.top, frameHeightPx); }

void StepSwitch::mouseDown(DrawContext* context, Point& where) {
    if (!context) return;
    const int clickButtons = context->readMouseButtons();
    if (!leftClickAccepted(clickButtons) || takeResetGesture(context, clickButtons)) return;
    beginEdit();
    while (context->readMouseButtons() == clickButtons) {
        value = valueAt(where);
        notifyIfDirty(context);
        context->readMouseLocation(where);
        serviceDuringDrag();
    }
    endEdit();
}
