// A view bound to one parameter tag: a float value in a range, the value last drawn, a
// default restored by a Control-click, and a listener told after each change. The
// background bitmap is retained for the control's lifetime.
//
// Dirty rule: needsRedraw() is true while value differs from the old (last drawn) value
// or the view's dirty flag is set; every draw of a control ends with markDirty(false).
// [ui-thread], but for setValue, which is [thread-safe]: it only stores.
#pragma once

#include <cstdint>

#include "View.h"

class Bitmap;
class Control;

class ControlListener {
public:
    virtual void controlChanged(DrawContext* context, Control* control) = 0;

protected:
    ~ControlListener() = default;
};

class Control : public View {
public:
    Control(const Rect& size, ControlListener* listener, std::int32_t tag, Bitmap* background);
    ~Control() override;

    bool needsRedraw() override;
    // Draws when needed, as View's; a value stored by parameterChanged on the audio thread
    // while the control draws may not be the one drawn, so the control then stays dirty and
    // the next idle draws it again.
    void update(DrawContext* context) override;
    // true: flag set and old value made to differ from the value; false: clean.
    void markDirty(bool dirty = true) override;
    // Value plus distance x wheel increment (a tenth of that with Shift), clamped.
    bool onWheel(DrawContext* context, const Point& where, float distance) override;

    // Slots following View's.
    virtual void serviceDuringDrag();
    // [thread-safe] Stores only: no clamping, no dirty flag (a changed value is dirty by the rule).
    virtual void setValue(float newValue) { value = newValue; }
    virtual float getValue() { return value; }
    virtual void setMin(float v) { minimum = v; }
    virtual float getMin() { return minimum; }
    virtual void setMax(float v) { maximum = v; }
    virtual float getMax() { return maximum; }
    virtual void setOldValue(float v) { oldValue = v; }
    virtual float getOldValue() { return oldValue; }
    virtual void setDefaultValue(float v) { defaultValue = v; }
    virtual float getDefaultValue() { return defaultValue; }
    virtual void setTag(std::int32_t newTag) { tag = newTag; }
    // Releases the old bitmap and retains the new one.
    virtual void setBackgroundBitmap(Bitmap* bitmap);
    virtual Bitmap* getBackground() { return background; }
    virtual void setWheelIncrement(float v) { wheelIncrement = v; }
    virtual float getWheelIncrement() { return wheelIncrement; }
    virtual void clampValue();

    std::int32_t getTag() const { return tag; }
    void setListener(ControlListener* newListener) { listener = newListener; }

protected:
    // Steps shared by every control's mouseDown.
    // Mouse enabled and the left button down in `buttons` (read once per click).
    bool leftClickAccepted(int buttons) const;
    // Buttons exactly Control + left: value = default, listener told when dirty. true when
    // the gesture was taken (no drag follows).
    bool takeResetGesture(DrawContext* context, int buttons);
    void notifyIfDirty(DrawContext* context);
    void notify(DrawContext* context);
    void beginEdit();
    void endEdit();
    // Draws the background from `source` into the size, keyed when the view is transparent.
    void drawBackground(DrawContext* context, Bitmap* bitmap, Point source);

    ControlListener* listener;
    std::int32_t tag;
    // value and oldValue decide needsRedraw; parameterChanged may store them from the
    // audio thread while idle reads them.
    RelaxedAtomic<float> oldValue{1.0f};
    float defaultValue = 0.5f;
    RelaxedAtomic<float> value{0.0f};
    float minimum = 0.0f;
    float maximum = 1.0f;
    float wheelIncrement = 0.1f;
    Bitmap* background;
};
