// Rig decoder: second-order B-format (nine channels) to one of ten loudspeaker rigs, with a
// blend between strict-soundfield and controlled-opposites decoding, forced first order,
// an output volume and a loudspeaker test that plays `testtone.wav` (found beside the
// library) through each speaker in turn. The editor build derives from this class and adds
// only its editor.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "AudioEffectX.h"
#include "RigDecoderProgram.h"
#include "RigDecoding.h"
#include "ToneFile.h"

class RigDecoderPlugin : public AudioEffectX {
public:
    enum Param : std::int32_t { kRig, kBlend, kVolume, kFirstOrder, kSpeakerTest, kTestLoop, kNumParams };
    static constexpr std::int32_t kNumPrograms = 1;
    static constexpr std::int32_t kNumInputs = 9;
    static constexpr std::int32_t kNumOutputs = 12;
    static constexpr std::int32_t kChunkSize = 48;

    explicit RigDecoderPlugin(audioMasterCallback audioMaster);

    // [thread-safe] The audio thread calls it too when the speaker test ends itself. Stores
    // the value in the program and the current values; setting the test to exactly 0.0 also
    // makes the test start again at the first speaker.
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterName(std::int32_t index, char* text) override;
    void getParameterLabel(std::int32_t index, char* text) override;
    void getParameterDisplay(std::int32_t index, char* text) override;

    // [ui-thread]
    void setProgram(std::int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    // The block stays valid until the next call or destruction.
    std::int32_t getChunk(void** data, bool isPreset) override;
    std::int32_t setChunk(void* data, std::int32_t byteSize, bool isPreset) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    void open() override {}
    void close() override {}
    void suspend() override {}
    void resume() override {}

    // [audio-thread] Both entries overwrite the outputs. The parameters are read for every
    // frame; nothing allocates or locks.
    void process(float** inputs, float** outputs, std::int32_t sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) override;

    // True once `testtone.wav` was read; the editor starts the test only then.
    bool isToneLoaded() const { return toneLoaded; }

protected:
    const rig::TestTone& testTone() const { return tone; }

private:
    struct FrameParameters {
        float test, rig, blend, volume, firstOrder;
        bool decodesLike(const FrameParameters& other) const;
    };

    void loadTestTone();
    FrameParameters readParameters() const;
    void decodeFrames(const FrameParameters& p, float** inputs, float** outputs, std::int32_t start,
                      std::int32_t frames);
    bool playTestFrame(const FrameParameters& p, float** outputs, std::int32_t frame);
    float value(std::int32_t index) const { return values[index].load(std::memory_order_relaxed); }

    RigDecoderProgram programs[kNumPrograms];
    // Written by the host's threads, read by the audio thread on every frame.
    std::atomic<float> values[kNumParams];
    std::unique_ptr<unsigned char[]> chunk;

    rig::TestTone tone;
    bool toneLoaded = false;

    // Loudspeaker test state, owned by the audio thread; a test value of exactly 0.0 asks
    // it (through the flag) to start over at the first speaker.
    std::int16_t currentSpeaker = 0;
    std::uint32_t tonePosition = 0;
    std::atomic<bool> restartTest{false};

    rig::BlendedMatrix matrix;
};
