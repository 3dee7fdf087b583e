#include "PanEditor.h"

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "EditorFrame.h"
#include "FullTurnKnob.h"
#include "LinearSlider.h"
#include "PanParameters.h"
#include "SplashOverlay.h"
#include "StepSwitch.h"

namespace {

enum BitmapId {
    kBackgroundId = 128,
    kFaderTrackId = 129,
    kFaderHandleId = 130,
    kKnobId = 132,
    kMirrorId = 133,
    kSplashId = 134
};

enum class Kind { Fader, Knob, MirrorSwitch };

struct ControlRow {
    Kind kind;
    Rect size;
    std::int32_t masterTag;  // the effect variant's tag is four less
    float defaultValue;
};

// Left to right after the splash area; the mirror switch exists in the master variant only.
constexpr ControlRow kRows[] = {
    {Kind::Fader, Rect(15, 28, 31, 188), kLeftCentre, 0.1f},
    {Kind::Fader, Rect(50, 28, 66, 188), kLeftVol, 0.8333333f},
    {Kind::Fader, Rect(85, 28, 101, 188), kLeftDist, 0.1f},
    {Kind::Fader, Rect(120, 28, 136, 188), kLeftEl, 0.5f},
    {Kind::Knob, Rect(162, 28, 210, 76), kLeftAz, 1.0f},
    {Kind::MirrorSwitch, Rect(162, 98, 210, 116), kMirrorType, 0.0f},
    {Kind::Knob, Rect(162, 118, 210, 166), kRhtAz, 1.0f},
    {Kind::Fader, Rect(238, 28, 254, 188), kRhtEl, 0.5f},
    {Kind::Fader, Rect(273, 28, 289, 188), kRhtDist, 0.1f},
    {Kind::Fader, Rect(308, 28, 324, 188), kRhtVol, 0.8333333f},
    {Kind::Fader, Rect(343, 28, 359, 188), kRhtCentre, 0.1f},
};
static_assert(sizeof kRows / sizeof kRows[0] == PanEditor::kControlCount - 1, "one slot per row plus the splash");

constexpr Rect kSplashClickArea(150, 0, 220, 15);
// Fader track: the handle's top runs from 28 (1.0) to 175 (0.0); style 64 puts 1.0 at the
// top, and the handle offset (1, 0) centres the 14-pixel handle in the 16-pixel track.
constexpr int kFaderMinimumPosition = 28;
constexpr int kFaderMaximumPosition = 175;
constexpr int kFaderStyle = 64;
constexpr Point kFaderHandleOffset(1, 0);
constexpr int kMirrorFrames = 5;
constexpr int kMirrorFrameHeightPx = 18;

void releaseBitmap(Bitmap*& bitmap) {
    if (bitmap) bitmap->release();
    bitmap = nullptr;
}

}  // namespace

PanEditor::PanEditor(AudioEffectX* effect, PanVariant variant)
    : GuiEditor(effect),
      variant(variant),
      background(new Bitmap(kBackgroundId)),
      splash(new Bitmap(kSplashId)),
      knobStrip(new Bitmap(kKnobId)) {
    if (variant == PanVariant::Master) mirrorStrip = new Bitmap(kMirrorId);
    sizeToBitmap(*background);
}

PanEditor::~PanEditor() {
    close();
    releaseBitmap(background);
    releaseBitmap(splash);
    releaseBitmap(knobStrip);
    releaseBitmap(mirrorStrip);
}

std::int32_t PanEditor::open(void* parent) {
    openFrame(parent, background);
    if (!faderTrack) faderTrack = new Bitmap(kFaderTrackId);
    if (!faderHandle) faderHandle = new Bitmap(kFaderHandleId);
    addControls();
    openControls();
    return 1;
}

void PanEditor::addControls() {
    const std::int32_t tagShift = variant == PanVariant::Master ? 0 : kPanEffectIndexOffset;
    int slot = 0;
    controls[slot++] =
        new SplashOverlay(kSplashClickArea, this, kSplashTag, splash, Rect(0, 0, rect.right, rect.bottom), Point());
    for (const ControlRow& row : kRows) {
        const std::int32_t tag = row.masterTag - tagShift;
        Control* control = nullptr;
        switch (row.kind) {
            case Kind::Fader: {
                auto* fader = new VerticalFader(row.size, this, tag, kFaderMinimumPosition, kFaderMaximumPosition,
                                                faderHandle, faderTrack, Point(), kFaderStyle);
                fader->setHandleOffset(kFaderHandleOffset);
                control = fader;
                break;
            }
            case Kind::Knob: control = bformat::newFullTurnKnob(row.size, this, tag, knobStrip); break;
            case Kind::MirrorSwitch:
                if (variant != PanVariant::Master) continue;
                control = new RowSwitch(row.size, this, tag, kMirrorFrames, kMirrorFrameHeightPx, kMirrorFrames,
                                        mirrorStrip, Point());
                break;
        }
        control->setValue(effect->getParameter(tag));
        control->setDefaultValue(row.defaultValue);
        controls[slot++] = control;
    }
    for (Control* control : controls)
        if (control) frame->addView(control);
}

void PanEditor::close() {
    deleteFrame();  // releases the controls and destroys the window
    for (Control*& control : controls) control = nullptr;
    releaseBitmap(faderTrack);
    releaseBitmap(faderHandle);
}

Control* PanEditor::controlFor(std::int32_t tag) const {
    if (tag == kSplashTag) return nullptr;
    for (Control* control : controls)
        if (control && control->getTag() == tag) return control;
    return nullptr;
}

void PanEditor::parameterChanged(std::int32_t index, float) {
    const ControlsPass pass = enterControls();
    if (!pass) return;
    if (Control* control = controlFor(index)) control->setValue(effect->getParameter(index));
    markForRefresh();
}

void PanEditor::controlChanged(DrawContext* context, Control* control) {
    if (!control || controlFor(control->getTag()) != control) return;  // the splash area
    effect->setParameterAutomated(control->getTag(), control->getValue());
    if (control->needsRedraw()) control->draw(context);
    markForRefresh();
}
