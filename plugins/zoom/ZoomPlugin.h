// The B-format zoom: pushes a first-order field towards one direction. Editor builds
// derive from this class (setting their own unique ID, creating the editor and passing
// setParameter on to it) without touching the signal path.
#pragma once

#include <cstdint>

#include "SoundFieldPlugin.h"
#include "ZoomTransform.h"

// How a zoom parameter's display text is made from its value.
enum class ZoomDisplay {
    AzimuthDegrees,    // v × 360
    ElevationDegrees,  // (v − 0.25) × 360
    Zoom,              // (v − 0.5) × 2
};

class ZoomPlugin : public bformat::SoundFieldPlugin<ZoomDisplay, 3, ZoomTransform> {
public:
    enum Param : std::int32_t { kAzimuth, kElevation, kZoom };

    explicit ZoomPlugin(audioMasterCallback audioMaster);

    void getParameterDisplay(std::int32_t index, char* text) override;

private:
    // Derived from the live values by whichever thread asks, so no derived value is shared.
    double azimuthRad() const;
    double elevationRad() const;
    double zoomTarget() const;
    void setBlockTargets() override;
};
