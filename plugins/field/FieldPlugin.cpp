#include "FieldPlugin.h"

#include "AngleConstants.h"
#include "SelectorIndex.h"

namespace {

using bformat::kTwoPi;
const char* const kNames[] = {"Angle1", "Angle2", "Angle3", "Order of Processing"};
const char* const kLabels[] = {"degrees", "degrees", "degrees", "process"};

}  // namespace

FieldPlugin::FieldPlugin(audioMasterCallback audioMaster)
    : SoundFieldPlugin(audioMaster, kNewFieldProgram, kNames, kLabels) {
    setProgram(0);
    setUniqueID(fourCharCode('O', 'V', 'f', 's'));
}

void FieldPlugin::setParameter(std::int32_t index, float value) { storeParameter(index, value); }

void FieldPlugin::getParameterDisplay(std::int32_t index, char* text) {
    if (!isParam(index)) return;
    if (index == kOrderOfProcessing) {
        long2string(bformat::selectorIndex(liveValue(kOrderOfProcessing)), text);
        return;
    }
    const double v = liveValue(index);
    float2string(static_cast<float>(360.0 - (1.0 - v) * 360.0), text);
}

// The audio thread derives its targets from the live values itself, so that nothing the
// UI thread computes is shared with it.
void FieldPlugin::setBlockTargets() {
    rotator_.setTargets(-kTwoPi * liveValue(kAngle1), -kTwoPi * liveValue(kAngle2), -kTwoPi * liveValue(kAngle3),
                        bformat::selectorIndex(liveValue(kOrderOfProcessing)));
}

void FieldPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    setBlockTargets();
    if (sampleFrames > 0 && inputs && outputs) rotator_.processAccumulating(inputs, outputs, sampleFrames);
}

void FieldPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    setBlockTargets();
    if (sampleFrames > 0 && inputs && outputs) rotator_.processReplacing(inputs, outputs, sampleFrames);
}
