// The gallery editor: background bitmap 128 and five views.
//   strip   (16,16)-(48,48)   keyed frames of bitmap 129; a click steps "Strip" to the next frame
//   toggle  (64,16)-(104,36)  halves of bitmap 130; held until release, then flips "Toggle"
//   glass   (60,12)-(108,40)  drawn outline only and not mouse enabled: clicks pass to the toggle
//   swatch  (120,16)-(200,56) framed colour box; a click adds 0.1 to "Swatch", a click with
//                             Control (buttons exactly 17) sets it back to 0
//   corner  (180,40)-(220,70) outline added after the swatch: wins clicks in the overlap, adds
//                             0.1 to "Corner"
//   label   (16,64)-(224,88)  "Frame <n>" text of the strip's frame
// and below them one of every toolkit control (GalleryControls).
#pragma once

#include "Control.h"
#include "GalleryControls.h"
#include "GuiEditor.h"

class Bitmap;
class GalleryView;

class GalleryEditor : public GuiEditor, public ControlListener {
public:
    static constexpr int kViewCount = 6;

    explicit GalleryEditor(AudioEffectX* effect);
    ~GalleryEditor() override;

    std::int32_t open(void* parent) override;
    void close() override;
    void parameterChanged(std::int32_t index, float value) override;
    // A view's click changed its value: store it in the plug-in as an edit gesture.
    void viewChanged(GalleryView& view, float value);
    void controlChanged(DrawContext* context, Control* control) override;

private:
    Bitmap* background;
    Bitmap* strip;
    Bitmap* toggle;
    GalleryView* views[kViewCount] = {};
    GalleryControls controls;
};
