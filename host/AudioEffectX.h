// Extended plug-in base: answers opcodes 25 to 68 with neutral defaults, wraps the host's
// extended queries, and adds the remaining capability flags. Every plug-in derives from it.
#pragma once

#include "AudioEffect.h"

class AudioEffectX : public AudioEffect {
public:
    AudioEffectX(audioMasterCallback audioMaster, std::int32_t numPrograms, std::int32_t numParams);

    // [ui-thread] Opcodes 25 and up; the rest go to AudioEffect::dispatcher.
    std::intptr_t dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                             float opt) override;

    virtual PluginEditor* getEditor();
    virtual void wantEvents(std::int32_t filter = 1);
    virtual void* getTimeInfo(std::int32_t filter);
    virtual std::int32_t tempoAt(std::int32_t pos);
    virtual std::int32_t processEvents(void* events);
    virtual std::int32_t getNumAutomatableParameters();
    virtual std::int32_t getParameterQuantization();
    virtual bool canParameterBeAutomated(std::int32_t index);
    virtual bool string2parameter(std::int32_t index, char* text);
    virtual float getChannelParameter(std::int32_t channel, std::int32_t index);
    virtual std::int32_t getNumCategories();
    virtual bool getProgramNameIndexed(std::int32_t category, std::int32_t index, char* text);
    virtual bool copyProgram(std::int32_t destination);
    virtual bool ioChanged();
    virtual bool needIdle();
    virtual bool sizeWindow(std::int32_t width, std::int32_t height);
    virtual double updateSampleRate();
    virtual std::int32_t updateBlockSize();
    virtual std::int32_t getInputLatency();
    virtual std::int32_t getOutputLatency();
    virtual AEffect* getPreviousPlug(std::int32_t input);
    virtual AEffect* getNextPlug(std::int32_t output);
    virtual void inputConnected(std::int32_t index, bool state);
    virtual void outputConnected(std::int32_t index, bool state);
    virtual bool getInputProperties(std::int32_t index, void* properties);
    virtual bool getOutputProperties(std::int32_t index, void* properties);
    virtual std::int32_t getPlugCategory();
    virtual std::int32_t willProcessReplacing();
    virtual std::int32_t getCurrentProcessLevel();
    virtual std::int32_t getAutomationState();
    virtual void wantAsyncOperation(bool state = true);
    virtual void hasExternalBuffer(bool state = true);
    virtual std::int32_t reportCurrentPosition();
    virtual float* reportDestinationBuffer();
    virtual bool offlineRead(void* task, std::int32_t option, bool readSource = true);
    virtual bool offlineWrite(void* task, std::int32_t option);
    virtual bool offlineStart(void* files, std::int32_t numAudioFiles, std::int32_t numNewAudioFiles);
    virtual std::int32_t offlineGetCurrentPass();
    virtual std::int32_t offlineGetCurrentMetaPass();
    virtual bool offlineNotify(void* files, std::int32_t count, bool start);
    virtual bool offlinePrepare(void* task, std::int32_t count);
    virtual bool offlineRun(void* task, std::int32_t count);
    virtual std::int32_t offlineGetNumPasses();
    virtual std::int32_t offlineGetNumMetaPasses();
    virtual void setOutputSamplerate(float rate);
    virtual bool getSpeakerArrangement(void** input, void** output);
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual std::int32_t getHostVendorVersion();
    virtual std::int32_t hostVendorSpecific(std::int32_t first, std::int32_t second, void* ptr, float opt);
    virtual std::int32_t canHostDo(char* text);
    virtual void isSynth(bool state = true);
    virtual void noTail(bool state = true);
    virtual std::int32_t getHostLanguage();
    virtual void* openWindow(void* window);
    virtual bool closeWindow(void* window);
    virtual void* getDirectory();
    // [thread-safe] The master panner calls it from its audio processing.
    virtual bool updateDisplay();
    virtual bool processVariableIo(void* varIo);
    virtual bool setSpeakerArrangement(void* input, void* output);
    virtual void setBlockSizeAndSampleRate(std::int32_t blockSize, float rate);
    virtual bool setBypass(bool onOff);
    virtual bool getEffectName(char* name);
    virtual bool getErrorText(char* text);
    virtual bool getVendorString(char* text);
    virtual bool getProductString(char* text);
    virtual std::int32_t getVendorVersion();
    virtual std::int32_t vendorSpecific(std::int32_t first, std::intptr_t second, void* ptr, float opt);
    virtual std::int32_t canDo(char* text);
    virtual void* getIcon();
    virtual bool setViewPosition(std::int32_t x, std::int32_t y);
    virtual std::int32_t getGetTailSize();
    virtual std::int32_t fxIdle();
    virtual bool getParameterProperties(std::int32_t index, void* properties);
    virtual bool keysRequired();
    virtual std::int32_t getVstVersion();
    virtual std::int32_t getMidiProgramName(std::int32_t channel, void* name);
    virtual std::int32_t getCurrentMidiProgram(std::int32_t channel, void* name);
    virtual std::int32_t getMidiProgramCategory(std::int32_t channel, void* category);
    virtual bool hasMidiProgramsChanged(std::int32_t channel);
    virtual bool getMidiKeyName(std::int32_t channel, void* keyName);
    virtual bool beginSetProgram();
    virtual bool endSetProgram();
    // [ui-thread] Bracket one user gesture on a parameter (host opcodes 43 and 44).
    virtual bool beginEdit(std::int32_t index);
    virtual bool endEdit(std::int32_t index);
    virtual bool openFileSelector(void* selector);

    bool sendVstEventsToHost(void* events);
    bool closeFileSelector(void* selector);
    bool getChunkFile(void* pathBuffer);
};
