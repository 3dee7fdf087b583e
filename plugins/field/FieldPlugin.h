// The B-format field rotator: turns a first-order field through three angles about the
// Z, X and Y axes in one of six orders. Editor builds derive from this class (setting
// their own unique ID, creating the editor and passing setParameter on to it) without
// touching the signal path.
#pragma once

#include <cstdint>

#include "FieldProgram.h"
#include "FieldRotator.h"
#include "SoundFieldPlugin.h"

class FieldPlugin : public bformat::SoundFieldPlugin<4> {
public:
    enum Param : std::int32_t { kAngle1, kAngle2, kAngle3, kOrderOfProcessing };

    explicit FieldPlugin(audioMasterCallback audioMaster);

    // [thread-safe] Stores the value; the audio thread derives the angles at block start.
    void setParameter(std::int32_t index, float value) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    // [audio-thread] Targets once per block from the angles and order, then the loop.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

private:
    void setBlockTargets();

    FieldRotator rotator_;
};
