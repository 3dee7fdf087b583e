// One of every toolkit control, placed below the simple views of the gallery editor
// (rows 160 to 360) and wired to the gallery plug-in's parameters:
//   knob    (16,176)-(40,200)    FilmstripKnob of bitmap 131 (45 frames)   "Knob"
//   picture (16,216)-(40,240)    FrameStripView of the same strip          shows "Knob"
//   fader   (56,170)-(76,329)    VerticalFader, style 64, range 147        "Fader"
//   row     (90,176)-(138,192)   RowSwitch of bitmap 134, 5 positions      "Row"
//   column  (150,170)-(174,250)  ColumnSwitch of bitmap 136, 5 positions   "Column"
//   button  (190,176)-(230,196)  ToggleButton of bitmap 130                "Button"
//   display (90,200)-(140,216)   ValueDisplay                              shows "Fader"
//   menu    (90,260)-(140,276)   ChoiceMenu: Stereo, -, Quad, -TRigs, Hex  "Menu"
//   field   (90,230)-(230,248)   TextField                                 "Edits" counts edits
//   pan     (90,300)-(230,312)   HorizontalFader, style 8, range 128       "Pan"
//   splash  (190,210)-(230,226)  SplashOverlay of bitmap 135 over the whole editor (tag 32)
#pragma once

#include <vector>

#include "Control.h"

class AudioEffectX;
class EditorFrame;

class GalleryControls {
public:
    static constexpr std::int32_t kSplashTag = 32;
    static constexpr Rect kKnobRect{16, 176, 40, 200};
    static constexpr Rect kFaderRect{56, 170, 76, 329};
    static constexpr Rect kMenuRect{90, 260, 140, 276};
    static constexpr Rect kFieldRect{90, 230, 230, 248};

    // Adds the controls to the frame with the plug-in's current values.
    void build(EditorFrame& frame, ControlListener& listener, AudioEffectX& effect);
    void forget() { controls.clear(); }
    // Every control of `tag` takes the plug-in's value.
    void parameterChanged(std::int32_t tag, float value);
    // The gallery's listener: forwards the control's value, or counts a text edit.
    void controlChanged(DrawContext* context, Control* control, AudioEffectX& effect);

private:
    std::vector<Control*> controls;
    std::int32_t textEdits = 0;
};
