// Plug-in base: owns the record handed to the host, turns opcodes 0 to 24 into virtual
// calls, keeps sample rate, block size, current program and the host callback, and holds
// the value-to-text conversions every plug-in uses for its parameter displays.
//
// Threads: the host calls the dispatcher from its UI thread, process/processReplacing from
// its audio thread, and setParameter/getParameter from either. Nothing here locks. A value
// one thread writes and another reads is a relaxed atomic (RelaxedFloat.h), and the audio
// thread copies what it needs once per block; the record and the other fields here are set
// while the host is not processing. Host-called entry points carry one of three tags:
// [ui-thread], [audio-thread] or [thread-safe] (either thread, at any time).
#pragma once

#include <cstdint>

#include "AEffect.h"

class PluginEditor;

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, std::int32_t numPrograms, std::int32_t numParams);
    virtual ~AudioEffect();

    // [thread-safe] Some hosts call these from the audio thread too.
    virtual void setParameter(std::int32_t index, float value);
    virtual float getParameter(std::int32_t index);
    // [ui-thread] Stores the value first, then tells the host (audioMasterAutomate).
    virtual void setParameterAutomated(std::int32_t index, float value);

    // [audio-thread] process adds into the outputs; processReplacing overwrites them.
    virtual void process(float** inputs, float** outputs, std::int32_t sampleFrames) = 0;
    virtual void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames);

    // [ui-thread] Opcodes 0 to 24; everything else answers 0.
    virtual std::intptr_t dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                     float opt);

    virtual void open();
    virtual void close();
    virtual std::int32_t getProgram();
    virtual void setProgram(std::int32_t program);
    virtual void setProgramName(char* name);
    virtual void getProgramName(char* name);
    virtual void getParameterLabel(std::int32_t index, char* label);
    virtual void getParameterDisplay(std::int32_t index, char* text);
    virtual void getParameterName(std::int32_t index, char* text);
    virtual float getVu();
    virtual std::int32_t getChunk(void** data, bool isPreset);
    virtual std::int32_t setChunk(void* data, std::int32_t byteSize, bool isPreset);
    virtual void setSampleRate(float sampleRate);
    virtual void setBlockSize(std::int32_t blockSize);
    virtual void suspend();
    virtual void resume();

    // Record setters: called from constructors, since hosts read the record once at load.
    virtual void setUniqueID(std::int32_t id);
    virtual void setNumInputs(std::int32_t inputs);
    virtual void setNumOutputs(std::int32_t outputs);
    virtual void hasVu(bool state = true);
    virtual void hasClip(bool state = true);
    virtual void canMono(bool state = true);
    virtual void canProcessReplacing(bool state = true);
    virtual void programsAreChunks(bool state = true);
    virtual void setRealtimeQualities(std::int32_t qualities);
    virtual void setOfflineQualities(std::int32_t qualities);
    virtual void setInitialDelay(std::int32_t delay);

    virtual float getSampleRate();
    virtual std::int32_t getBlockSize();

    // Host queries; without a host callback each answers its neutral value.
    virtual std::int32_t getMasterVersion();
    virtual std::int32_t getCurrentUniqueId();
    virtual void masterIdle();
    virtual bool isInputConnected(std::int32_t input);
    virtual bool isOutputConnected(std::int32_t output);

    // Eight-character value texts (at most 8 characters plus the NUL).
    virtual void dB2string(float value, char* text);
    virtual void Hz2string(float samples, char* text);
    virtual void ms2string(float samples, char* text);
    virtual void float2string(float value, char* text);
    virtual void long2string(std::int32_t value, char* text);

    AEffect* getAeffect() { return &cEffect; }
    PluginEditor* getEditorPointer() const { return editor; }
    // The editor base installs itself here; the plug-in deletes it on destruction.
    void setEditor(PluginEditor* newEditor) { editor = newEditor; }
    void setFlag(std::int32_t bit, bool state);

protected:
    // Sends one opcode to the host; answers `fallback` when there is no host callback.
    std::intptr_t callHost(std::int32_t opcode, std::int32_t index = 0, std::intptr_t value = 0,
                           void* ptr = nullptr, float opt = 0.0f, std::intptr_t fallback = 0);

    float sampleRate;
    PluginEditor* editor;
    audioMasterCallback audioMaster;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t curProgram;
    std::int32_t blockSize;
    AEffect cEffect;

private:
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;
};
