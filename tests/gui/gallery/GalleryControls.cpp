#include "GalleryControls.h"

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "ChoiceMenu.h"
#include "EditorFrame.h"
#include "FrameStripView.h"
#include "GalleryPlugin.h"
#include "LinearSlider.h"
#include "RotaryKnob.h"
#include "SplashOverlay.h"
#include "StepSwitch.h"
#include "TextField.h"
#include "ToolkitConstants.h"
#include "ToggleButton.h"
#include "ValueDisplay.h"

namespace {
constexpr int kKnobFrames = 45;
constexpr int kKnobFramePx = 24;
constexpr float kTwoPi = 6.2831855f;

// A bitmap for one control's construction: the control retains what it keeps.
struct Loaded {
    explicit Loaded(int id) : bitmap(new Bitmap(id)) {}
    ~Loaded() { bitmap->release(); }
    Bitmap* bitmap;
};
}  // namespace

void GalleryControls::build(EditorFrame& frame, ControlListener& listener, AudioEffectX& effect) {
    Loaded knobStrip(131), handle(132), track(133), switches(134), splash(135), column(136), toggle(130);
    controls.clear();

    auto* knob = new FilmstripKnob(kKnobRect, &listener, kKnob, kKnobFrames, kKnobFramePx, knobStrip.bitmap, Point());
    knob->setMinimumAngle(toolkit::kHalfPiF);
    knob->setSweepAngle(-kTwoPi);
    knob->setTransparent(true);
    controls.push_back(knob);
    controls.push_back(new FrameStripView(Rect(16, 216, 40, 240), &listener, kKnob, kKnobFrames, kKnobFramePx,
                                          knobStrip.bitmap, Point()));
    controls.push_back(new VerticalFader(kFaderRect, &listener, kFader, kFaderRect.top, kFaderRect.top + 147, handle.bitmap,
                                         track.bitmap, Point(), 64));
    controls.push_back(new RowSwitch(Rect(90, 176, 138, 192), &listener, kRowChoice, 5, 16, 5, switches.bitmap, Point()));
    controls.push_back(
        new ColumnSwitch(Rect(150, 170, 174, 250), &listener, kColumnChoice, 5, 80, 5, column.bitmap, Point()));
    controls.push_back(new ToggleButton(Rect(190, 176, 230, 196), &listener, kButton, toggle.bitmap));

    auto* display = new ValueDisplay(Rect(90, 200, 140, 216), nullptr, 0);
    display->setTag(kFader);
    display->setTransparent(false);
    display->setBackColour(colours::black);
    display->setFrameColour(colours::grey);
    controls.push_back(display);

    auto* field = new TextField(kFieldRect, &listener, kTextEdits, "Edit me", nullptr, 0);
    field->setBackColour(Colour{20, 30, 40, 0});
    field->setFrameColour(colours::white);
    field->setAlignment(0);
    controls.push_back(field);

    auto* menu = new ChoiceMenu(kMenuRect, &listener, kMenuChoice, nullptr, nullptr, ChoiceMenu::kCheckCurrent);
    for (const char* entry : {"Stereo", "-", "Quad", "-TRigs", "Hex"}) menu->insertEntry(entry);
    menu->setBackColour(Colour{40, 20, 20, 0});
    menu->setFrameColour(colours::yellow);
    controls.push_back(menu);

    controls.push_back(new HorizontalFader(Rect(90, 300, 230, 312), &listener, kPan, 90, 90 + 128, handle.bitmap,
                                           nullptr, Point(), 8));
    controls.push_back(new SplashOverlay(Rect(190, 210, 230, 226), &listener, kSplashTag, splash.bitmap,
                                         Rect(0, 0, 240, 360), Point()));

    for (Control* control : controls) {
        const std::int32_t tag = control->getTag();
        if (tag >= 0 && tag < kGalleryParamCount && tag != kTextEdits) control->setValue(effect.getParameter(tag));
        frame.addView(control);
    }
    textEdits = std::int32_t(effect.getParameter(kTextEdits));
}

void GalleryControls::parameterChanged(std::int32_t tag, float value) {
    if (tag == kTextEdits) return;
    for (Control* control : controls)
        if (control->getTag() == tag) control->setValue(value);
}

void GalleryControls::controlChanged(DrawContext* context, Control* control, AudioEffectX& effect) {
    const std::int32_t tag = control->getTag();
    if (tag < 0 || tag >= kGalleryParamCount) return;  // the splash
    const float value = tag == kTextEdits ? float(++textEdits) : control->getValue();
    effect.setParameterAutomated(tag, value);
    if (tag != kTextEdits) control->setValue(effect.getParameter(tag));
    if (control->needsRedraw()) control->draw(context);
}
