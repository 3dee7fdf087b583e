// First-order B-format decoder: W, X, Y, Z in, up to eight loudspeaker feeds out, one of
// eight fixed layouts chosen by the single parameter "Layout". The editor build derives
// from this class and adds only its editor.
#pragma once

#include <atomic>

#include "AudioEffectX.h"
#include "DecoderProgram.h"

class DecoderPlugin : public AudioEffectX {
public:
    static constexpr std::int32_t kNumPrograms = 1;
    static constexpr std::int32_t kNumParams = 1;
    static constexpr std::int32_t kNumInputs = 4;
    static constexpr std::int32_t kNumOutputs = 8;
    static constexpr std::int32_t kLayoutParam = 0;

    explicit DecoderPlugin(audioMasterCallback audioMaster);

    // [thread-safe] Some hosts call these from the audio thread too.
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterName(std::int32_t index, char* text) override;
    void getParameterLabel(std::int32_t index, char* text) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    // [ui-thread]
    void setProgram(std::int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    bool getVendorString(char* text) override;
    std::int32_t getPlugCategory() override;
    void suspend() override;

    // [audio-thread] The layout value is read for every frame; a change applies from the
    // next frame, without a ramp. Nothing allocates or locks.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

private:
    void decode(float** inputs, float** outputs, std::int32_t sampleFrames, bool accumulate);

    DecoderProgram programs[kNumPrograms];
    // Written by the host's threads, read by the audio thread on every frame.
    std::atomic<float> layoutValue{0.0f};
};
