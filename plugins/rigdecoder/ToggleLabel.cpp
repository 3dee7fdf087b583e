#include "ToggleLabel.h"

#include "AudioEffectX.h"

ToggleLabel::ToggleLabel(const Rect& labelSize, ControlListener* owner, std::int32_t labelTag, Bitmap* bitmap,
                         AudioEffectX* plugin, std::int32_t toggledParameter)
    : TextField(labelSize, owner, labelTag, nullptr, nullptr, 0), effect(plugin), parameter(toggledParameter) {
    setAlignment(0);
    setFont(4);
    setFontColour(colours::white);
    setTransparent(true);
    setBackgroundBitmap(bitmap);
    setBackgroundOffset(Point(labelSize.left, labelSize.top));
    setText("");
}

void ToggleLabel::mouseDown(DrawContext*, Point&) {
    if (!effect || parameter == kNoParameter) return;
    const float next = effect->getParameter(parameter) == 0.0f ? 1.0f : 0.0f;
    effect->setParameterAutomated(parameter, next);
}
