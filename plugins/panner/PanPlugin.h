// The stereo B-format panner: two positioned sources into first-order W, X, Y, Z. One
// class serves both variants; the master variant adds the pan position, the mirror type
// (pan mode) and the pan-angle display in front of the sixteen source parameters.
//
// Editor builds derive from this class (setting their own unique ID, creating the editor
// and passing setParameter on to it) without touching the signal path.
#pragma once

#include <atomic>
#include <cstdint>

#include "AudioEffectX.h"
#include "PanEncoder.h"
#include "PanParameters.h"
#include "PanProgram.h"
#include "RelaxedFloat.h"

enum class PanVariant { Master, Effect };

class PanPlugin : public AudioEffectX {
public:
    static constexpr std::int32_t kNumPrograms = 32;

    PanPlugin(audioMasterCallback audioMaster, PanVariant variant);

    // [thread-safe] Host indices of the variant.
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterName(std::int32_t index, char* text) override;
    void getParameterLabel(std::int32_t index, char* text) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    void setProgram(std::int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;

    bool getVendorString(char* text) override;
    std::int32_t getPlugCategory() override;

    // [audio-thread] Targets once per block, then the encoder's sample loop.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

    // Called once per block. The distance gains take a Centre below 0.001 as 0.001 for the
    // block; the parameter keeps its value.
    virtual double leftDistanceGain(double exponent);
    virtual double rightDistanceGain(double exponent);
    virtual double volumeGain(double vol);

    bool isMaster() const { return variant_ == PanVariant::Master; }

private:
    // Master index of a host index, or −1 outside the variant's table.
    std::int32_t masterIndexOf(std::int32_t index) const;
    double currentPanAngle() const;
    double sourceDistanceGain(const PanSourceValues& source, double exponent) const;
    float liveValue(std::int32_t masterIndex) const;
    PanValues liveSnapshot() const;
    void prepareBlock();

    const PanVariant variant_;
    const std::size_t nameSize_;
    PanProgram programs_[kNumPrograms];
    // The live values by master index, written by the host's threads; the audio thread
    // copies them once per block into blockValues_ and works from that copy only.
    std::atomic<float> live_[kPanMasterParamCount];
    PanValues blockValues_;
    // The encoder holds the targets of blockValues_: a block with the same values keeps them
    // instead of working the trigonometry and powers out again.
    bool targetsCurrent_ = false;
    double lastPanAngleRad_ = 0.0;
    PanEncoder encoder_;
};
