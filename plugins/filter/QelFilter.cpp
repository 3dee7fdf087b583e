#include "QelFilter.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "PluginEditor.h"
#include "ProgramName.h"

namespace {

constexpr const char* kParamNames[] = {" Filter  ", " CutOff ", "Resonance", " Slope  ", " InAmp  ", " Outamp "};
constexpr const char* kParamLabels[] = {"       ", "   Hz   ", "        ", "        ", "        ", "        "};
constexpr const char* kTypeNames[] = {"Low Pass", "Band Pass", "High Pass"};
constexpr std::int32_t kTypeCount = 3;
constexpr std::int32_t kNoType = -1;  // stored for values that round outside any int range
constexpr std::size_t kValueTextLength = 8;

bool isParameter(std::int32_t index) { return index >= 0 && index < Qel_Filter::kNumParams; }
bool isType(std::int32_t type) { return type >= 0 && type < kTypeCount; }

// v * 2 rounded to the nearest integer, ties to even.
std::int32_t typeFromValue(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value) * 2.0);
    return (rounded >= -1e9 && rounded <= 1e9) ? static_cast<std::int32_t>(rounded) : kNoType;
}

// Two-decimal fixed text of the filter's own; cut to the eight characters every value
// text is allowed, which only very large values reach.
void twoDecimals(float value, char* text) {
    char scratch[64];
    std::snprintf(scratch, sizeof scratch, "%.2f", static_cast<double>(value));
    scratch[kValueTextLength] = '\0';
    std::strcpy(text, scratch);
}

}  // namespace

Qel_Filter::Qel_Filter(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    stageSampleRateHz.store(sampleRate, std::memory_order_relaxed);
    stage1.configure(0.0f, 0.0f, sampleRate);
    stage2.configure(0.0f, 0.0f, sampleRate);
    setProgram(0);
    setNumInputs(1);
    setNumOutputs(2);
    hasVu();
    canProcessReplacing();
    setUniqueID(fourCharCode('Q', 'e', 'F', 'l'));
    suspend();
}

std::intptr_t Qel_Filter::dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                     float opt) {
    if (opcode >= effEditKeyDown && opcode <= effEndSetProgram) return 0;
    if (opcode == effGetVu) {
        const double level = std::floor(static_cast<double>(getVu()) * 32767.0 + 0.5);
        if (!(level > -2147483648.0)) return -2147483647 - 1;
        return level < 2147483647.0 ? static_cast<std::int32_t>(level) : 2147483647;
    }
    return AudioEffectX::dispatcher(opcode, index, value, ptr, opt);
}

void Qel_Filter::setParameter(std::int32_t index, float value) {
    Qel_FilterProgram& program = programs[curProgram];
    switch (index) {
        case kType: {
            const std::int32_t type = typeFromValue(value);
            filterType.store(type, std::memory_order_relaxed);
            program.filterType = type;
            break;
        }
        case kCutoff: store(cutoffHz, program.cutoffHz, kMaxCutoffHz * value); break;
        case kResonance: store(resonance, program.resonance, value); break;
        case kSlope: store(slope, program.slope, value); break;
        case kInputGain: store(inputGain, program.inputGain, kMaxGain * value); break;
        case kOutputGain: store(outputGain, program.outputGain, kMaxGain * value); break;
        default: return;
    }
    if (editor) editor->markForRefresh();
}

float Qel_Filter::getParameter(std::int32_t index) {
    switch (index) {
        case kType: return static_cast<float>(filterType.load(std::memory_order_relaxed) / 2.0);
        case kCutoff: return load(cutoffHz) / kMaxCutoffHz;
        case kResonance: return load(resonance);
        case kSlope: return load(slope);
        case kInputGain: return load(inputGain) / kMaxGain;
        case kOutputGain: return load(outputGain) / kMaxGain;
        default: return 0.0f;
    }
}

void Qel_Filter::getParameterName(std::int32_t index, char* text) {
    if (isParameter(index)) std::strcpy(text, kParamNames[index]);
}

