#include "DecoderPlugin.h"

#include <cstdio>
#include <cstring>

#include "DecoderLayouts.h"
#include "PluginEditor.h"
#include "ProgramName.h"

namespace {
// A program with this exact name is reported with its one-based number appended.
constexpr const char* kNumberedProgramName = "Layout ";
}  // namespace

DecoderPlugin::DecoderPlugin(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    setProgram(0);
    setNumInputs(kNumInputs);
    setNumOutputs(kNumOutputs);
    canProcessReplacing();
    setUniqueID(fourCharCode('O', 'V', 'd', '8'));
    suspend();
}

void DecoderPlugin::setParameter(std::int32_t index, float value) {
    if (index != kLayoutParam) return;
    layoutValue.store(value, std::memory_order_relaxed);
    programs[curProgram].layout = value;
    if (editor) editor->markForRefresh();
}

float DecoderPlugin::getParameter(std::int32_t index) {
    return index == kLayoutParam ? layoutValue.load(std::memory_order_relaxed) : 0.0f;
}

void DecoderPlugin::getParameterName(std::int32_t index, char* text) {
    if (index == kLayoutParam) std::strcpy(text, "Layout");
}

void DecoderPlugin::getParameterLabel(std::int32_t index, char* text) {
    if (index == kLayoutParam) std::strcpy(text, "Layout");
}

void DecoderPlugin::getParameterDisplay(std::int32_t index, char* text) {
    const float value = layoutValue.load(std::memory_order_relaxed);
    if (index != kLayoutParam || !(value >= 0.0f)) return;
    std::strcpy(text, decoder::gainsFor(decoder::layoutForValue(value)).displayText);
}

void DecoderPlugin::setProgram(std::int32_t program) {
    if (program < 0 || program >= kNumPrograms) return;
    curProgram = program;
    setParameter(kLayoutParam, programs[program].layout);
}

void DecoderPlugin::setProgramName(char* name) {
    storeProgramName(programs[curProgram].name, DecoderProgram::kNameSize, name);
}

void DecoderPlugin::getProgramName(char* name) {
    const char* stored = programs[curProgram].name;
    if (std::strcmp(stored, kNumberedProgramName) == 0)
        std::snprintf(name, kHostProgramNameSize, "%s %d", stored, static_cast<int>(curProgram + 1));
    else
        storeProgramName(name, kHostProgramNameSize, stored);
}

bool DecoderPlugin::getVendorString(char* text) {
    std::strcpy(text, "Kelvar Venue");
    return true;
}

std::int32_t DecoderPlugin::getPlugCategory() { return kPlugSurroundFx; }

void DecoderPlugin::suspend() {}

void DecoderPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    decode(inputs, outputs, sampleFrames, true);
}

void DecoderPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    decode(inputs, outputs, sampleFrames, false);
}

// Splits the block into runs of frames that read the same layout and decodes each run.
void DecoderPlugin::decode(float** inputs, float** outputs, std::int32_t sampleFrames, bool accumulate) {
    if (!inputs || !outputs) return;
    std::int32_t start = 0;
    while (start < sampleFrames) {
        const float runValue = layoutValue.load(std::memory_order_relaxed);
        const decoder::Layout layout = decoder::layoutForValue(runValue);
        std::int32_t end = start + 1;
        for (; end < sampleFrames; ++end) {
            const float value = layoutValue.load(std::memory_order_relaxed);
            if (value != runValue && decoder::layoutForValue(value) != layout) break;
        }
        decoder::decodeFrames(layout, inputs, outputs, start, end - start, accumulate);
        start = end;
    }
}
