// The zoom's editor: full-turn knobs for azimuth and elevation, a horizontal fader for the
// zoom, under each a value display in the editor's own units (azimuth (1 - v) x 360,
// elevation (0.25 - v) x 360, zoom (0.5 - v) x 2, each "%.2f"), and a title strip whose
// click shows the splash picture over the whole editor until the next click.
//
// Threads: parameterChanged may come from the audio thread through setParameter; it only
// stores control values and the refresh flag, inside the base's controls pass, and the
// controls draw at the next idle. Everything else runs on the UI thread.
#pragma once

#include <cstdint>

#include "Control.h"
#include "GuiEditor.h"

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
    // [thread-safe] Sets the control and display of the index to the plug-in's value.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;

    // The displays' texts for a parameter value (at most 255 characters).
    static void azimuthText(float value, char* text);
    static void elevationText(float value, char* text);
    static void zoomText(float value, char* text);

private:

    Bitmap* background;
    Bitmap* splash;
    Bitmap* knobStrip;
    Bitmap* faderTrack;
    Bitmap* faderHandle;
    Control* paramControls[kParamCount] = {};  // indexed by tag
    ValueDisplay* displays[kParamCount] = {};  // indexed by the parameter shown
};