void Qel_Filter::getParameterLabel(std::int32_t index, char* text) {
    if (isParameter(index)) std::strcpy(text, kParamLabels[index]);
}

void Qel_Filter::getParameterDisplay(std::int32_t index, char* text) {
    switch (index) {
        case kType: {
            const std::int32_t type = filterType.load(std::memory_order_relaxed);
            if (isType(type)) std::strcpy(text, kTypeNames[type]);
            break;
        }
        case kCutoff: {
            const double rounded = std::round(static_cast<double>(load(cutoffHz)));
            if (rounded >= 100000000.0)
                long2string(100000000, text);  // the overflow text
            else
                long2string(rounded > -2147483648.0 ? static_cast<std::int32_t>(rounded) : -2147483647 - 1, text);
            break;
        }
        case kResonance: twoDecimals(load(resonance), text); break;
        case kSlope: twoDecimals(load(slope), text); break;
        case kInputGain: twoDecimals(load(inputGain), text); break;
        case kOutputGain: twoDecimals(load(outputGain), text); break;
        default: break;
    }
}

void Qel_Filter::setProgram(std::int32_t program) {
    if (program < 0 || program >= kNumPrograms) return;
    curProgram = program;
    const Qel_FilterProgram stored = programs[program];  // setParameter writes back into it
    setParameter(kType, static_cast<float>(stored.filterType / 2.0));
    setParameter(kCutoff, stored.cutoffHz / kMaxCutoffHz);
    setParameter(kResonance, stored.resonance);
    setParameter(kSlope, stored.slope);
    setParameter(kInputGain, stored.inputGain / kMaxGain);
    setParameter(kOutputGain, stored.outputGain / kMaxGain);
}

void Qel_Filter::setProgramName(char* name) {
    storeProgramName(programs[curProgram].name, Qel_FilterProgram::kNameSize, name);
}

void Qel_Filter::getProgramName(char* name) { reportProgramName(programs[curProgram].name, curProgram, name); }

float Qel_Filter::getVu() { return peak.exchange(0.0f, std::memory_order_relaxed); }

void Qel_Filter::suspend() {
    stage1.reset();
    stage2.reset();
}

void Qel_Filter::setSampleRate(float rate) {
    AudioEffectX::setSampleRate(rate);
    stageSampleRateHz.store(sampleRate, std::memory_order_relaxed);
}

void Qel_Filter::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    run<true>(inputs, outputs, sampleFrames);
}

void Qel_Filter::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    run<false>(inputs, outputs, sampleFrames);
}

template <bool accumulate>
void Qel_Filter::run(float** inputs, float** outputs, std::int32_t sampleFrames) {
    if (!inputs || !outputs) return;
    const float cutoff = load(cutoffHz), q = load(resonance);
    const float rate = load(stageSampleRateHz);
    stage1.configure(cutoff, q, rate);
    stage2.configure(cutoff, q, rate);
    const float* in = inputs[0];
    float* out1 = outputs[0];
    float* out2 = outputs[1];
    float blockPeak = load(peak);
    for (std::int32_t i = 0; i < sampleFrames; ++i) {
        const std::int32_t type = filterType.load(std::memory_order_relaxed);
        const float s = in[i] * load(inputGain);
        stage1.tick(s);
        float y = s;
        if (isType(type)) {
            const float first = stage1.output(type);
            stage2.tick(first);
            const float mix = load(slope);
            y = (1.0f - mix) * first + mix * stage2.output(type);
        }
        y = y * load(outputGain);
        if (accumulate) {
            out1[i] = out1[i] + y;
            out2[i] = out2[i] + y;
            if (out1[i] > blockPeak) blockPeak = out1[i];
        } else {
            out1[i] = y;
            out2[i] = y;
            if (y > blockPeak) blockPeak = y;
        }
    }
    peak.store(blockPeak, std::memory_order_relaxed);
}
