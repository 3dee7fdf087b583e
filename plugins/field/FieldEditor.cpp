#include "FieldEditor.h"

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "EditorFrame.h"
#include "FieldPlugin.h"
#include "FullTurnKnob.h"
#include "SplashOverlay.h"
#include "StepSwitch.h"

namespace {

enum BitmapId { kBackgroundId = 128, kKnobId = 132, kOrderId = 133, kSplashId = 134 };

constexpr Rect kSplashClickArea(50, 0, 136, 15);
// Knobs for Angle1..Angle3, left to right; the default 1.0 (a full turn) points up.
constexpr Rect kKnobRects[3] = {Rect(22, 36, 70, 84), Rect(70, 36, 118, 84), Rect(118, 36, 166, 84)};
constexpr float kKnobDefault = 1.0f;
// Six bands of 80 / 6 pixels, top to bottom: order index 0 to 5.
constexpr Rect kOrderRect(22, 90, 166, 170);
constexpr int kOrderPositions = 6;
constexpr int kOrderFrameHeightPx = 80;
constexpr float kOrderDefault = 0.0f;

}  // namespace

FieldEditor::FieldEditor(AudioEffectX* effect)
    : GuiEditor(effect),
      background(new Bitmap(kBackgroundId)),
      splash(new Bitmap(kSplashId)),
      knobStrip(new Bitmap(kKnobId)),
      orderStrip(new Bitmap(kOrderId)) {
    sizeToBitmap(*background);
}

FieldEditor::~FieldEditor() {
    close();
    for (Bitmap* bitmap : {background, splash, knobStrip, orderStrip}) bitmap->release();
}

std::int32_t FieldEditor::open(void* parent) {
    openFrame(parent, background);

    frame->addView(
        new SplashOverlay(kSplashClickArea, this, kSplashTag, splash, Rect(0, 0, rect.right, rect.bottom), Point()));
    for (std::int32_t tag = FieldPlugin::kAngle1; tag <= FieldPlugin::kAngle3; ++tag) {
        Control* knob = bformat::newFullTurnKnob(kKnobRects[tag], this, tag, knobStrip);
        knob->setDefaultValue(kKnobDefault);
        paramControls[tag] = knob;
    }
    paramControls[FieldPlugin::kOrderOfProcessing] =
        new ColumnSwitch(kOrderRect, this, FieldPlugin::kOrderOfProcessing, kOrderPositions, kOrderFrameHeightPx,
                         kOrderPositions, orderStrip, Point());
    paramControls[FieldPlugin::kOrderOfProcessing]->setDefaultValue(kOrderDefault);
    for (Control* control : paramControls) {
        control->setValue(effect->getParameter(control->getTag()));
        frame->addView(control);
    }
    openControls();
    return 1;
}

void FieldEditor::close() {
    deleteFrame();  // releases the controls and destroys the window
    for (Control*& control : paramControls) control = nullptr;
}

void FieldEditor::parameterChanged(std::int32_t index, float) {
    const ControlsPass pass = enterControls();
    if (!pass) return;
    if (index >= 0 && index < kParamControlCount) paramControls[index]->setValue(effect->getParameter(index));
    markForRefresh();
}

void FieldEditor::controlChanged(DrawContext* context, Control* control) {
    const std::int32_t tag = control ? control->getTag() : -1;
    if (tag < 0 || tag >= kParamControlCount) return;  // the splash area
    effect->setParameterAutomated(tag, control->getValue());
    if (control->needsRedraw()) control->draw(context);
    markForRefresh();
}
