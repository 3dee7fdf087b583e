// The fixed table of renders every platform's build makes for the cross-platform golden
// check: each deliverable with a few parameter sets and programs, a noise-and-impulse
// input, in blocks of 512 and of 37 frames. GoldenRenderTest.cpp writes the renders;
// golden_compare compares the files of the three platforms sample by sample.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace golden {

constexpr float kSampleRateHz = 48000.0f;
constexpr std::int32_t kFrames = 24000;
constexpr std::int32_t kBlockSizes[] = {512, 37};

// Library names under dist/<platform>/ (a name not found there is looked for in test-only/).
inline const std::vector<std::string>& deliverables() {
    static const std::vector<std::string> names = {"orva_panner_master", "orva_panner_effect", "orva_field",
                                                   "orva_zoom",          "qel_filter",         "orva_decoder_ui",
                                                   "halvane"};
    return names;
}

// One render: a program chosen first, then every parameter set from `firstValues`, and
// halfway through every parameter moved to `secondValues`, so the glides and the
// once-per-block coefficient maths run as well as steady state. An automated render sets
// every parameter to new values before each block, as a host playing automation does, so
// that many different coefficients are computed.
struct GoldenCase {
    const char* name;
    int program;  // -1: the last program
    std::uint32_t firstSeed;
    std::uint32_t secondSeed;
    bool automated;
};

inline const std::vector<GoldenCase>& cases() {
    static const std::vector<GoldenCase> table = {
        {"program0", 0, 0, 11, false},
        {"lastprogram", -1, 0, 23, false},
        {"values", 0, 37, 41, false},
        {"automation", 0, 53, 1000, true},
    };
    return table;
}

// Small deterministic generator: the same numbers on every platform and compiler.
inline std::uint32_t nextRandom(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state;
}

// Parameter value for one seed and index in [0, 1]; seed 0 keeps the program's value.
inline float parameterValue(std::uint32_t seed, std::int32_t index) {
    std::uint32_t state = seed * 2654435761u + std::uint32_t(index) * 40503u;
    nextRandom(state);
    return float(nextRandom(state) >> 8) / float(1u << 24);
}

// White noise at about -12 dBFS with a full-scale impulse every 4801 frames, a different
// sequence in each channel.
inline std::vector<std::vector<float>> input(int channels) {
    std::vector<std::vector<float>> out(static_cast<std::size_t>(channels), std::vector<float>(kFrames));
    for (int c = 0; c < channels; ++c) {
        std::uint32_t state = 12345u + std::uint32_t(c) * 777u;
        for (std::int32_t i = 0; i < kFrames; ++i) {
            const float noise = float(nextRandom(state) >> 8) / float(1u << 23) - 1.0f;
            out[std::size_t(c)][std::size_t(i)] = (i % 4801 == 100 + 7 * c) ? 1.0f : 0.25f * noise;
        }
    }
    return out;
}

inline std::string fileName(const std::string& deliverable, const GoldenCase& c, std::int32_t block) {
    return deliverable + "_" + c.name + "_b" + std::to_string(block) + ".f32";
}

}  // namespace golden
