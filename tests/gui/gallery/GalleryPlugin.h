// A test-only plug-in with an editor built from simple views over a background bitmap,
// used to check the editor toolkit's backends end to end. Audio passes through unchanged.
#pragma once

#include "AudioEffectX.h"

enum GalleryParam : std::int32_t {
    kStripFrame, kToggle, kSwatchClicks, kCornerClicks,
    // Driven by the toolkit's controls.
    kKnob, kFader, kPan, kRowChoice, kColumnChoice, kButton, kMenuChoice, kTextEdits,
    kGalleryParamCount
};

class GalleryPlugin : public AudioEffectX {
public:
    explicit GalleryPlugin(audioMasterCallback audioMaster);

    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterName(std::int32_t index, char* text) override;
    void process(float** inputs, float** outputs, std::int32_t frames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t frames) override;

private:
    float values[kGalleryParamCount] = {};
};
