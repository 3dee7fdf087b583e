#include "AudioEffect.h"

#include <cstring>

#include "PluginEditor.h"

namespace {

AudioEffect* objectOf(AEffect* e) { return static_cast<AudioEffect*>(e->object); }

// The trampolines are the only code the host calls directly; no exception may pass them.
std::intptr_t dispatcherTrampoline(AEffect* e, std::int32_t opcode, std::int32_t index, std::intptr_t value,
                                   void* ptr, float opt) {
    AudioEffect* object = objectOf(e);
    if (!object) return 0;
    std::intptr_t result = 0;
    try {
        result = object->dispatcher(opcode, index, value, ptr, opt);
    } catch (...) {
        result = 0;
    }
    if (opcode == effClose) {
        delete object;  // the record is embedded in the object and goes with it
        return 1;
    }
    return result;
}

void processTrampoline(AEffect* e, float** inputs, float** outputs, std::int32_t frames) {
    try {
        objectOf(e)->process(inputs, outputs, frames);
    } catch (...) {
    }
}

void processReplacingTrampoline(AEffect* e, float** inputs, float** outputs, std::int32_t frames) {
    try {
        objectOf(e)->processReplacing(inputs, outputs, frames);
    } catch (...) {
    }
}

void setParameterTrampoline(AEffect* e, std::int32_t index, float value) {
    try {
        objectOf(e)->setParameter(index, value);
    } catch (...) {
    }
}

float getParameterTrampoline(AEffect* e, std::int32_t index) {
    try {
        return objectOf(e)->getParameter(index);
    } catch (...) {
        return 0.0f;
    }
}

}  // namespace

AudioEffect::AudioEffect(audioMasterCallback audioMaster, std::int32_t numPrograms, std::int32_t numParams)
    : sampleRate(44100.0f),
      editor(nullptr),
      audioMaster(audioMaster),
      numPrograms(numPrograms),
      numParams(numParams),
      curProgram(0),
      blockSize(1024) {
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatcherTrampoline;
    cEffect.process = processTrampoline;
    cEffect.setParameter = setParameterTrampoline;
    cEffect.getParameter = getParameterTrampoline;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = fourCharCode('N', 'o', 'E', 'f');
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingTrampoline;
}

AudioEffect::~AudioEffect() { delete editor; }

std::intptr_t AudioEffect::callHost(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                    float opt, std::intptr_t fallback) {
    if (!audioMaster) return fallback;
    return audioMaster(&cEffect, opcode, index, value, ptr, opt);
}

void AudioEffect::setParameter(std::int32_t, float) {}
float AudioEffect::getParameter(std::int32_t) { return 0.0f; }

void AudioEffect::setParameterAutomated(std::int32_t index, float value) {
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

void AudioEffect::processReplacing(float**, float**, std::int32_t) {}

std::intptr_t AudioEffect::dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                      float opt) {
    switch (opcode) {
        case effOpen: open(); return 0;
        case effClose: close(); return 0;
        case effSetProgram:
            if (value >= 0 && value < numPrograms) setProgram(static_cast<std::int32_t>(value));
            return 0;
        case effGetProgram: return getProgram();
        case effSetProgramName: if (ptr) setProgramName(static_cast<char*>(ptr)); return 0;
        case effGetProgramName: if (ptr) getProgramName(static_cast<char*>(ptr)); return 0;
        case effGetParamLabel: if (ptr) getParameterLabel(index, static_cast<char*>(ptr)); return 0;
        case effGetParamDisplay: if (ptr) getParameterDisplay(index, static_cast<char*>(ptr)); return 0;
        case effGetParamName: if (ptr) getParameterName(index, static_cast<char*>(ptr)); return 0;
        case effGetVu: return static_cast<std::int32_t>(getVu() * 32767.0);
        case effSetSampleRate: setSampleRate(opt); return 0;
        case effSetBlockSize: setBlockSize(static_cast<std::int32_t>(value)); return 0;
        case effMainsChanged:
            if (value == 0) suspend();
            else resume();
            return 0;
        case effEditGetRect: return editor ? editor->getRect(static_cast<ERect**>(ptr)) : 0;
        case effEditOpen: return editor ? editor->open(ptr) : 0;
        case effEditClose: if (editor) editor->close(); return 0;
        case effEditIdle: if (editor) editor->idle(); return 0;
        case effIdentify: return fourCharCode('N', 'v', 'E', 'f');
        case effGetChunk: return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
        case effSetChunk: return setChunk(ptr, static_cast<std::int32_t>(value), index != 0);
        default: return 0;
    }
}

