#include "AudioEffectX.h"

#include "PluginEditor.h"

namespace {
bool isTrue(std::intptr_t answer) { return answer != 0; }
}  // namespace

AudioEffectX::AudioEffectX(audioMasterCallback audioMaster, std::int32_t numPrograms, std::int32_t numParams)
    : AudioEffect(audioMaster, numPrograms, numParams) {}

std::intptr_t AudioEffectX::dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                       float opt) {
    auto* text = static_cast<char*>(ptr);
    const auto value32 = static_cast<std::int32_t>(value);
    switch (opcode) {
        case effProcessEvents: return processEvents(ptr);
        case effCanBeAutomated: return canParameterBeAutomated(index) ? 1 : 0;
        case effString2Parameter: return string2parameter(index, text) ? 1 : 0;
        case effGetNumProgramCategories: return getNumCategories();
        case effGetProgramNameIndexed: return getProgramNameIndexed(value32, index, text) ? 1 : 0;
        case effCopyProgram: return copyProgram(index) ? 1 : 0;
        case effConnectInput: inputConnected(index, value != 0); return 1;
        case effConnectOutput: outputConnected(index, value != 0); return 1;
        case effGetInputProperties: return getInputProperties(index, ptr) ? 1 : 0;
        case effGetOutputProperties: return getOutputProperties(index, ptr) ? 1 : 0;
        case effGetPlugCategory: return getPlugCategory();
        case effGetCurrentPosition: return reportCurrentPosition();
        case effGetDestinationBuffer: return reinterpret_cast<std::intptr_t>(reportDestinationBuffer());
        case effOfflineNotify: return offlineNotify(ptr, value32, index != 0) ? 1 : 0;
        case effOfflinePrepare: return offlinePrepare(ptr, value32) ? 1 : 0;
        case effOfflineRun: return offlineRun(ptr, value32) ? 1 : 0;
        case effProcessVarIo: return processVariableIo(ptr) ? 1 : 0;
        case effSetSpeakerArrangement:
            return setSpeakerArrangement(reinterpret_cast<void*>(value), ptr) ? 1 : 0;
        case effSetBlockSizeAndSampleRate: setBlockSizeAndSampleRate(value32, opt); return 1;
        case effSetBypass: return setBypass(value != 0) ? 1 : 0;
        case effGetEffectName: return text && getEffectName(text) ? 1 : 0;
        case effGetErrorText: return text && getErrorText(text) ? 1 : 0;
        case effGetVendorString: return text && getVendorString(text) ? 1 : 0;
        case effGetProductString: return text && getProductString(text) ? 1 : 0;
        case effGetVendorVersion: return getVendorVersion();
        case effVendorSpecific: return vendorSpecific(index, value, ptr, opt);
        case effCanDo: return text ? canDo(text) : 0;
        case effGetTailSize: return getGetTailSize();
        case effIdle: return fxIdle();
        case effGetIcon: return reinterpret_cast<std::intptr_t>(getIcon());
        case effSetViewPosition: return setViewPosition(index, value32) ? 1 : 0;
        case effGetParameterProperties: return getParameterProperties(index, ptr) ? 1 : 0;
        case effKeysRequired: return keysRequired() ? 0 : 1;
        case effGetVstVersion: return getVstVersion();
        case effEditKeyDown:
        case effEditKeyUp: {
            if (!editor) return 0;
            VstKeyCode key{index, static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(static_cast<int>(opt))};
            return opcode == effEditKeyDown ? editor->keyDown(key) : editor->keyUp(key);
        }
        case effSetEditKnobMode: return editor ? editor->setKnobMode(value32) : 0;
        case effGetMidiProgramName: return getMidiProgramName(index, ptr);
        case effGetCurrentMidiProgram: return getCurrentMidiProgram(index, ptr);
        case effGetMidiProgramCategory: return getMidiProgramCategory(index, ptr);
        case effHasMidiProgramsChanged: return hasMidiProgramsChanged(index) ? 1 : 0;
        case effGetMidiKeyName: return getMidiKeyName(index, ptr) ? 1 : 0;
        case effBeginSetProgram: return beginSetProgram() ? 1 : 0;
        case effEndSetProgram: return endSetProgram() ? 1 : 0;
        default: return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

PluginEditor* AudioEffectX::getEditor() { return editor; }
void AudioEffectX::wantEvents(std::int32_t filter) { callHost(audioMasterWantMidi, 0, filter); }
void* AudioEffectX::getTimeInfo(std::int32_t filter) {
    return reinterpret_cast<void*>(callHost(audioMasterGetTime, 0, filter));
}
std::int32_t AudioEffectX::tempoAt(std::int32_t pos) {
    return static_cast<std::int32_t>(callHost(audioMasterTempoAt, 0, pos));
}
std::int32_t AudioEffectX::processEvents(void*) { return 0; }
std::int32_t AudioEffectX::getNumAutomatableParameters() {
    return static_cast<std::int32_t>(callHost(audioMasterGetNumAutomatableParameters));
}
std::int32_t AudioEffectX::getParameterQuantization() {
    return static_cast<std::int32_t>(callHost(audioMasterGetParameterQuantization));
}
bool AudioEffectX::canParameterBeAutomated(std::int32_t) { return true; }
bool AudioEffectX::string2parameter(std::int32_t, char*) { return false; }
float AudioEffectX::getChannelParameter(std::int32_t, std::int32_t) { return 0.0f; }
std::int32_t AudioEffectX::getNumCategories() { return 1; }
bool AudioEffectX::getProgramNameIndexed(std::int32_t, std::int32_t, char*) { return false; }
bool AudioEffectX::copyProgram(std::int32_t) { return false; }
bool AudioEffectX::ioChanged() { return isTrue(callHost(audioMasterIOChanged)); }
bool AudioEffectX::needIdle() { return isTrue(callHost(audioMasterNeedIdle)); }
bool AudioEffectX::sizeWindow(std::int32_t width, std::int32_t height) {
    return isTrue(callHost(audioMasterSizeWindow, width, height));
}
double AudioEffectX::updateSampleRate() {
    callHost(audioMasterGetSampleRate);
    return sampleRate;
}
std::int32_t AudioEffectX::updateBlockSize() {
    callHost(audioMasterGetBlockSize);
    return blockSize;
}
std::int32_t AudioEffectX::getInputLatency() {
    return static_cast<std::int32_t>(callHost(audioMasterGetInputLatency));
}
std::int32_t AudioEffectX::getOutputLatency() {
    return static_cast<std::int32_t>(callHost(audioMasterGetOutputLatency));
}
AEffect* AudioEffectX::getPreviousPlug(std::int32_t) {
    return reinterpret_cast<AEffect*>(callHost(audioMasterGetPreviousPlug));
}
AEffect* AudioEffectX::getNextPlug(std::int32_t) {
    return reinterpret_cast<AEffect*>(callHost(audioMasterGetNextPlug));
}
void AudioEffectX::inputConnected(std::int32_t, bool) {}
void AudioEffectX::outputConnected(std::int32_t, bool) {}
bool AudioEffectX::getInputProperties(std::int32_t, void*) { return false; }
bool AudioEffectX::getOutputProperties(std::int32_t, void*) { return false; }
std::int32_t AudioEffectX::getPlugCategory() {
    return (cEffect.flags & effFlagsIsSynth) ? kPlugCategSynth : kPlugCategUnknown;
}
std::int32_t AudioEffectX::willProcessReplacing() {
    return static_cast<std::int32_t>(callHost(audioMasterWillReplaceOrAccumulate));
}
std::int32_t AudioEffectX::getCurrentProcessLevel() {
    return static_cast<std::int32_t>(callHost(audioMasterGetCurrentProcessLevel));
}
std::int32_t AudioEffectX::getAutomationState() {
    return static_cast<std::int32_t>(callHost(audioMasterGetAutomationState));
}
void AudioEffectX::wantAsyncOperation(bool state) { setFlag(effFlagsExtIsAsync, state); }
void AudioEffectX::hasExternalBuffer(bool state) { setFlag(effFlagsExtHasBuffer, state); }
std::int32_t AudioEffectX::reportCurrentPosition() { return 0; }
float* AudioEffectX::reportDestinationBuffer() { return nullptr; }
bool AudioEffectX::offlineRead(void* task, std::int32_t option, bool readSource) {
    return isTrue(callHost(audioMasterOfflineRead, readSource ? 1 : 0, option, task));
}
bool AudioEffectX::offlineWrite(void* task, std::int32_t option) {
    return isTrue(callHost(audioMasterOfflineWrite, 0, option, task));
}
bool AudioEffectX::offlineStart(void* files, std::int32_t numAudioFiles, std::int32_t numNewAudioFiles) {
    return isTrue(callHost(audioMasterOfflineStart, numNewAudioFiles, numAudioFiles, files));
}
std::int32_t AudioEffectX::offlineGetCurrentPass() {
    return isTrue(callHost(audioMasterOfflineGetCurrentPass)) ? 1 : 0;
}
std::int32_t AudioEffectX::offlineGetCurrentMetaPass() {
    return isTrue(callHost(audioMasterOfflineGetCurrentMetaPass)) ? 1 : 0;
}
bool AudioEffectX::offlineNotify(void*, std::int32_t, bool) { return false; }
bool AudioEffectX::offlinePrepare(void*, std::int32_t) { return false; }
bool AudioEffectX::offlineRun(void*, std::int32_t) { return false; }
std::int32_t AudioEffectX::offlineGetNumPasses() { return 0; }
std::int32_t AudioEffectX::offlineGetNumMetaPasses() { return 0; }
void AudioEffectX::setOutputSamplerate(float rate) { callHost(audioMasterSetOutputSampleRate, 0, 0, nullptr, rate); }
bool AudioEffectX::getSpeakerArrangement(void** input, void** output) {
    return isTrue(callHost(audioMasterGetSpeakerArrangement, 0, reinterpret_cast<std::intptr_t>(input), output));
}
bool AudioEffectX::getHostVendorString(char* text) {
    return isTrue(callHost(audioMasterGetVendorString, 0, 0, text));
}
bool AudioEffectX::getHostProductString(char* text) {
    return isTrue(callHost(audioMasterGetProductString, 0, 0, text));
}
std::int32_t AudioEffectX::getHostVendorVersion() {
    return static_cast<std::int32_t>(callHost(audioMasterGetVendorVersion));
}
std::int32_t AudioEffectX::hostVendorSpecific(std::int32_t first, std::int32_t second, void* ptr, float opt) {
    return static_cast<std::int32_t>(callHost(audioMasterVendorSpecific, first, second, ptr, opt));
}
std::int32_t AudioEffectX::canHostDo(char* text) { return isTrue(callHost(audioMasterCanDo, 0, 0, text)) ? 1 : 0; }
void AudioEffectX::isSynth(bool state) { setFlag(effFlagsIsSynth, state); }
void AudioEffectX::noTail(bool state) { setFlag(effFlagsNoSoundInStop, state); }
std::int32_t AudioEffectX::getHostLanguage() { return static_cast<std::int32_t>(callHost(audioMasterGetLanguage)); }
void* AudioEffectX::openWindow(void* window) {
    return reinterpret_cast<void*>(callHost(audioMasterOpenWindow, 0, 0, window));
}
bool AudioEffectX::closeWindow(void* window) { return isTrue(callHost(audioMasterCloseWindow, 0, 0, window)); }
void* AudioEffectX::getDirectory() { return reinterpret_cast<void*>(callHost(audioMasterGetDirectory)); }
bool AudioEffectX::updateDisplay() { return isTrue(callHost(audioMasterUpdateDisplay)); }
bool AudioEffectX::processVariableIo(void*) { return false; }
bool AudioEffectX::setSpeakerArrangement(void*, void*) { return false; }
void AudioEffectX::setBlockSizeAndSampleRate(std::int32_t frames, float rate) {
    blockSize = frames;
    sampleRate = rate;
}
bool AudioEffectX::setBypass(bool) { return false; }
bool AudioEffectX::getEffectName(char*) { return false; }
bool AudioEffectX::getErrorText(char*) { return false; }
bool AudioEffectX::getVendorString(char*) { return false; }
bool AudioEffectX::getProductString(char*) { return false; }
std::int32_t AudioEffectX::getVendorVersion() { return 0; }
std::int32_t AudioEffectX::vendorSpecific(std::int32_t, std::intptr_t, void*, float) { return 0; }
std::int32_t AudioEffectX::canDo(char*) { return 0; }
void* AudioEffectX::getIcon() { return nullptr; }
bool AudioEffectX::setViewPosition(std::int32_t, std::int32_t) { return false; }
std::int32_t AudioEffectX::getGetTailSize() { return 0; }
std::int32_t AudioEffectX::fxIdle() { return 0; }
bool AudioEffectX::getParameterProperties(std::int32_t, void*) { return false; }
bool AudioEffectX::keysRequired() { return false; }
std::int32_t AudioEffectX::getVstVersion() { return 2200; }
std::int32_t AudioEffectX::getMidiProgramName(std::int32_t, void*) { return 0; }
std::int32_t AudioEffectX::getCurrentMidiProgram(std::int32_t, void*) { return -1; }
std::int32_t AudioEffectX::getMidiProgramCategory(std::int32_t, void*) { return 0; }
bool AudioEffectX::hasMidiProgramsChanged(std::int32_t) { return false; }
bool AudioEffectX::getMidiKeyName(std::int32_t, void*) { return false; }
bool AudioEffectX::beginSetProgram() { return false; }
bool AudioEffectX::endSetProgram() { return false; }
bool AudioEffectX::beginEdit(std::int32_t index) { return isTrue(callHost(audioMasterBeginEdit, index)); }
bool AudioEffectX::endEdit(std::int32_t index) { return isTrue(callHost(audioMasterEndEdit, index)); }
bool AudioEffectX::openFileSelector(void* selector) {
    return selector && isTrue(callHost(audioMasterOpenFileSelector, 0, 0, selector));
}

bool AudioEffectX::sendVstEventsToHost(void* events) {
    return callHost(audioMasterProcessEvents, 0, 0, events) == 1;
}
bool AudioEffectX::closeFileSelector(void* selector) {
    return selector && isTrue(callHost(audioMasterCloseFileSelector, 0, 0, selector));
}
bool AudioEffectX::getChunkFile(void* pathBuffer) {
    return pathBuffer && isTrue(callHost(audioMasterGetChunkFile, 0, 0, pathBuffer));
}
