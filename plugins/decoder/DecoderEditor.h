// The decoder's editor: a 326 x 126 picture with an eight-position switch that chooses the
// layout, a picture of the chosen layout beside it, and a click area that shows a splash
// picture over the whole panel until the next click.
//
// Threads: parameterChanged may come from the audio thread (hosts that automate there); it
// only stores control values, and drawing waits for the user-interface thread's idle. The
// base's controls pass keeps close from deleting the controls while it sets them.
#pragma once

#include "Control.h"
#include "GuiEditor.h"

class Bitmap;
class FrameStripView;
class RowSwitch;
class SplashOverlay;

class DecoderEditor : public GuiEditor, public ControlListener {
public:
    // Not a parameter index: controlChanged ignores the splash, so showing or hiding it
    // never reaches the plug-in's layout.
    static constexpr std::int32_t kSplashTag = 100;

    explicit DecoderEditor(AudioEffectX* effect);
    ~DecoderEditor() override;

    std::int32_t open(void* parent) override;
    void close() override;
    // [thread-safe] Sets the controls of the index to the plug-in's value.
    void parameterChanged(std::int32_t index, float value) override;
    void controlChanged(DrawContext* context, Control* control) override;
    void refresh() override {}

private:
    Bitmap* background;
    Bitmap* splashPicture;
    SplashOverlay* splash = nullptr;
    RowSwitch* layoutSwitch = nullptr;
    FrameStripView* layoutPicture = nullptr;
};
