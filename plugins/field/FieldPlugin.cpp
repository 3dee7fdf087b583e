#include "FieldPlugin.h"

#include <cstring>

#include "PluginEditor.h"
#include "ProgramName.h"
#include "SelectorIndex.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
const char* const kNames[FieldPlugin::kNumParams] = {"Angle1", "Angle2", "Angle3", "Order of Processing"};
const char* const kLabels[FieldPlugin::kNumParams] = {"degrees", "degrees", "degrees", "process"};

}  // namespace

FieldPlugin::FieldPlugin(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    setProgram(0);
    setNumInputs(4);
    setNumOutputs(4);
    setUniqueID(fourCharCode('O', 'V', 'f', 's'));
    canProcessReplacing(true);
}

void FieldPlugin::setParameter(std::int32_t index, float value) {
    if (isParam(index)) {
        values_[index] = value;
        programs_[curProgram].values[index] = value;
    }
    if (editor) editor->markForRefresh();
    for (int i = 0; i < 3; ++i) angleRad_[i] = -kTwoPi * values_[i];
    orderIndex_ = bformat::selectorIndex(values_[kOrderOfProcessing]);
}

float FieldPlugin::getParameter(std::int32_t index) { return isParam(index) ? values_[index] : 0.0f; }

void FieldPlugin::getParameterName(std::int32_t index, char* text) {
    if (isParam(index)) std::strcpy(text, kNames[index]);
}

void FieldPlugin::getParameterLabel(std::int32_t index, char* text) {
    if (isParam(index)) std::strcpy(text, kLabels[index]);
}

void FieldPlugin::getParameterDisplay(std::int32_t index, char* text) {
    if (!isParam(index)) return;
    if (index == kOrderOfProcessing) {
        long2string(orderIndex_, text);
        return;
    }
    const double v = values_[index];
    float2string(static_cast<float>(360.0 - (1.0 - v) * 360.0), text);
}

void FieldPlugin::setProgram(std::int32_t program) {
    if (program < 0 || program >= kNumPrograms) return;
    curProgram = program;
    const FieldProgram stored = programs_[program];
    for (std::int32_t i = 0; i < kNumParams; ++i) setParameter(i, stored.values[i]);
}

void FieldPlugin::setProgramName(char* name) { storeProgramName(programs_[curProgram].name, kFieldNameSize, name); }

void FieldPlugin::getProgramName(char* name) { reportProgramName(programs_[curProgram].name, curProgram, name); }

bool FieldPlugin::getVendorString(char* text) {
    std::strcpy(text, "Venmor Arts Lab.");
    return true;
}

std::int32_t FieldPlugin::getPlugCategory() { return kPlugSurroundFx; }

void FieldPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    rotator_.setTargets(angleRad_[0], angleRad_[1], angleRad_[2], orderIndex_);
    if (sampleFrames > 0) rotator_.processAccumulating(inputs, outputs, sampleFrames);
}

void FieldPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    rotator_.setTargets(angleRad_[0], angleRad_[1], angleRad_[2], orderIndex_);
    if (sampleFrames > 0) rotator_.processReplacing(inputs, outputs, sampleFrames);
}
