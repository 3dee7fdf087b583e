// Resonant multimode filter: one input filtered to both outputs as low, band or high pass
// through one stage or, blended by "Slope", two stages in series; input and output gains;
// a peak meter for the host. It carries the older form of the extended host interface.
#pragma once

#include <atomic>
#include <cstdint>

#include "AudioEffectX.h"
#include "QelFilterProgram.h"
#include "QelFilterStage.h"
#include "RelaxedFloat.h"

class Qel_Filter : public AudioEffectX {
public:
    enum Param : std::int32_t { kType, kCutoff, kResonance, kSlope, kInputGain, kOutputGain, kNumParams };
    static constexpr std::int32_t kNumPrograms = 16;
    static constexpr float kMaxCutoffHz = 3520.0f;
    static constexpr float kMaxGain = 2.0f;

    explicit Qel_Filter(audioMasterCallback audioMaster);

    // [ui-thread] Opcodes 59 to 68 answer 0; the meter level is rounded to nearest.
    std::intptr_t dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                             float opt) override;
    std::int32_t getVstVersion() override { return 2; }

    // [thread-safe] Some hosts call these from the audio thread too.
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterName(std::int32_t index, char* text) override;
    void getParameterLabel(std::int32_t index, char* text) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    void setProgram(std::int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    // The peak since the last call; clears it.
    float getVu() override;
    void suspend() override;
    // Also keeps the rate for the audio thread, which hosts may change while it runs.
    void setSampleRate(float rate) override;

    // [audio-thread] Cutoff, resonance and sample rate reach the stages at block start;
    // type, gains and slope are read for every sample.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

private:
    template <bool accumulate>
    void run(float** inputs, float** outputs, std::int32_t sampleFrames);
    float load(const std::atomic<float>& v) const { return v.load(std::memory_order_relaxed); }
    // Sets a current value and the same field of the current program.
    static void store(std::atomic<float>& current, float& programField, float value) {
        current.store(value, std::memory_order_relaxed);
        programField = value;
    }

    Qel_FilterProgram programs[kNumPrograms];
    TQelFilter1 stage1;
    TQelFilter1 stage2;

    // Written by the host's threads, read by the audio thread.
    std::atomic<std::int32_t> filterType{0};
    std::atomic<float> cutoffHz{0.0f};
    std::atomic<float> resonance{0.0f};
    std::atomic<float> inputGain{0.0f};
    std::atomic<float> outputGain{0.0f};
    std::atomic<float> slope{0.0f};
    std::atomic<float> peak{0.0f};
    std::atomic<float> stageSampleRateHz{0.0f};
};
