#include "RigDecoderEditor.h"

#include "Bitmap.h"
#include "ChoiceMenu.h"
#include "EditorFrame.h"
#include "FrameStripView.h"
#include "LinearSlider.h"
#include "RigDecoderPlugin.h"
#include "SplashOverlay.h"
#include "ToggleButton.h"
#include "ToggleLabel.h"

namespace {
constexpr int kBackgroundId = 128;
constexpr int kFirstPictureId = 129;  // then one id per RigDecoderEditor::Picture, in order

constexpr int kRigPictureHeightPx = 140;
constexpr int kRigMenuFont = 4;
constexpr int kBlendStyle = 16;   // inverted mouse mapping: 1.0 at the left end
constexpr int kVolumeStyle = 64;  // inverted mouse mapping: 1.0 at the top
constexpr float kVolumeDefault = 1.0f;

// Menu entry i is rig i; "-" is the separator that stands for the missing rig 7.
const char* const kRigNames[RigDecoderEditor::kRigCount] = {"Stereo",    "Square",         "Pentagon",      "Hexagon",
                                                            "Octagon 1", "Octagon 2",      "Surround",      "-",
                                                            "Cube",      "Dodecahedron 1", "Dodecahedron 2"};

const Rect kBlendRect(20, 203, 279, 225);
const Rect kFirstOrderBoxRect(16, 240, 34, 258);
const Rect kFirstOrderLabelRect(39, 240, 134, 255);
const Rect kTestButtonRect(261, 240, 307, 258);
const Rect kTestLabelRect(261, 225, 411, 240);
const Rect kLoopBoxRect(347, 240, 365, 258);
const Rect kLoopLabelRect(317, 240, 347, 258);
const Rect kVolumeRect(323, 53, 340, 185);
const Rect kRigMenuRect(18, 15, 287, 28);
const Rect kRigPictureRect(14, 36, 288, 176);
const Rect kAboutClickArea(372, 244, 426, 262);
}  // namespace

RigDecoderEditor::RigDecoderEditor(RigDecoderPlugin* rigPlugin)
    : GuiEditor(rigPlugin), plugin(rigPlugin), background(new Bitmap(kBackgroundId)) {
    sizeToBitmap(*background);
}

RigDecoderEditor::~RigDecoderEditor() {
    close();
    background->release();
}

std::int32_t RigDecoderEditor::open(void* parent) {
    openFrame(parent, background);
    loadPictures();
    addControls();
    openControls();
    return 1;
}

void RigDecoderEditor::close() {
    deleteFrame();  // the frame releases its controls
    forgetControls();
    releasePictures();
}

void RigDecoderEditor::loadPictures() {
    for (int i = 0; i < kPictureCount; ++i)
        if (!pictures[i]) pictures[i] = new Bitmap(kFirstPictureId + i);
}

void RigDecoderEditor::releasePictures() {
    for (Bitmap*& picture : pictures) {
        if (picture) picture->release();
        picture = nullptr;
    }
}

