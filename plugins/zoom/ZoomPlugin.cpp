#include "ZoomPlugin.h"

#include "AngleConstants.h"

namespace {

using bformat::kDegreesPerRadian;
using bformat::kTwoPi;
// A new program means azimuth 0, elevation 0, no zoom. Programs hold the values in index
// order and replay them in that order.
constexpr ZoomPlugin::Row kZoomParams[] = {
    {"Azimuth", "degrees", ZoomDisplay::AzimuthDegrees, 0.0f, 0, 0},
    {"Elevation", "degrees", ZoomDisplay::ElevationDegrees, 0.25f, 1, 1},
    {"Zoom", "zoom", ZoomDisplay::Zoom, 0.5f, 2, 2},
};
static_assert(bformat::isConsistent(kZoomParams, ZoomPlugin::kNumParams), "every slot and position used once");

}  // namespace

ZoomPlugin::ZoomPlugin(audioMasterCallback audioMaster)
    : SoundFieldPlugin(audioMaster, kZoomParams, "Ambisonic zoom control", fourCharCode('O', 'V', 'z', 's')) {}

double ZoomPlugin::azimuthRad() const { return liveValue(kAzimuth) * kTwoPi; }
double ZoomPlugin::elevationRad() const { return (liveValue(kElevation) - 0.25) * kTwoPi; }
double ZoomPlugin::zoomTarget() const { return (0.5 - liveValue(kZoom)) * 2.0; }

void ZoomPlugin::getParameterDisplay(std::int32_t index, char* text) {
    if (!isParam(index)) return;
    double shown = 0.0;
    switch (displayOf(index)) {
        case ZoomDisplay::AzimuthDegrees: shown = azimuthRad() * kDegreesPerRadian; break;
        case ZoomDisplay::ElevationDegrees: shown = elevationRad() * kDegreesPerRadian; break;
        case ZoomDisplay::Zoom: shown = -zoomTarget(); break;
    }
    float2string(static_cast<float>(shown), text);
}

void ZoomPlugin::setBlockTargets() { processor_.setTargets(azimuthRad(), elevationRad(), zoomTarget()); }
