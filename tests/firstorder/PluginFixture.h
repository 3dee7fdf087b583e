// Loads one of the first-order plug-ins through the test host and runs constant or given
// signals through it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestHost.h"

namespace firstorder {

using Signal = std::vector<std::vector<float>>;

// Frames after which every glide has settled (0.999^40000 is below 1e-17).
constexpr std::int32_t kSettleFrames = 40000;

inline Signal constantSignal(const std::vector<float>& perChannel, std::int32_t frames) {
    Signal s;
    for (float v : perChannel) s.emplace_back(static_cast<std::size_t>(frames), v);
    return s;
}

// A deterministic, non-trivial test signal per channel.
inline Signal wobbleSignal(int channels, std::int32_t frames) {
    Signal s(static_cast<std::size_t>(channels));
    std::uint32_t state = 12345u;
    for (auto& channel : s)
        for (std::int32_t i = 0; i < frames; ++i) {
            state = state * 1664525u + 1013904223u;
            channel.push_back(static_cast<float>(state >> 8) / 8388608.0f - 1.0f);
        }
    return s;
}

class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::string& name) : host(testhost::pluginPath(name)) {
        if (host.loaded()) host.instantiateAndStart();
    }
    bool ready() const { return host.effect() != nullptr; }

    // Runs a constant input until the glides have settled; answers the last frame.
    std::vector<float> settledOutput(const std::vector<float>& input) {
        auto result = host.runSignal(testhost::ProcessMode::Replacing, constantSignal(input, kSettleFrames),
                                     kSettleFrames, 4096);
        std::vector<float> last;
        for (const auto& channel : result.outputs) last.push_back(channel.empty() ? 0.0f : channel.back());
        return last;
    }

    testhost::TestHost host;
};

}  // namespace firstorder
