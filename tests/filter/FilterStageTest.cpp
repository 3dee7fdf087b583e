// The state-variable stage alone against the plain per-sample formulas.
#include <gtest/gtest.h>

#include <random>

#include "QelFilterStage.h"
#include "ReferenceFilter.h"

namespace {

TEST(FilterStage, EveryTickMatchesThePlainFormulasAcrossSettingChanges) {
    struct Setting {
        float cutoffHz, resonance, sampleRateHz;
    } settings[] = {{220.0f, 0.5f, 44100.0f}, {220.0f, 0.9f, 44100.0f},  {3520.0f, 1.0f, 48000.0f},
                    {0.0f, 0.0f, 48000.0f},   {1000.0f, 0.2f, 96000.0f}, {1000.0f, 0.2f, 44100.0f}};
    std::mt19937 random(5);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    TQelFilter1 stage;
    ReferenceStage reference;
    for (const auto& s : settings) {
        stage.configure(s.cutoffHz, s.resonance, s.sampleRateHz);
        reference.cutoffHz = s.cutoffHz;
        reference.resonance = s.resonance;
        reference.sampleRateHz = s.sampleRateHz;
        for (int i = 0; i < 400; ++i) {
            const float x = (i % 100) < 90 ? sample(random) : 0.0f;  // with runs of silence
            stage.tick(x);
            reference.tick(x);
            ASSERT_EQ(stage.low(), reference.low) << s.cutoffHz << " tick " << i;
            ASSERT_EQ(stage.band(), reference.band) << s.cutoffHz << " tick " << i;
            ASSERT_EQ(stage.high(), reference.high) << s.cutoffHz << " tick " << i;
        }
    }
}

TEST(FilterStage, TwoSilentInputsClearTheState) {
    TQelFilter1 stage;
    stage.configure(440.0f, 1.0f, 44100.0f);
    stage.tick(1.0f);
    for (int i = 0; i < 50; ++i) stage.tick(0.0001f);
    stage.tick(0.0f);
    EXPECT_NE(stage.band(), 0.0f);  // one silent sample: still ringing
    stage.tick(0.0f);
    EXPECT_EQ(stage.low(), 0.0f);
    EXPECT_EQ(stage.band(), 0.0f);
    EXPECT_EQ(stage.high(), 0.0f);
}

// Without a frequency (cutoff 0 Hz, or no sample rate at all) low and band stay 0 and the
// high output is the input times the compensation gain.
TEST(FilterStage, StillStagePassesTheScaledInputToTheHighOutput) {
    struct Case {
        float cutoffHz, resonance, sampleRateHz, gain;
    } cases[] = {{0.0f, 0.8f, 44100.0f, 0.7f}, {440.0f, 0.5f, 0.0f, 1.0f}, {440.0f, 0.2f, -1.0f, 1.0f}};
    for (const auto& c : cases) {
        TQelFilter1 stage;
        stage.configure(c.cutoffHz, c.resonance, c.sampleRateHz);
        for (float x : {0.5f, -0.25f, 1.0f}) {
            stage.tick(x);
            EXPECT_EQ(stage.low(), 0.0f) << c.sampleRateHz;
            EXPECT_EQ(stage.band(), 0.0f) << c.sampleRateHz;
            EXPECT_EQ(stage.high(), c.gain * x) << c.sampleRateHz;
        }
    }
}

}  // namespace
