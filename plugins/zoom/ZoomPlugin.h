// The B-format zoom: pushes a first-order field towards one direction. Editor builds
// derive from this class (setting their own unique ID, creating the editor and passing
// setParameter on to it) without touching the signal path.
#pragma once

#include <cstdint>

#include "SoundFieldPlugin.h"
#include "ZoomProgram.h"
#include "ZoomTransform.h"

class ZoomPlugin : public bformat::SoundFieldPlugin<3> {
public:
    enum Param : std::int32_t { kAzimuth, kElevation, kZoom };

    explicit ZoomPlugin(audioMasterCallback audioMaster);

    // [thread-safe] Stores the value; the audio thread derives its targets at block start.
    void setParameter(std::int32_t index, float value) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    // [audio-thread] Targets once per block, then the loop.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

private:
    // Derived from the live values by whichever thread asks, so no derived value is shared.
    double azimuthRad() const;
    double elevationRad() const;
    double zoomTarget() const;
    ZoomTransform transform_;
};
