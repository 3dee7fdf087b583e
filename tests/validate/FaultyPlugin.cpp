// A plug-in with the faults the validator must find, one per check it aims at:
//   process allocates on every block (real time),
//   a NaN input stays in its state for ever (numbers),
//   its parameter display runs to 100 characters (texts),
//   blocks of an odd size write one sample past the end (guard samples),
//   an empty chunk makes it read through a null pointer (state: a crash).
#include <cstring>
#include <vector>

#include "AudioEffectX.h"
#include "PluginEntry.h"

namespace {

class FaultyPlugin : public AudioEffectX {
public:
    explicit FaultyPlugin(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, 1, 1) {
        setNumInputs(1);
        setNumOutputs(1);
        setUniqueID(fourCharCode('O', 'V', 'f', 'y'));
        canProcessReplacing();
        programsAreChunks();
    }

    void setParameter(std::int32_t, float v) override { value = v; }
    float getParameter(std::int32_t) override { return value; }
    void getParameterDisplay(std::int32_t, char* text) override {
        std::memset(text, 'x', 100);
        text[100] = 0;
    }
    std::int32_t getChunk(void** data, bool) override {
        *data = &value;
        return sizeof value;
    }
    std::int32_t setChunk(void* data, std::int32_t byteSize, bool) override {
        const float* source = byteSize > 0 ? static_cast<const float*>(data) : nullptr;
        value = *source;
        return byteSize;
    }
    void process(float** inputs, float** outputs, std::int32_t frames) override { run(inputs, outputs, frames); }
    void processReplacing(float** inputs, float** outputs, std::int32_t frames) override {
        run(inputs, outputs, frames);
    }

private:
    void run(float** inputs, float** outputs, std::int32_t frames) {
        if (frames <= 0) return;
        std::vector<float> scratch(static_cast<std::size_t>(frames));
        for (std::int32_t i = 0; i < frames; ++i) {
            state = 0.5f * state + inputs[0][i];
            scratch[static_cast<std::size_t>(i)] = state;
        }
        const std::int32_t written = frames % 2 ? frames + 1 : frames;
        for (std::int32_t i = 0; i < written; ++i)
            outputs[0][i] = i < frames ? scratch[static_cast<std::size_t>(i)] : 0.0f;
    }

    float value = 0.5f;
    float state = 0.0f;
};

}  // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new FaultyPlugin(audioMaster); }
