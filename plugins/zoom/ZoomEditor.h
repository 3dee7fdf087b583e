// The zoom's editor: full-turn knobs for azimuth and elevation, a horizontal fader for the
// zoom, under each a value display in the editor's own units (azimuth (1 - v) x 360,
// elevation (0.25 - v) x 360, zoom (0.5 - v) x 2, each "%.2f"), and a title strip whose
// click shows the splash picture over the whole editor until the next click.
//
// Threads: parameterChanged may come from the audio thread through setParameter; it only
// marks the parameter and sets the refresh flag. Everything else runs on the UI thread.
#pragma once

#include <cstdint>

#include "Control.h"
#include "GuiEditor.h"
#include "PendingParameters.h"

class Bitmap;
class ValueDisplay;

class ZoomEditor : public GuiEditor, public ControlListener {
   public:
    static constexpr int kParamCount = 3;  // azimuth, elevation, zoom
    static constexpr std::int32_t kSplashTag = 32;

    explicit ZoomEditor(AudioEffectX* effect);
    ~ZoomEditor() override;

    std::int32_t open(void* parent) override;
    void close() override;
    // Shows the parameter changes marked since the last idle, then redraws what is dirty.
    void idle() override;
    // [any thread] Marks the index; the controls follow at the next idle.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;

    // The displays' texts for a parameter value (at most 255 characters).
    static void azimuthText(float value, char* text);
    static void elevationText(float value, char* text);
    static void zoomText(float value, char* text);

   private:
    // [ui-thread] Sets the controls and displays of the marked indices to the plug-in's values.
    void showPendingParameters();

    Bitmap* background;
    Bitmap* splash;
    Bitmap* knobStrip;
    Bitmap* faderTrack;
    Bitmap* faderHandle;
    Control* paramControls[kParamCount] = {};  // indexed by tag
    ValueDisplay* displays[kParamCount] = {};  // indexed by the parameter shown
    bformat::PendingParameters pending;
};
