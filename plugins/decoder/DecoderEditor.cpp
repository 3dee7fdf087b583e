#include "DecoderEditor.h"

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "DecoderPlugin.h"
#include "EditorFrame.h"
#include "FrameStripView.h"
#include "SplashOverlay.h"
#include "StepSwitch.h"

namespace {
constexpr int kBackgroundId = 128;
constexpr int kLayoutPicturesId = 129;
constexpr int kSwitchTrackId = 132;
constexpr int kSplashId = 134;

constexpr int kLayoutCount = 8;
constexpr int kSwitchFramePx = 13;
constexpr int kPictureFramePx = 88;
const Rect kSplashClickArea(0, 90, 220, 120);
const Rect kSplashDisplay(0, 0, 326, 126);
const Rect kSwitchRect(5, 25, 223, 38);
const Rect kPictureRect(239, 28, 319, 116);
}  // namespace

DecoderEditor::DecoderEditor(AudioEffectX* effect)
    : GuiEditor(effect), background(new Bitmap(kBackgroundId)), splashPicture(new Bitmap(kSplashId)) {
    sizeToBitmap(*background);
}

DecoderEditor::~DecoderEditor() {
    close();
    background->release();
    splashPicture->release();
}

std::int32_t DecoderEditor::open(void* parent) {
    openFrame(parent, background);
    const float layout = effect->getParameter(DecoderPlugin::kLayoutParam);

    Bitmap* track = new Bitmap(kSwitchTrackId);
    splash = new SplashOverlay(kSplashClickArea, this, kSplashTag, splashPicture, kSplashDisplay, Point(0, 0));
    frame->addView(splash);
    layoutSwitch = new RowSwitch(kSwitchRect, this, DecoderPlugin::kLayoutParam, kLayoutCount, kSwitchFramePx,
                                 kLayoutCount, track, Point(0, 0));
    layoutSwitch->setValue(layout);
    frame->addView(layoutSwitch);
    track->release();  // the switch keeps its own reference

    Bitmap* pictures = new Bitmap(kLayoutPicturesId);
    layoutPicture = new FrameStripView(kPictureRect, this, DecoderPlugin::kLayoutParam, kLayoutCount, kPictureFramePx,
                                       pictures, Point(0, 0));
    layoutPicture->setValue(layout);
    frame->addView(layoutPicture);
    pictures->release();

    openControls();
    refresh();
    return 1;
}

void DecoderEditor::close() {
    deleteFrame();  // the frame releases the three controls
    splash = nullptr;
    layoutSwitch = nullptr;
    layoutPicture = nullptr;
}

void DecoderEditor::parameterChanged(std::int32_t index, float) {
    const ControlsPass pass = enterControls();
    if (!pass) return;
    const float stored = effect->getParameter(index);
    layoutPicture->setValue(stored);
    layoutSwitch->setValue(stored);
    refresh();
}

void DecoderEditor::controlChanged(DrawContext* context, Control* control) {
    if (!frame || control->getTag() != DecoderPlugin::kLayoutParam) return;
    effect->setParameterAutomated(control->getTag(), control->getValue());
    control->update(context);
    layoutSwitch->update(context);
    layoutPicture->update(context);
    refresh();
}