void AudioEffect::open() {}
void AudioEffect::close() {}
std::int32_t AudioEffect::getProgram() { return curProgram; }
void AudioEffect::setProgram(std::int32_t program) { curProgram = program; }
// The host's text is input only (it may be read-only); a plug-in without names ignores it.
void AudioEffect::setProgramName(char*) {}
void AudioEffect::getProgramName(char* name) { *name = 0; }
void AudioEffect::getParameterLabel(std::int32_t, char* label) { *label = 0; }
void AudioEffect::getParameterDisplay(std::int32_t, char* text) { *text = 0; }
void AudioEffect::getParameterName(std::int32_t, char* text) { *text = 0; }
float AudioEffect::getVu() { return 0.0f; }
std::int32_t AudioEffect::getChunk(void**, bool) { return 0; }
std::int32_t AudioEffect::setChunk(void*, std::int32_t, bool) { return 0; }
void AudioEffect::setSampleRate(float rate) { sampleRate = rate; }
void AudioEffect::setBlockSize(std::int32_t frames) { blockSize = frames; }
void AudioEffect::suspend() {}
void AudioEffect::resume() {}

void AudioEffect::setUniqueID(std::int32_t id) { cEffect.uniqueID = id; }
void AudioEffect::setNumInputs(std::int32_t inputs) { cEffect.numInputs = inputs; }
void AudioEffect::setNumOutputs(std::int32_t outputs) { cEffect.numOutputs = outputs; }

void AudioEffect::setFlag(std::int32_t bit, bool state) {
    if (state) cEffect.flags |= bit;
    else cEffect.flags &= ~bit;
}

void AudioEffect::hasVu(bool state) { setFlag(effFlagsHasVu, state); }
void AudioEffect::hasClip(bool state) { setFlag(effFlagsHasClip, state); }
void AudioEffect::canMono(bool state) { setFlag(effFlagsCanMono, state); }
void AudioEffect::canProcessReplacing(bool state) { setFlag(effFlagsCanReplacing, state); }
void AudioEffect::programsAreChunks(bool state) { setFlag(effFlagsProgramChunks, state); }
void AudioEffect::setRealtimeQualities(std::int32_t qualities) { cEffect.realQualities = qualities; }
void AudioEffect::setOfflineQualities(std::int32_t qualities) { cEffect.offQualities = qualities; }
void AudioEffect::setInitialDelay(std::int32_t delay) { cEffect.initialDelay = delay; }

float AudioEffect::getSampleRate() { return sampleRate; }
std::int32_t AudioEffect::getBlockSize() { return blockSize; }

std::int32_t AudioEffect::getMasterVersion() {
    auto version = static_cast<std::int32_t>(callHost(audioMasterVersion));
    return version == 0 ? 1 : version;
}

std::int32_t AudioEffect::getCurrentUniqueId() { return static_cast<std::int32_t>(callHost(audioMasterCurrentId)); }

void AudioEffect::masterIdle() { callHost(audioMasterIdle); }

bool AudioEffect::isInputConnected(std::int32_t input) {
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffect::isOutputConnected(std::int32_t output) {
    return callHost(audioMasterPinConnected, output, 1) == 0;
}
