// The panner's encoding, glide and live Centre through its two built libraries. The master
// variant runs with "Mirror Type" 0 (no pan mode) here; pan modes are in PanModeTest.
#include <cmath>

#include "PannerReference.h"
#include "PluginFixture.h"

using firstorder::LoadedPlugin;
using firstorder::SourceIndices;

namespace {

struct Variant {
    const char* library;
    int offset;  // master index minus host index
};

const Variant kVariants[] = {{"orva_panner_master", 0}, {"orva_panner_effect", 4}};

struct SourceSetting {
    float az, el, vol, dist, centre, dfact, zero, first;
};

void applySource(testhost::TestHost& host, const SourceIndices& i, const SourceSetting& s) {
    host.setParameter(i.az, s.az);
    host.setParameter(i.el, s.el);
    host.setParameter(i.vol, s.vol);
    host.setParameter(i.dist, s.dist);
    host.setParameter(i.centre, s.centre);
    host.setParameter(i.dfact, s.dfact);
    host.setParameter(i.zero, s.zero);
    host.setParameter(i.first, s.first);
}

// A loaded variant with mode 0, the source under test set and the other one silent.
LoadedPlugin& prepare(LoadedPlugin& p, const Variant& v, bool leftSource, const SourceSetting& s) {
    if (v.offset == 0) p.host.setParameter(2, 0.0f);  // Mirror Type: mode 0
    const SourceIndices left = firstorder::shifted(firstorder::kLeftMaster, v.offset);
    const SourceIndices right = firstorder::shifted(firstorder::kRightMaster, v.offset);
    applySource(p.host, leftSource ? left : right, s);
    return p;
}

struct GainCase {
    const char* what;
    SourceSetting source;
    double w, x, y, z;
};

const double kC45 = std::sqrt(0.5);
const double kFar12dB = firstorder::referenceDistanceGain(0.4, 0.1, 1.0);
const double kFarDefault = firstorder::referenceDistanceGain(0.2, 0.1, 0.75);

const GainCase kGainCases[] = {
    {"right side", {0.25f, 0.5f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 0.0, -1.0, 0.0},
    {"left side", {0.75f, 0.5f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 0.0, 1.0, 0.0},
    {"ahead", {1.0f, 0.5f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 1.0, 0.0, 0.0},
    {"ahead at 0", {0.0f, 0.5f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 1.0, 0.0, 0.0},
    {"behind", {0.5f, 0.5f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, -1.0, 0.0, 0.0},
    {"above", {1.0f, 1.0f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 0.0, 0.0, 1.0},
    {"below", {1.0f, 0.0f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 0.0, 0.0, -1.0},
    {"front right, 45 up", {0.125f, 0.75f, 1.0f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.707, 0.5, -0.5, kC45},
    {"weights", {0.25f, 0.5f, 1.0f, 0.1f, 0.1f, 0.75f, 0.25f, 0.5f}, 0.25, 0.0, -0.5, 0.0},
    {"vol -20 dB", {0.25f, 0.5f, 0.5f, 0.1f, 0.1f, 0.75f, 0.707f, 1.0f}, 0.0707, 0.0, -0.1, 0.0},
    {"vol default", {0.25f, 0.5f, 0.8333333f, 0.1f, 0.1f, 0.75f, 1.0f, 1.0f}, 0.4641588, 0.0, -0.4641588, 0.0},
    {"vol 0.2", {0.25f, 0.5f, 0.2f, 0.1f, 0.1f, 0.75f, 1.0f, 1.0f}, 3.981e-4, 0.0, -3.981e-4, 0.0},
    {"vol 0", {0.25f, 0.5f, 0.0f, 0.1f, 0.1f, 0.75f, 1.0f, 1.0f}, 1.5849e-6, 0.0, -1.5849e-6, 0.0},
    {"near field at 0", {0.25f, 0.5f, 1.0f, 0.0f, 0.1f, 0.75f, 0.707f, 1.0f}, 1.414, 0.0, 0.0, 0.0},
    {"near field half way", {0.25f, 0.5f, 1.0f, 0.05f, 0.1f, 0.75f, 0.707f, 1.0f}, 1.0605, 0.0, -0.5, 0.0},
    {"dist and centre 0", {0.25f, 0.5f, 1.0f, 0.0f, 0.0f, 0.75f, 0.707f, 1.0f}, 1.414, 0.0, 0.0, 0.0},
    {"12 dB at four times", {0.25f, 0.5f, 1.0f, 0.4f, 0.1f, 1.0f, 0.707f, 1.0f}, 0.707 * kFar12dB, 0.0, -kFar12dB, 0.0},
    {"-4.5 dB per doubling", {0.25f, 0.5f, 1.0f, 0.2f, 0.1f, 0.75f, 1.0f, 1.0f}, kFarDefault, 0.0, -kFarDefault, 0.0},
};

void expectChannels(const std::vector<float>& out, double w, double x, double y, double z) {
    const double expected[4] = {w, x, y, z};
    ASSERT_EQ(out.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(out[k], expected[k], 2e-7 + 2e-6 * std::fabs(expected[k])) << "channel " << k;
}

}  // namespace

TEST(Panner, SettledGainsOfEachSource) {
    EXPECT_NEAR(kFar12dB, std::pow(10.0, -12.0 / 20.0), 1e-12);
    for (const auto& v : kVariants)
        for (bool leftSource : {true, false})
            for (const auto& c : kGainCases) {
                SCOPED_TRACE(std::string(v.library) + (leftSource ? " left: " : " right: ") + c.what);
                LoadedPlugin p(v.library);
                ASSERT_TRUE(p.ready());
                prepare(p, v, leftSource, c.source);
                const auto out =
                    p.settledOutput(leftSource ? std::vector<float>{1.0f, 0.0f} : std::vector<float>{0.0f, 1.0f});
                expectChannels(out, c.w, c.x, c.y, c.z);
            }
}

TEST(Panner, SourcesAddUp) {
    LoadedPlugin p("orva_panner_effect");
    ASSERT_TRUE(p.ready());
    prepare(p, kVariants[1], true, kGainCases[0].source);   // left on the right
    prepare(p, kVariants[1], false, kGainCases[1].source);  // right on the left
    expectChannels(p.settledOutput({0.5f, 0.25f}), 0.707 * 0.75, 0.0, -0.5 + 0.25, 0.0);
}

// From silence, each coefficient closes 0.1 % of its remaining distance per frame.
TEST(Panner, GlideConvergesByAThousandthPerFrame) {
    for (const auto& v : kVariants) {
        SCOPED_TRACE(v.library);
        LoadedPlugin p(v.library);
        ASSERT_TRUE(p.ready());
        prepare(p, v, true, kGainCases[0].source);
        const std::int32_t frames = 3000;
        auto out = p.host.runSignal(testhost::ProcessMode::Replacing, firstorder::constantSignal({1.0f, 0.0f}, frames),
                                    frames, 512);
        const auto& w = out.outputs[0];
        const auto& y = out.outputs[2];
        EXPECT_LT(std::fabs(w[0]), 1e-19);
        for (int n : {1, 10, 100, 999, 1000, 2999}) {
            const double remaining = std::pow(0.999, n);
            EXPECT_NEAR(w[n], 0.707 * (1.0 - remaining), 1e-6) << n;
            EXPECT_NEAR(y[n], -(1.0 - remaining), 1e-6) << n;
        }
        for (int n : {50, 500, 1500}) EXPECT_NEAR((0.707 - w[n + 1]) / (0.707 - w[n]), 0.999, 2e-6) << n;
    }
}

// The far-field formula takes a Centre below 0.001 as 0.001 within the block; the audio
// thread writes no parameter, so the host still reads the value it set.
TEST(Panner, SmallCentreSoundsAsTheSmallestCentreAndKeepsItsValue) {
    std::vector<float> outputs[2];
    for (int run = 0; run < 2; ++run) {
        LoadedPlugin p("orva_panner_effect");
        ASSERT_TRUE(p.ready());
        p.host.setParameter(2, run == 0 ? 0.0f : 0.001f);  // Left Centre
        p.host.setParameter(4, 0.5f);                      // Left Dist: far field
        const auto block = p.host.runBlock(testhost::ProcessMode::Replacing, {{1.0f}, {0.0f}}, 16);
        outputs[run] = block.outputs[0];
        EXPECT_EQ(p.host.getParameter(2), run == 0 ? 0.0f : 0.001f);
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_NE(outputs[0][0], 0.0f);
}
