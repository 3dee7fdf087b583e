// The B-format field rotator: turns a first-order field through three angles about the
// Z, X and Y axes in one of six orders. Editor builds derive from this class (setting
// their own unique ID, creating the editor and passing setParameter on to it) without
// touching the signal path.
#pragma once

#include <cstdint>

#include "AudioEffectX.h"
#include "FieldProgram.h"
#include "FieldRotator.h"

class FieldPlugin : public AudioEffectX {
public:
    enum Param : std::int32_t { kAngle1, kAngle2, kAngle3, kOrderOfProcessing, kNumParams };
    static constexpr std::int32_t kNumPrograms = 32;

    explicit FieldPlugin(audioMasterCallback audioMaster);

    // [ui-thread]
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterName(std::int32_t index, char* text) override;
    void getParameterLabel(std::int32_t index, char* text) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    void setProgram(std::int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;

    bool getVendorString(char* text) override;
    std::int32_t getPlugCategory() override;

    // [audio-thread] Targets once per block from the angles and order, then the loop.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

private:
    static bool isParam(std::int32_t index) { return index >= 0 && index < kNumParams; }

    FieldProgram programs_[kNumPrograms];
    float values_[kNumParams] = {};
    double angleRad_[3] = {};
    int orderIndex_ = 0;
    FieldRotator rotator_;
};
