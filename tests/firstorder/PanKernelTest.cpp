// The panner's sample loop against a plain rendering of its per-frame rule.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "PanEncoder.h"
#include "PluginFixture.h"

namespace {

// Per frame: each channel gets the left share (rounded to float), then the right share
// (rounded again); then every coefficient moves 0.1 % of the way to its target.
struct ReferencePanner {
    double current[8] = {};
    double target[8] = {};

    void run(const float* l, const float* r, std::vector<std::vector<float>>& out, std::size_t at, int frames,
             bool accumulate) {
        for (int n = 0; n < frames; ++n) {
            for (int k = 0; k < 4; ++k) {
                float& o = out[k][at + n];
                o = accumulate ? static_cast<float>(o + (l[n] * current[k] + 1e-20))
                               : static_cast<float>(l[n] * current[k] + 1e-20);
                o = static_cast<float>(o + (r[n] * current[4 + k] + 1e-20));
            }
            for (int i = 0; i < 8; ++i) current[i] = 0.999 * current[i] + (1.0 - 0.999) * target[i];
        }
    }
};

std::vector<double> targetsFrom(std::uint32_t seed) {
    std::vector<double> t;
    for (int i = 0; i < 8; ++i) {
        seed = seed * 1103515245u + 12345u;
        t.push_back((static_cast<double>(seed >> 9) / 4194304.0 - 1.0) * 1.5);
    }
    return t;
}

}  // namespace

TEST(PanKernel, MatchesThePlainRuleThroughGlidesAndSettling) {
    // Empty, single and odd blocks while gliding; a settle long enough to reach the glide's
    // fixed point, then more blocks on the same targets (frames in pairs) and a new glide.
    const struct {
        int frames;
        bool newTargets;
    } blocks[] = {{0, true}, {1, false}, {7, true}, {512, true}, {3, false}, {50000, true},
                  {64, false}, {5, false}, {0, false}, {256, true}, {100, false}};
    for (bool accumulate : {false, true}) {
        SCOPED_TRACE(accumulate ? "accumulating" : "replacing");
        PanEncoder encoder;
        ReferencePanner reference;
        int total = 0;
        for (const auto& b : blocks) total += b.frames;
        const auto in = firstorder::wobbleSignal(2, total);
        std::vector<std::vector<float>> got(4, std::vector<float>(total, 0.25f));
        auto expected = got;
        std::size_t at = 0;
        std::uint32_t seed = 1;
        for (const auto& block : blocks) {
            const int b = block.frames;
            const auto t = targetsFrom(seed++);
            if (block.newTargets) {
                encoder.setTargets(t.data(), t.data() + 4);
                for (int i = 0; i < 8; ++i) reference.target[i] = t[i];
            }
            float* out[4] = {got[0].data() + at, got[1].data() + at, got[2].data() + at, got[3].data() + at};
            if (accumulate)
                encoder.processAccumulating(in[0].data() + at, in[1].data() + at, out, b);
            else
                encoder.processReplacing(in[0].data() + at, in[1].data() + at, out, b);
            reference.run(in[0].data() + at, in[1].data() + at, expected, at, b, accumulate);
            at += static_cast<std::size_t>(b);
        }
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(got[k], expected[k]) << "channel " << k;
            EXPECT_EQ(encoder.leftCoefficient(k), reference.current[k]);
            EXPECT_EQ(encoder.rightCoefficient(k), reference.current[4 + k]);
        }
    }
}

TEST(PanKernel, NonFiniteTargetsHoldTheirCoefficient) {
    PanEncoder encoder;
    const double start[4] = {0.5, -0.25, 0.125, 1.0};
    encoder.setTargets(start, start);
    std::vector<float> l(20000, 1.0f), r(20000, 0.0f), o(20000 * 4);
    float* out[4] = {o.data(), o.data() + 20000, o.data() + 40000, o.data() + 60000};
    encoder.processReplacing(l.data(), r.data(), out, 20000);
    const double held[4] = {encoder.leftCoefficient(0), encoder.leftCoefficient(1), encoder.leftCoefficient(2),
                            encoder.leftCoefficient(3)};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double bad[4] = {nan, inf, -inf, 0.0};
    encoder.setTargets(bad, bad);
    encoder.processReplacing(l.data(), r.data(), out, 1000);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(encoder.leftCoefficient(k), held[k]) << k;
        EXPECT_TRUE(std::isfinite(encoder.rightCoefficient(k))) << k;
    }
    EXPECT_LT(std::fabs(encoder.leftCoefficient(3)), 0.5);  // the finite target still glides
}
