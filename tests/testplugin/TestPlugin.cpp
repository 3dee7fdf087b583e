// A plug-in on the base classes for tests of the host-interface layer through the real
// record. Its vendor-specific opcode is a back door into the base's operations:
//   index 1..5   value-to-text conversion (dB, Hz, ms, float, long) of opt (long: value) into ptr
//   index 10     create a twin without host callback; answers its record
//   index 11     run host query number `value` (see runHostQuery) and answer its result
//   index 12     setParameterAutomated(value, opt)
//   index 20     attach an editor that records key codes (answers as packed integers)
#include <cstring>

#include "AudioEffectX.h"
#include "PluginEditor.h"
#include "PluginEntry.h"
#include "ProgramName.h"

namespace {

constexpr std::int32_t kNumPrograms = 4;
enum Param : std::int32_t { kGain, kVu, kLevel, kNumParams };

struct TestProgram {
    float values[kNumParams] = {1.0f, 0.0f, 0.5f};
    char name[24] = "Init";
};

class KeyRecordingEditor : public PluginEditor {
public:
    using PluginEditor::PluginEditor;
    std::int32_t keyDown(VstKeyCode& key) override { return pack(key); }
    std::int32_t keyUp(VstKeyCode& key) override { return -pack(key); }
    std::int32_t setKnobMode(std::int32_t mode) override { return 100 + mode; }
    std::int32_t open(void* parent) override {
        PluginEditor::open(parent);
        return 1;
    }

private:
    static std::int32_t pack(const VstKeyCode& key) { return key.character << 16 | key.virt << 8 | key.modifier; }
};

class TestPlugin : public AudioEffectX {
public:
    explicit TestPlugin(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
        setNumInputs(1);
        setNumOutputs(2);
        setUniqueID(fourCharCode('O', 'V', 't', 'p'));
        canProcessReplacing();
        setProgram(0);
    }

    void setParameter(std::int32_t index, float value) override {
        if (index < 0 || index >= kNumParams) return;
        values[index] = value;
        programs[curProgram].values[index] = value;
        if (editor) editor->markForRefresh();
    }
    float getParameter(std::int32_t index) override {
        return (index >= 0 && index < kNumParams) ? values[index] : 0.0f;
    }
    void setProgram(std::int32_t program) override {
        curProgram = program;
        for (std::int32_t i = 0; i < kNumParams; ++i) setParameter(i, programs[program].values[i]);
    }
    void setProgramName(char* name) override { storeProgramName(programs[curProgram].name, 24, name); }
    void getProgramName(char* name) override { reportProgramName(programs[curProgram].name, curProgram, name); }
    void getParameterName(std::int32_t index, char* text) override {
        static const char* names[kNumParams] = {"Gain", "Vu", "Level"};
        if (index >= 0 && index < kNumParams) std::strcpy(text, names[index]);
    }
    void getParameterLabel(std::int32_t index, char* text) override {
        if (index == kGain) std::strcpy(text, "dB");
    }
    void getParameterDisplay(std::int32_t index, char* text) override {
        if (index == kGain) dB2string(values[kGain], text);
        else if (index == kVu) float2string(values[kVu], text);
        else if (index == kLevel) long2string(percent(values[kLevel]), text);
    }
    float getVu() override { return values[kVu]; }
    // Whole percent of a value; values no int can hold (a host may send any float) show 0.
    static std::int32_t percent(float value) {
        const float p = value * 100.0f;
        return p > -2147483648.0f && p < 2147483648.0f ? static_cast<std::int32_t>(p) : 0;
    }
    bool getVendorString(char* text) override {
        std::strcpy(text, "Orva Test");
        return true;
    }
    bool getProductString(char* text) override {
        std::strcpy(text, "Base Layer Probe");
        return true;
    }
    std::int32_t getPlugCategory() override { return kPlugCategEffect; }
    void open() override { opened++; }
    void suspend() override { mains = 0; }
    void resume() override { mains = 1; }

    void process(float** inputs, float** outputs, std::int32_t frames) override {
        for (std::int32_t i = 0; i < frames; ++i) {
            const float x = inputs[0][i] * values[kGain];
            outputs[0][i] += x;
            outputs[1][i] += x;
        }
    }
    void processReplacing(float** inputs, float** outputs, std::int32_t frames) override {
        for (std::int32_t i = 0; i < frames; ++i) {
            const float x = inputs[0][i] * values[kGain];  // read before writing: in-place safe
            outputs[0][i] = x;
            outputs[1][i] = x;
        }
    }

    std::int32_t vendorSpecific(std::int32_t index, std::intptr_t value, void* ptr, float opt) override;

private:
    std::int32_t runHostQuery(std::intptr_t which);

    float values[kNumParams] = {};
    TestProgram programs[kNumPrograms];
    int opened = 0;
    int mains = -1;
};

std::int32_t TestPlugin::runHostQuery(std::intptr_t which) {
    char text[256] = "";
    int dummy = 0;
    switch (which) {
        case 0: return getMasterVersion();
        case 1: return getCurrentUniqueId();
        case 2: return isInputConnected(1) ? 1 : 0;
        case 3: return isOutputConnected(0) ? 1 : 0;
        case 4: return updateDisplay() ? 1 : 0;
        case 5: return beginEdit(3) ? 1 : 0;
        case 6: return endEdit(3) ? 1 : 0;
        case 7: return openFileSelector(nullptr) ? 1 : 0;
        case 8: return sizeWindow(300, 200) ? 1 : 0;
        case 9: return getHostVendorString(text) ? 1 : 0;
        case 10: return static_cast<std::int32_t>(updateSampleRate());
        case 11: return updateBlockSize();
        case 12: return getTimeInfo(0) ? 1 : 0;
        case 13: return canHostDo(text) ;
        case 14: return sendVstEventsToHost(&dummy) ? 1 : 0;
        case 15: return closeFileSelector(nullptr) ? 1 : 0;
        case 16: masterIdle(); return 0;
        case 17: return getCurrentMidiProgram(0, nullptr);
        case 18: return mains;
        case 19: return opened;
        default: return -999;
    }
}

std::int32_t TestPlugin::vendorSpecific(std::int32_t index, std::intptr_t value, void* ptr, float opt) {
    auto* text = static_cast<char*>(ptr);
    switch (index) {
        case 1: dB2string(opt, text); return 1;
        case 2: Hz2string(opt, text); return 1;
        case 3: ms2string(opt, text); return 1;
        case 4: float2string(opt, text); return 1;
        case 5: long2string(static_cast<std::int32_t>(value), text); return 1;
        case 10: {
            auto* twin = new TestPlugin(nullptr);
            *static_cast<AEffect**>(ptr) = twin->getAeffect();
            return 1;
        }
        case 11: return runHostQuery(value);
        case 12: setParameterAutomated(static_cast<std::int32_t>(value), opt); return 1;
        case 20:
            if (!editor) setEditor(new KeyRecordingEditor(this));
            return 1;
        default: return 0;
    }
}

}  // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new TestPlugin(audioMaster); }
