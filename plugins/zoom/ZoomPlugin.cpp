#include "ZoomPlugin.h"

#include "AngleConstants.h"

namespace {

using bformat::kDegreesPerRadian;
using bformat::kTwoPi;
const char* const kNames[] = {"Azimuth", "Elevation", "Zoom"};
const char* const kLabels[] = {"degrees", "degrees", "zoom"};

}  // namespace

ZoomPlugin::ZoomPlugin(audioMasterCallback audioMaster)
    : SoundFieldPlugin(audioMaster, kNewZoomProgram, kNames, kLabels) {
    setProgram(0);
    setUniqueID(fourCharCode('O', 'V', 'z', 's'));
}

void ZoomPlugin::setParameter(std::int32_t index, float value) { storeParameter(index, value); }

double ZoomPlugin::azimuthRad() const { return liveValue(kAzimuth) * kTwoPi; }
double ZoomPlugin::elevationRad() const { return (liveValue(kElevation) - 0.25) * kTwoPi; }
double ZoomPlugin::zoomTarget() const { return (0.5 - liveValue(kZoom)) * 2.0; }

void ZoomPlugin::getParameterDisplay(std::int32_t index, char* text) {
    double shown = 0.0;
    switch (index) {
        case kAzimuth: shown = azimuthRad() * kDegreesPerRadian; break;
        case kElevation: shown = elevationRad() * kDegreesPerRadian; break;
        case kZoom: shown = -zoomTarget(); break;
        default: return;
    }
    float2string(static_cast<float>(shown), text);
}

void ZoomPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    transform_.setTargets(azimuthRad(), elevationRad(), zoomTarget());
    if (sampleFrames > 0 && inputs && outputs) transform_.processAccumulating(inputs, outputs, sampleFrames);
}

void ZoomPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    transform_.setTargets(azimuthRad(), elevationRad(), zoomTarget());
    if (sampleFrames > 0 && inputs && outputs) transform_.processReplacing(inputs, outputs, sampleFrames);
}
