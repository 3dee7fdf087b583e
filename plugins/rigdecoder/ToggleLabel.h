// Printed words beside a check box that work like the box: a text field that never opens
// an edit box and shows the part of the background under it. A click toggles its
// parameter between 0.0 and 1.0 through the plug-in's setParameterAutomated; a label
// without a parameter (kNoParameter) does nothing. [ui-thread]
#pragma once

#include "TextField.h"

class AudioEffectX;

class ToggleLabel : public TextField {
public:
    static constexpr std::int32_t kNoParameter = -1;

    ToggleLabel(const Rect& size, ControlListener* listener, std::int32_t tag, Bitmap* background, AudioEffectX* effect,
                std::int32_t parameter);

    void mouseDown(DrawContext* context, Point& where) override;

private:
    AudioEffectX* effect;
    std::int32_t parameter;
};
