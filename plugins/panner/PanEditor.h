// The panner's editor: for each source an azimuth knob and four vertical faders (centre,
// volume, distance, elevation), in the master variant a five-position mirror switch
// between the knobs, and a title strip whose click shows the splash picture over the
// whole editor until the next click. It draws no numbers; the host shows the values.
//
// Threads: parameterChanged may come from the audio thread through setParameter; it only
// stores control values and the refresh flag, inside the base's controls pass, and the
// controls draw at the next idle. Everything else runs on the UI thread.
#pragma once

#include <cstdint>

#include "Control.h"
#include "GuiEditor.h"
#include "PanPlugin.h"

class Bitmap;

class PanEditor : public GuiEditor, public ControlListener {
public:
    // Controls in the order they are added (the splash area first, then left to right).
    static constexpr int kControlCount = 12;
    static constexpr std::int32_t kSplashTag = 32;

    PanEditor(AudioEffectX* effect, PanVariant variant);
    ~PanEditor() override;

    std::int32_t open(void* parent) override;
    void close() override;
    // [thread-safe] Sets the control of the index to the plug-in's value.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;

private:
    // The control standing for a host index, or null.
    Control* controlFor(std::int32_t tag) const;
    void addControls();

    const PanVariant variant;
    Bitmap* background;
    Bitmap* splash;
    Bitmap* knobStrip;
    Bitmap* mirrorStrip = nullptr;  // master variant only
    Bitmap* faderTrack = nullptr;   // while open
    Bitmap* faderHandle = nullptr;  // while open
    Control* controls[kControlCount] = {};
};
