// What the field rotator and the zoom share as plug-ins: a first-order field in and out
// (W, X, Y, Z), NumParams stored parameters with fixed names and labels, 32 programs of
// those values and a name, the vendor and the surround category. A subclass adds the
// display texts, what a parameter change recomputes, and the processing.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>

#include "AudioEffectX.h"
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

template <std::int32_t NumParams>
class SoundFieldPlugin : public AudioEffectX {
   public:
    static constexpr std::int32_t kNumPrograms = 32;
    static constexpr std::int32_t kNumParams = NumParams;
    using Program = SoundFieldProgram<NumParams>;

    // Every program starts as `initial`. The subclass selects program 0 once its own
    // state exists.
    SoundFieldPlugin(audioMasterCallback audioMaster, const Program& initial, const char* const* names,
                     const char* const* labels)
        : AudioEffectX(audioMaster, kNumPrograms, NumParams), names_(names), labels_(labels) {
        for (auto& program : programs_) program = initial;
        for (std::int32_t i = 0; i < NumParams; ++i) relaxedStore(values_[i], initial.values[i]);
        setNumInputs(4);
        setNumOutputs(4);
        canProcessReplacing(true);
    }

    float getParameter(std::int32_t index) override { return isParam(index) ? liveValue(index) : 0.0f; }

    void getParameterName(std::int32_t index, char* text) override {
        if (isParam(index)) std::strcpy(text, names_[index]);
    }

    void getParameterLabel(std::int32_t index, char* text) override {
        if (isParam(index)) std::strcpy(text, labels_[index]);
    }

    // Replays the stored values through setParameter in index order.
    void setProgram(std::int32_t program) override {
        if (program < 0 || program >= kNumPrograms) return;
        curProgram = program;
        const Program stored = programs_[program];
        for (std::int32_t i = 0; i < NumParams; ++i) setParameter(i, stored.values[i]);
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

   protected:
    static bool isParam(std::int32_t index) { return index >= 0 && index < NumParams; }

    // The first half of every setParameter: stores a known index in the live value and
    // the current program, then marks an attached editor for refresh.
    void storeParameter(std::int32_t index, float value) {
        if (isParam(index)) {
            relaxedStore(values_[index], value);
            programs_[curProgram].values[index] = value;
        }
        if (editor) editor->markForRefresh();
    }

    float liveValue(std::int32_t index) const { return relaxedLoad(values_[index]); }

    // Written by the host's threads, read by the audio thread at block start.
    std::atomic<float> values_[NumParams];

   private:
    const char* const* names_;
    const char* const* labels_;
    Program programs_[kNumPrograms];
};

}  // namespace bformat