void RigDecoderEditor::addControls() {
    using P = RigDecoderPlugin;
    blendSlider = new HorizontalFader(kBlendRect, this, P::kBlend, 20, 263, pictures[kBlendHandle],
                                      pictures[kBlendTrack], Point(0, 0), kBlendStyle);
    blendSlider->setHandleOffset(Point(1, 0));
    blendSlider->setTransparentHandle(true);
    blendSlider->setValue(plugin->getParameter(P::kBlend));
    frame->addView(blendSlider);

    firstOrderBox = new ToggleButton(kFirstOrderBoxRect, this, P::kFirstOrder, pictures[kOrderBox]);
    firstOrderBox->setValue(plugin->getParameter(P::kFirstOrder));
    frame->addView(firstOrderBox);
    firstOrderLabel =
        new ToggleLabel(kFirstOrderLabelRect, this, kFirstOrderLabelTag, background, plugin, P::kFirstOrder);
    frame->addView(firstOrderLabel);

    // The test controls start at off whatever the parameters hold.
    testButton = new ToggleButton(kTestButtonRect, this, P::kSpeakerTest, pictures[kTestButton]);
    testButton->setValue(0.0f);
    frame->addView(testButton);
    testLabel = new ToggleLabel(kTestLabelRect, this, kTestLabelTag, background, plugin, ToggleLabel::kNoParameter);
    frame->addView(testLabel);
    loopBox = new ToggleButton(kLoopBoxRect, this, P::kTestLoop, pictures[kLoopBox]);
    loopBox->setValue(0.0f);
    frame->addView(loopBox);
    loopLabel = new ToggleLabel(kLoopLabelRect, this, kLoopLabelTag, background, plugin, P::kTestLoop);
    frame->addView(loopLabel);

    volumeFader = new VerticalFader(kVolumeRect, this, P::kVolume, 53, 159, pictures[kVolumeHandle],
                                    pictures[kVolumeTrack], Point(0, 0), kVolumeStyle);
    volumeFader->setDefaultValue(kVolumeDefault);
    volumeFader->setTransparentHandle(true);
    volumeFader->setValue(plugin->getParameter(P::kVolume));
    frame->addView(volumeFader);

    rigMenu = new ChoiceMenu(kRigMenuRect, this, P::kRig, nullptr, nullptr, 0);
    for (const char* name : kRigNames) rigMenu->insertEntry(name, -1);
    rigMenu->setAlignment(0);
    rigMenu->setFont(kRigMenuFont);
    rigMenu->setFontColour(colours::white);
    rigMenu->setTransparent(true);
    rigMenu->setBackgroundBitmap(background);
    rigMenu->setBackgroundOffset(Point(kRigMenuRect.left, kRigMenuRect.top));
    rigMenu->setValue(plugin->getParameter(P::kRig));
    frame->addView(rigMenu);

    rigPicture = new FrameStripView(kRigPictureRect, this, kRigPictureTag, kRigCount, kRigPictureHeightPx,
                                    pictures[kRigPictures], Point(0, 0));
    rigPicture->setValue(plugin->getParameter(P::kRig) * kRigPictureScale + kRigPictureOffset);
    frame->addView(rigPicture);

    about = new SplashOverlay(kAboutClickArea, this, kAboutTag, pictures[kAboutScreen],
                              Rect(0, 0, rect.right, rect.bottom), Point(0, 0));
    frame->addView(about);
}

void RigDecoderEditor::forgetControls() {
    rigMenu = nullptr;
    rigPicture = nullptr;
    blendSlider = volumeFader = nullptr;
    firstOrderBox = testButton = loopBox = nullptr;
    firstOrderLabel = testLabel = loopLabel = nullptr;
    about = nullptr;
}

void RigDecoderEditor::parameterChanged(std::int32_t index, float) {
    const ControlsPass pass = enterControls();
    if (!pass) return;
    const float stored = plugin->getParameter(index);
    switch (index) {
        case RigDecoderPlugin::kRig:
            rigMenu->setValue(stored);
            rigPicture->setValue(stored * kRigPictureScale + kRigPictureOffset);
            break;
        case RigDecoderPlugin::kBlend: blendSlider->setValue(stored); break;
        case RigDecoderPlugin::kVolume: volumeFader->setValue(stored); break;
        case RigDecoderPlugin::kFirstOrder: firstOrderBox->setValue(stored); break;
        case RigDecoderPlugin::kSpeakerTest: testButton->setValue(stored); break;
        case RigDecoderPlugin::kTestLoop: loopBox->setValue(stored); break;
        default: break;
    }
    markForRefresh();
}

void RigDecoderEditor::controlChanged(DrawContext* context, Control* control) {
    const std::int32_t tag = control->getTag();
    if (tag < 0 || tag >= RigDecoderPlugin::kNumParams) return;
    if (tag == RigDecoderPlugin::kSpeakerTest && !plugin->isToneLoaded()) {
        // Without a tone the test cannot play: the button goes back to the plug-in's state.
        parameterChanged(tag, 0.0f);
        return;
    }
    plugin->setParameterAutomated(tag, control->getValue());
    control->update(context);
}
