// The filter under what hosts send besides music: low sample rates, out-of-range values and
// non-finite samples. Rates from 32 kHz up must keep the plain formulas sample for sample.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "QelFilterStage.h"
#include "ReferenceFilter.h"
#include "TestHost.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

bool finite(const TQelFilter1& s) {
    return std::isfinite(s.low()) && std::isfinite(s.band()) && std::isfinite(s.high());
}

TEST(FilterStageRobustness, RatesFrom32kHzKeepThePlainFormulasExactly) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    for (float rate : {32000.0f, 44100.0f, 48000.0f, 88200.0f, 96000.0f, 192000.0f, 384000.0f}) {
        for (float cutoff : {0.0f, 220.0f, 1232.0f, 2992.0f, 3520.0f}) {
            for (float resonance : {0.0f, 0.3f, 0.5f, 0.8f, 1.0f}) {
                TQelFilter1 stage;
                ReferenceStage reference;
                stage.configure(cutoff, resonance, rate);
                reference.cutoffHz = cutoff;
                reference.resonance = resonance;
                reference.sampleRateHz = rate;
                for (int i = 0; i < 2000; ++i) {
                    const float x = sample(random);
                    stage.tick(x);
                    reference.tick(x);
                    ASSERT_EQ(stage.low(), reference.low) << rate << " " << cutoff << " " << resonance << " " << i;
                    ASSERT_EQ(stage.band(), reference.band) << rate << " " << cutoff << " " << resonance;
                    ASSERT_EQ(stage.high(), reference.high) << rate << " " << cutoff << " " << resonance;
                }
            }
        }
    }
}

// Settings under which the plain formulas grow without bound, and values no host should
// send: the stage stays finite on full-scale noise.
TEST(FilterStageRobustness, LowRatesAndOutOfRangeSettingsStayFinite) {
    struct Case {
        float cutoffHz, resonance, sampleRateHz;
    } cases[] = {
        {1760.0f, 0.5f, 8000.0f},  {1232.0f, 0.0f, 8000.0f},  {1584.0f, 0.0f, 11025.0f}, {2288.0f, 0.0f, 16000.0f},
        {2992.0f, 0.0f, 22050.0f}, {3520.0f, 0.0f, 8000.0f},  {3520.0f, 1.0f, 8000.0f},  {3520.0f, 0.0f, 22050.0f},
        {-1.0f, 0.5f, 44100.0f},   {1e6f, 0.5f, 44100.0f},    {kNaN, 0.5f, 44100.0f},    {kInf, 0.5f, 44100.0f},
        {-kInf, 0.5f, 44100.0f},   {1000.0f, 2.0f, 44100.0f}, {1000.0f, 5.0f, 44100.0f}, {1000.0f, -1.0f, 44100.0f},
        {1000.0f, kNaN, 44100.0f}, {1000.0f, 0.5f, kInf},     {1000.0f, 0.5f, kNaN},
    };
    std::mt19937 random(3);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    for (const auto& c : cases) {
        TQelFilter1 stage;
        stage.configure(c.cutoffHz, c.resonance, c.sampleRateHz);
        for (int i = 0; i < 20000; ++i) {
            stage.tick(sample(random));
            ASSERT_TRUE(finite(stage)) << c.cutoffHz << " Hz, resonance " << c.resonance << ", " << c.sampleRateHz
                                       << " Hz, tick " << i;
        }
    }
}

TEST(FilterStageRobustness, ANonFiniteInputClearsTheStage) {
    for (float bad : {kNaN, kInf, -kInf, 3e38f}) {
        TQelFilter1 stage;
        stage.configure(440.0f, 0.9f, 44100.0f);
        for (int i = 0; i < 100; ++i) stage.tick(std::sin(0.1f * i));
        stage.tick(bad);
        stage.tick(bad);
        for (int i = 0; i < 100; ++i) {
            stage.tick(std::sin(0.1f * i));
            ASSERT_TRUE(finite(stage)) << bad << " tick " << i;
        }
        EXPECT_NE(stage.low(), 0.0f) << bad;  // still filtering afterwards
    }
}

// Through the library: one bad sample, or gains and cutoff set to absurd values for a
// while, do not silence the output once the input and settings are sane again.
TEST(FilterRobustness, OutputRecoversAfterBadSamplesAndValues) {
    testhost::TestHost host{testhost::pluginPath("qel_filter")};
    ASSERT_TRUE(host.loaded()) << host.error();
    ASSERT_NE(host.instantiateAndStart(), nullptr);
    struct Abuse {
        int param;  // -1: a bad input sample instead
        float value;
    } abuses[] = {{-1, kNaN}, {-1, kInf}, {-1, -kInf}, {1, kNaN}, {1, -1.0f}, {1, 1e6f}, {1, kInf},
                  {2, 2.0f},  {2, kNaN},  {4, kInf},   {5, kInf}, {5, kNaN},  {4, -kInf}};
    std::vector<float> tone(256);
    for (int i = 0; i < 256; ++i) tone[i] = 0.5f * std::sin(0.05f * i);
    for (const auto& a : abuses) {
        const float saved = a.param >= 0 ? host.getParameter(a.param) : 0.0f;
        std::vector<float> in = tone;
        if (a.param < 0)
            in[10] = a.value;
        else
            host.setParameter(a.param, a.value);
        host.runBlock(testhost::ProcessMode::Replacing, {in}, 256);
        if (a.param >= 0) host.setParameter(a.param, saved);
        for (int block = 0; block < 2; ++block) {
            const auto out = host.runBlock(testhost::ProcessMode::Replacing, {tone}, 256);
            for (float y : out.outputs[0]) ASSERT_TRUE(std::isfinite(y)) << a.param << " " << a.value;
        }
    }
}

}  // namespace
