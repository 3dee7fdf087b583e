#include "ZoomPlugin.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegreesPerRadian = 57.29577951308232;
const char* const kNames[] = {"Azimuth", "Elevation", "Zoom"};
const char* const kLabels[] = {"degrees", "degrees", "zoom"};

}  // namespace

ZoomPlugin::ZoomPlugin(audioMasterCallback audioMaster)
    : SoundFieldPlugin(audioMaster, kNewZoomProgram, kNames, kLabels) {
    setProgram(0);
    setUniqueID(fourCharCode('O', 'V', 'z', 's'));
}

void ZoomPlugin::setParameter(std::int32_t index, float value) {
    storeParameter(index, value);
    azimuthRad_ = values_[kAzimuth] * kTwoPi;
    elevationRad_ = (values_[kElevation] - 0.25) * kTwoPi;
    zoomTarget_ = (0.5 - values_[kZoom]) * 2.0;
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

void ZoomPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    transform_.setTargets(azimuthRad_, elevationRad_, zoomTarget_);
    if (sampleFrames > 0 && inputs && outputs) transform_.processAccumulating(inputs, outputs, sampleFrames);
}

void ZoomPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    transform_.setTargets(azimuthRad_, elevationRad_, zoomTarget_);
    if (sampleFrames > 0 && inputs && outputs) transform_.processReplacing(inputs, outputs, sampleFrames);
}
