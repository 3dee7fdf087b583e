// Processing rules shared by the four first-order libraries: process adds, processReplacing
// overwrites, in-place buffers give the same samples as separate ones, buffers are not
// overrun, and a NaN or infinite parameter value does not stop the plug-in for ever.
#include <algorithm>
#include <cmath>
#include <limits>

#include "PluginFixture.h"

using firstorder::LoadedPlugin;
using testhost::ProcessMode;

namespace {

struct Setup {
    const char* library;
    int inputs;
    std::vector<std::pair<int, float>> values;  // non-default values that move every path
};

const Setup kSetups[] = {
    {"orva_panner_master", 2, {{0, 0.8f}, {1, 0.3f}, {2, 0.25f}, {4, 0.3f}, {13, 0.7f}, {7, 0.9f}}},
    {"orva_panner_effect", 2, {{0, 0.3f}, {1, 0.6f}, {3, 0.9f}, {8, 0.6f}, {11, 0.3f}}},
    {"orva_field", 4, {{0, 0.1f}, {1, 0.35f}, {2, 0.8f}, {3, 0.6f}}},
    {"orva_zoom", 4, {{0, 0.3f}, {1, 0.4f}, {2, 0.2f}}},
};

LoadedPlugin& configured(LoadedPlugin& p, const Setup& s) {
    for (const auto& [index, value] : s.values) p.host.setParameter(index, value);
    return p;
}

// Long enough for the glides to move and then to settle on their fixed point.
constexpr std::int32_t kFrames = 45000;
constexpr std::int32_t kBlock = 256;

}  // namespace

TEST(ProcessingModes, InPlaceGivesTheSameSamplesAsSeparateBuffers) {
    for (const auto& s : kSetups) {
        SCOPED_TRACE(s.library);
        LoadedPlugin separate(s.library), inPlace(s.library);
        ASSERT_TRUE(separate.ready() && inPlace.ready());
        const auto signal = firstorder::wobbleSignal(s.inputs, kFrames);
        auto a = configured(separate, s).host.runSignal(ProcessMode::Replacing, signal, kFrames, kBlock);
        auto b = configured(inPlace, s).host.runSignal(ProcessMode::InPlace, signal, kFrames, kBlock);
        EXPECT_TRUE(a.guardsIntact);
        EXPECT_TRUE(b.guardsIntact);
        EXPECT_EQ(a.outputs, b.outputs);
    }
}

TEST(ProcessingModes, ProcessAddsAndProcessReplacingOverwrites) {
    for (const auto& s : kSetups) {
        SCOPED_TRACE(s.library);
        LoadedPlugin replaceOnZero(s.library), replaceOnJunk(s.library), accumulate(s.library);
        ASSERT_TRUE(replaceOnZero.ready() && replaceOnJunk.ready() && accumulate.ready());
        const auto signal = firstorder::wobbleSignal(s.inputs, kFrames);
        for (std::int32_t start = 0; start < kFrames; start += kBlock) {
            const std::int32_t n = std::min(kBlock, kFrames - start);
            std::vector<std::vector<float>> slice;
            for (const auto& channel : signal)
                slice.emplace_back(channel.begin() + start, channel.begin() + start + n);
            auto& r0 = configured(replaceOnZero, s).host;
            auto& r1 = configured(replaceOnJunk, s).host;
            auto& acc = configured(accumulate, s).host;
            auto zero = r0.runBlock(ProcessMode::Replacing, slice, n, 0.0f);
            auto junk = r1.runBlock(ProcessMode::Replacing, slice, n, 7.5f);
            auto added = acc.runBlock(ProcessMode::Accumulating, slice, n, 0.5f);
            ASSERT_EQ(zero.outputs, junk.outputs) << start;
            EXPECT_TRUE(added.guardsIntact);
            for (std::size_t c = 0; c < zero.outputs.size(); ++c)
                for (std::int32_t i = 0; i < n; ++i)
                    ASSERT_NEAR(added.outputs[c][i], zero.outputs[c][i] + 0.5f, 1e-6) << c << " " << start + i;
        }
    }
}

TEST(ProcessingModes, EmptyBlocksAndMissingBuffersWriteNothing) {
    for (const auto& s : kSetups) {
        SCOPED_TRACE(s.library);
        LoadedPlugin p(s.library);
        ASSERT_TRUE(p.ready());
        for (auto mode : {ProcessMode::Replacing, ProcessMode::Accumulating, ProcessMode::InPlace}) {
            auto result = p.host.runBlock(mode, {}, 0);
            EXPECT_TRUE(result.guardsIntact);
        }
        // A host without buffers for a block gets nothing written and no crash.
        AEffect* e = p.host.effect();
        e->processReplacing(e, nullptr, nullptr, 64);
        e->process(e, nullptr, nullptr, 64);
        auto after = p.host.runBlock(ProcessMode::Replacing, {}, 16);
        EXPECT_TRUE(after.guardsIntact);
    }
}

// A host's NaN or infinite value holds the glides where they are; once the value is sane
// again the plug-in settles exactly where a plug-in that never saw it does.
TEST(ProcessingModes, RecoversFromNonFiniteParameterValues) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const auto& s : kSetups) {
        for (std::int32_t index = 0; index < static_cast<std::int32_t>(s.values.size()); ++index) {
            const auto [param, sane] = s.values[static_cast<std::size_t>(index)];
            for (float bad : {nan, inf, -inf}) {
                SCOPED_TRACE(std::string(s.library) + " #" + std::to_string(param) + " = " + std::to_string(bad));
                LoadedPlugin clean(s.library), poisoned(s.library);
                ASSERT_TRUE(clean.ready() && poisoned.ready());
                configured(clean, s);
                configured(poisoned, s);
                const std::vector<float> in(static_cast<std::size_t>(s.inputs), 0.5f);
                poisoned.host.runSignal(ProcessMode::Replacing, firstorder::constantSignal(in, 2048), 2048, 512);
                poisoned.host.setParameter(param, bad);
                poisoned.host.runSignal(ProcessMode::Replacing, firstorder::constantSignal(in, 2048), 2048, 512);
                poisoned.host.setParameter(param, sane);
                const auto expected = clean.settledOutput(in);
                const auto recovered = poisoned.settledOutput(in);
                for (std::size_t c = 0; c < expected.size(); ++c) {
                    ASSERT_TRUE(std::isfinite(recovered[c])) << c;
                    EXPECT_NEAR(recovered[c], expected[c], 1e-6) << c;
                }
            }
        }
    }
}
