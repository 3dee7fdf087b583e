// The field rotator's editor: three full-turn knobs for Angle1, Angle2 and Angle3, a
// six-position column switch for the order of the rotations, and a title strip whose click
// shows the splash picture over the whole editor until the next click.
//
// Threads: parameterChanged may come from the audio thread through setParameter; it only
// stores control values and the refresh flag, inside the base's controls pass, and the
// controls draw at the next idle. Everything else runs on the UI thread.
#pragma once

#include <cstdint>

#include "Control.h"
#include "GuiEditor.h"

class Bitmap;

class FieldEditor : public GuiEditor, public ControlListener {
public:
    static constexpr int kParamControlCount = 4;  // the three knobs and the order switch
    static constexpr std::int32_t kSplashTag = 32;

    explicit FieldEditor(AudioEffectX* effect);
    ~FieldEditor() override;

    std::int32_t open(void* parent) override;
    void close() override;
    // [thread-safe] Sets the control of the index to the plug-in's value.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;

private:

    Bitmap* background;
    Bitmap* splash;
    Bitmap* knobStrip;
    Bitmap* orderStrip;
    Control* paramControls[kParamControlCount] = {};  // indexed by tag
};
