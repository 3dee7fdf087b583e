// The panner's editor: for each source an azimuth knob and four vertical faders (centre,
// volume, distance, elevation), in the master variant a five-position mirror switch
// between the knobs, and a title strip whose click shows the splash picture over the
// whole editor until the next click. It draws no numbers; the host shows the values.
//
// Threads: parameterChanged may come from the audio thread through setParameter; it only
// marks the parameter and sets the refresh flag. Everything else runs on the UI thread.
#pragma once

#include <cstdint>

#include "Control.h"
#include "GuiEditor.h"
#include "PanPlugin.h"
#include "PendingParameters.h"

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
    // Shows the parameter changes marked since the last idle, then redraws what is dirty.
    void idle() override;
    // [any thread] Marks the index; the control follows at the next idle.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;

   private:
    // The control standing for a host index, or null.
    Control* controlFor(std::int32_t tag) const;
    void addControls();
    // [ui-thread] Sets the controls of the marked indices to the plug-in's values.
    void showPendingParameters();

    const PanVariant variant;
    Bitmap* background;
    Bitmap* splash;
    Bitmap* knobStrip;
    Bitmap* mirrorStrip = nullptr;  // master variant only
    Bitmap* faderTrack = nullptr;   // while open
    Bitmap* faderHandle = nullptr;  // while open
    Control* controls[kControlCount] = {};
    bformat::PendingParameters pending;
};
