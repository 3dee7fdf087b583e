#include "ZoomPlugin.h"

#include <cstring>

#include "PluginEditor.h"
#include "ProgramName.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegreesPerRadian = 57.29577951308232;
const char* const kNames[ZoomPlugin::kNumParams] = {"Azimuth", "Elevation", "Zoom"};
const char* const kLabels[ZoomPlugin::kNumParams] = {"degrees", "degrees", "zoom"};

}  // namespace

ZoomPlugin::ZoomPlugin(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    setProgram(0);
    setNumInputs(4);
    setNumOutputs(4);
    setUniqueID(fourCharCode('O', 'V', 'z', 's'));
    canProcessReplacing(true);
}

void ZoomPlugin::setParameter(std::int32_t index, float value) {
    if (isParam(index)) {
        values_[index] = value;
        programs_[curProgram].values[index] = value;
    }
    if (editor) editor->markForRefresh();
    azimuthRad_ = values_[kAzimuth] * kTwoPi;
    elevationRad_ = (values_[kElevation] - 0.25) * kTwoPi;
    zoomTarget_ = (0.5 - values_[kZoom]) * 2.0;
}

float ZoomPlugin::getParameter(std::int32_t index) { return isParam(index) ? values_[index] : 0.0f; }

void ZoomPlugin::getParameterName(std::int32_t index, char* text) {
    if (isParam(index)) std::strcpy(text, kNames[index]);
}

void ZoomPlugin::getParameterLabel(std::int32_t index, char* text) {
    if (isParam(index)) std::strcpy(text, kLabels[index]);
}

void ZoomPlugin::getParameterDisplay(std::int32_t index, char* text) {
    double shown = 0.0;
    switch (index) {
        case kAzimuth: shown = azimuthRad_ * kDegreesPerRadian; break;
        case kElevation: shown = elevationRad_ * kDegreesPerRadian; break;
        case kZoom: shown = -zoomTarget_; break;
        default: return;
    }
    float2string(static_cast<float>(shown), text);
}

void ZoomPlugin::setProgram(std::int32_t program) {
    if (program < 0 || program >= kNumPrograms) return;
    curProgram = program;
    const ZoomProgram stored = programs_[program];
    for (std::int32_t i = 0; i < kNumParams; ++i) setParameter(i, stored.values[i]);
}

void ZoomPlugin::setProgramName(char* name) { storeProgramName(programs_[curProgram].name, kZoomNameSize, name); }

void ZoomPlugin::getProgramName(char* name) { reportProgramName(programs_[curProgram].name, curProgram, name); }

bool ZoomPlugin::getVendorString(char* text) {
    std::strcpy(text, "Venmor Arts Lab.");
    return true;
}

std::int32_t ZoomPlugin::getPlugCategory() { return kPlugSurroundFx; }

void ZoomPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    transform_.setTargets(azimuthRad_, elevationRad_, zoomTarget_);
    if (sampleFrames > 0) transform_.processAccumulating(inputs, outputs, sampleFrames);
}

void ZoomPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    transform_.setTargets(azimuthRad_, elevationRad_, zoomTarget_);
    if (sampleFrames > 0) transform_.processReplacing(inputs, outputs, sampleFrames);
}
