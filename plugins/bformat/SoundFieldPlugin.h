// What the field rotator and the zoom share as plug-ins: a first-order field in and out
// (W, X, Y, Z), NumParams stored parameters declared in one table (names, labels, display
// kinds, defaults, program slots, replay order), 32 programs of those values and a name,
// the vendor, the surround category and the block structure around a Processor (targets
// once per block, then its sample loop). A subclass adds the display texts and how the
// block's targets follow from the live values.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>

#include "AudioEffectX.h"
#include "ParameterTable.h"
#include "PluginEditor.h"
#include "ProgramName.h"
#include "RelaxedFloat.h"

namespace bformat {

constexpr int kSoundFieldNameSize = 24;  // NUL included

template <std::int32_t NumParams>
struct SoundFieldProgram {
    float values[NumParams];
    char name[kSoundFieldNameSize];
};

template <typename Display, std::int32_t NumParams, typename Processor>
class SoundFieldPlugin : public AudioEffectX {
public:
    static constexpr std::int32_t kNumPrograms = 32;
    static constexpr std::int32_t kNumParams = NumParams;
    using Program = SoundFieldProgram<NumParams>;
    using Row = ParameterRow<Display>;
    using Table = Row[NumParams];

    // Every program starts with the table's defaults and `newProgramName`; program 0 is
    // selected. The subclass holds no state of its own that a parameter change touches.
    SoundFieldPlugin(audioMasterCallback audioMaster, const Table& table, const char* newProgramName,
                     std::int32_t uniqueId)
        : AudioEffectX(audioMaster, kNumPrograms, NumParams), table_(table), replayOrder_(replayOrder(table)) {
        Program initial{};
        for (std::int32_t i = 0; i < NumParams; ++i)
            writeSlot(initial.values, table[i].programSlot, table[i].defaultValue);
        storeProgramName(initial.name, kSoundFieldNameSize, newProgramName);
        for (auto& program : programs_) program = initial;
        for (std::int32_t i = 0; i < NumParams; ++i) relaxedStore(values_[i], table[i].defaultValue);
        setProgram(0);
        setUniqueID(uniqueId);
        setNumInputs(4);
        setNumOutputs(4);
        canProcessReplacing(true);
    }

    // [thread-safe]
    void setParameter(std::int32_t index, float value) override { storeParameter(index, value); }
    float getParameter(std::int32_t index) override { return isParam(index) ? liveValue(index) : 0.0f; }

    void getParameterName(std::int32_t index, char* text) override {
        if (isParam(index)) std::strcpy(text, table_[index].name);
    }

    void getParameterLabel(std::int32_t index, char* text) override {
        if (isParam(index)) std::strcpy(text, table_[index].label);
    }

    // Replays the stored values through setParameter in the table's replay order.
    void setProgram(std::int32_t program) override {
        if (program < 0 || program >= kNumPrograms) return;
        curProgram = program;
        const Program stored = programs_[program];
        for (std::int32_t i : replayOrder_) setParameter(i, readSlot(stored.values, table_[i].programSlot));
    }

    void setProgramName(char* name) override {
        storeProgramName(programs_[curProgram].name, kSoundFieldNameSize, name);
    }

    void getProgramName(char* name) override { reportProgramName(programs_[curProgram].name, curProgram, name); }

    bool getVendorString(char* text) override {
        std::strcpy(text, "Venmor Arts Lab.");
        return true;
    }

    std::int32_t getPlugCategory() override { return kPlugSurroundFx; }

    // [audio-thread] Targets once per block, then the processor's loop.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override {
        setBlockTargets();
        if (sampleFrames > 0 && inputs && outputs) processor_.processAccumulating(inputs, outputs, sampleFrames);
    }

    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override {
        setBlockTargets();
        if (sampleFrames > 0 && inputs && outputs) processor_.processReplacing(inputs, outputs, sampleFrames);
    }

protected:
    static bool isParam(std::int32_t index) { return index >= 0 && index < NumParams; }

    // The first half of every setParameter: stores a known index in the live value and
    // the current program, then marks an attached editor for refresh.
    void storeParameter(std::int32_t index, float value) {
        if (isParam(index)) {
            relaxedStore(values_[index], value);
            writeSlot(programs_[curProgram].values, table_[index].programSlot, value);
        }
        if (editor) editor->markForRefresh();
    }

    float liveValue(std::int32_t index) const { return relaxedLoad(values_[index]); }

    // [audio-thread] Derives the processor's targets from the live values itself, so that
    // nothing another thread computes is shared with the audio thread.
    virtual void setBlockTargets() = 0;
    Display displayOf(std::int32_t index) const { return table_[index].display; }

    // Written by the host's threads, read by the audio thread at block start.
    std::atomic<float> values_[NumParams];
    Processor processor_;

private:
    const Table& table_;
    const std::array<std::int32_t, NumParams> replayOrder_;
    Program programs_[kNumPrograms];
};

}  // namespace bformat
