// A loaded instance as the checks use it: the test host plus plain blocks with reusable
// buffers (no allocation per block, so the real-time check sees only the plug-in's).
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "TestHost.h"

namespace validate {

class Plugin {
public:
    // Loads and instantiates; `start` also sends open, rate, block size and mains on.
    explicit Plugin(const std::string& library, bool start = true, float rateHz = 44100.0f,
                    std::int32_t blockFrames = 512);

    bool ready() const { return effect != nullptr; }
    const std::string& error() const { return error_; }

    // Runs one block through processReplacing (or process) with the buffers prepared by
    // prepare(); inputs are read from `in`, outputs land in `out`.
    void prepare(std::int32_t maxFrames);
    void processReplacing(std::int32_t frames);
    void processAccumulating(std::int32_t frames);
    std::vector<std::vector<float>> in, out;

    // Fills every input channel of the first `frames` samples from `next`.
    template <typename Source>
    void fillInputs(std::int32_t frames, Source next) {
        for (auto& channel : in)
            for (std::int32_t i = 0; i < frames; ++i) channel[static_cast<std::size_t>(i)] = next();
    }
    // True when the first `frames` samples of every output are finite.
    bool outputsFinite(std::int32_t frames) const;

    std::int32_t numInputs() const { return effect ? effect->numInputs : 0; }
    std::int32_t numOutputs() const { return effect ? effect->numOutputs : 0; }

    testhost::TestHost host;
    AEffect* effect = nullptr;

private:
    std::string error_;
    std::vector<float*> inPointers_, outPointers_;
};

// The same noise sequence in every run.
class Noise {
public:
    explicit Noise(std::uint32_t seed = 1, float amplitude = 0.5f) : random_(seed), dist_(-amplitude, amplitude) {}
    float operator()() { return dist_(random_); }
    std::mt19937& engine() { return random_; }

private:
    std::mt19937 random_;
    std::uniform_real_distribution<float> dist_;
};

bool isFinite(float v);

}  // namespace validate
