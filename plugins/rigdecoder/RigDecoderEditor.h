// The rig decoder's editor, 430 x 264: a menu of the ten rigs with a picture of the chosen
// one, the blend slider between strict soundfield (left) and controlled opposites (right),
// the volume fader, the first-order check box, the loudspeaker test's START/STOP button
// and loop check box, the printed words beside the boxes that toggle them too, and an
// about screen behind the logo.
//
// Threads: parameterChanged also comes from the audio thread when the loudspeaker test
// ends by itself; it only stores control values and the refresh flag, and the controls
// draw at the user-interface thread's next idle. The base's controls pass keeps close
// from deleting the controls while it sets them.
#pragma once

#include "Control.h"
#include "GuiEditor.h"

class Bitmap;
class ChoiceMenu;
class FrameStripView;
class LinearSlider;
class RigDecoderPlugin;
class SplashOverlay;
class ToggleButton;
class ToggleLabel;

class RigDecoderEditor : public GuiEditor, public ControlListener {
public:
    // Tags of the controls that are not parameters (0 to 5 are).
    enum Tag : std::int32_t {
        kFirstOrderLabelTag = 138,
        kTestLabelTag = 139,
        kLoopLabelTag = 140,
        kRigPictureTag = 141,
        kAboutTag = 142
    };
    static constexpr int kRigCount = 11;
    // Rig index i shows picture i: (i + 0.5) / 11 in single precision.
    static constexpr float kRigPictureScale = 0.0909090936f;
    static constexpr float kRigPictureOffset = 0.0454545468f;

    explicit RigDecoderEditor(RigDecoderPlugin* plugin);
    ~RigDecoderEditor() override;

    std::int32_t open(void* parent) override;
    void close() override;
    // [thread-safe] Sets the controls of the index to the plug-in's value.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;

private:
    enum Picture {
        kVolumeTrack,
        kVolumeHandle,
        kBlendTrack,
        kBlendHandle,
        kOrderBox,
        kLoopBox,
        kTestButton,
        kRigPictures,
        kAboutScreen,
        kPictureCount
    };

    void loadPictures();
    void releasePictures();
    void addControls();
    void forgetControls();

    RigDecoderPlugin* plugin;
    Bitmap* background;
    Bitmap* pictures[kPictureCount] = {};  // bitmaps 129 to 137 while open

    ChoiceMenu* rigMenu = nullptr;
    FrameStripView* rigPicture = nullptr;
    LinearSlider* blendSlider = nullptr;
    LinearSlider* volumeFader = nullptr;
    ToggleButton* firstOrderBox = nullptr;
    ToggleButton* testButton = nullptr;
    ToggleButton* loopBox = nullptr;
    ToggleLabel* firstOrderLabel = nullptr;
    ToggleLabel* testLabel = nullptr;
    ToggleLabel* loopLabel = nullptr;
    SplashOverlay* about = nullptr;
};
