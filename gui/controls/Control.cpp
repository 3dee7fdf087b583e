#include "Control.h"

#include "Bitmap.h"
#include "DrawContext.h"
#include "EditorFrame.h"
#include "Platform.h"

namespace {
constexpr int kResetButtons = platform::kLeftButton | platform::kControl;  // exactly 17
}

Control::Control(const Rect& controlSize, ControlListener* owner, std::int32_t controlTag, Bitmap* bitmap)
    : View(controlSize), listener(owner), tag(controlTag), background(bitmap) {
    if (background) background->retain();
}

Control::~Control() {
    if (background) background->release();
}

bool Control::needsRedraw() { return value != oldValue || View::needsRedraw(); }

void Control::update(DrawContext* context) {
    if (!needsRedraw()) return;
    const float drawnValue = value;
    draw(context);
    markDirty(false);
    if (value != drawnValue) markDirty(true);
}

void Control::markDirty(bool flag) {
    View::markDirty(flag);
    if (flag)
        oldValue = value == -1.0f ? 0.0f : -1.0f;
    else
        oldValue = value;
}

bool Control::onWheel(DrawContext* context, const Point&, float distance) {
    if (!mouseEnabled) return false;
    const bool fine = context && (context->readMouseButtons() & platform::kShift);
    value += distance * wheelIncrement * (fine ? 0.1f : 1.0f);
    clampValue();
    notifyIfDirty(context);
    return true;
}

void Control::serviceDuringDrag() {
    if (frame) frame->serviceDuringDrag();
}

void Control::setBackgroundBitmap(Bitmap* bitmap) {
    if (background) background->release();
    background = bitmap;
    if (background) background->retain();
}

void Control::clampValue() {
    if (value < minimum) value = minimum;
    if (value > maximum) value = maximum;
}

bool Control::leftClickAccepted(int buttons) const { return mouseEnabled && (buttons & platform::kLeftButton); }

bool Control::takeResetGesture(DrawContext* context, int buttons) {
    if (buttons != kResetButtons) return false;
    value = defaultValue;
    notifyIfDirty(context);
    return true;
}

void Control::notifyIfDirty(DrawContext* context) {
    if (needsRedraw()) notify(context);
}

void Control::notify(DrawContext* context) {
    if (listener) listener->controlChanged(context, this);
}

void Control::beginEdit() {
    if (frame) frame->beginEdit(tag);
}

void Control::endEdit() {
    if (frame) frame->endEdit(tag);
}

void Control::drawBackground(DrawContext* context, Bitmap* bitmap, Point source) {
    if (!context || !bitmap) return;
    if (transparent)
        bitmap->drawKeyed(*context, size, source);
    else
        bitmap->draw(*context, size, source);
}
