#include "FieldPlugin.h"

#include "SelectorIndex.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
const char* const kNames[] = {"Angle1", "Angle2", "Angle3", "Order of Processing"};
const char* const kLabels[] = {"degrees", "degrees", "degrees", "process"};

}  // namespace

FieldPlugin::FieldPlugin(audioMasterCallback audioMaster)
    : SoundFieldPlugin(audioMaster, kNewFieldProgram, kNames, kLabels) {
    setProgram(0);
    setUniqueID(fourCharCode('O', 'V', 'f', 's'));
}

void FieldPlugin::setParameter(std::int32_t index, float value) {
    storeParameter(index, value);
    for (int i = 0; i < 3; ++i) angleRad_[i] = -kTwoPi * values_[i];
    orderIndex_ = bformat::selectorIndex(values_[kOrderOfProcessing]);
}

void FieldPlugin::getParameterDisplay(std::int32_t index, char* text) {
    if (!isParam(index)) return;
    if (index == kOrderOfProcessing) {
        long2string(orderIndex_, text);
        return;
    }
    const double v = values_[index];
    float2string(static_cast<float>(360.0 - (1.0 - v) * 360.0), text);
}

void FieldPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    rotator_.setTargets(angleRad_[0], angleRad_[1], angleRad_[2], orderIndex_);
    if (sampleFrames > 0 && inputs && outputs) rotator_.processAccumulating(inputs, outputs, sampleFrames);
}

void FieldPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    rotator_.setTargets(angleRad_[0], angleRad_[1], angleRad_[2], orderIndex_);
    if (sampleFrames > 0 && inputs && outputs) rotator_.processReplacing(inputs, outputs, sampleFrames);
}
