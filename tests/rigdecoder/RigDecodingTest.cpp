// The rig decoder's decoding frames through the loaded library: the stereo rule, the
// blended tables against a plain per-frame reference, the order flag, invalid rigs and the
// two entries.
#include <cmath>
#include <limits>
#include <random>

#include "RigDecoding.h"
#include "RigFixture.h"
#include "RigTables.h"

using testhost::ProcessMode;

namespace {

// One decoding frame by the plain formula: each coefficient formed for the frame as
// controlled + m * difference, products summed in channel order, the sum times g.
std::vector<float> referenceFrame(float rigValue, float blend, float volume, float firstOrder, const float* in) {
    std::vector<float> out(12, 0.0f);
    if (rigValue == 0.0f) {
        const double w = in[0], y = in[2], g = volume, k = 0.7071f;
        out[0] = static_cast<float>((0.5 * y + k * w) * g);
        out[1] = static_cast<float>((k * w - 0.5 * y) * g);
        return out;
    }
    const rig::RigTable* table = rig::rigTableFor(rigValue, firstOrder == 1.0f);
    if (!table) return out;
    for (int k = 0; k < table->speakerCount; ++k) {
        double sum = 0.0;
        for (int j = 0; j < table->channelCount; ++j) {
            const double coefficient = static_cast<double>(table->controlledAt(k, j)) +
                                       static_cast<double>(blend) * static_cast<double>(table->differenceAt(k, j));
            const double product = coefficient * static_cast<double>(in[table->channels[j]]);
            sum = j == 0 ? product : sum + product;
        }
        out[static_cast<std::size_t>(k)] = static_cast<float>(sum * static_cast<double>(volume));
    }
    return out;
}

class RigDecodingTest : public LoadedRigTest {
protected:
    // One frame with the nine inputs given (missing ones 0.0).
    std::vector<float> frame(std::vector<float> in, ProcessMode mode = ProcessMode::Replacing) {
        std::vector<std::vector<float>> inputs;
        for (float v : in) inputs.push_back({v});
        auto out = host.runBlock(mode, inputs, 1, 0.5f);
        std::vector<float> result;
        for (auto& channel : out.outputs) result.push_back(channel[0]);
        return result;
    }
};

TEST_F(RigDecodingTest, DifferenceTablesAreStrictMinusControlledInSinglePrecision) {
    for (float r = 1.0f; r <= 10.0f; r += 1.0f)
        for (bool first : {true, false}) {
            const rig::RigTable* t = rig::rigTableFor(r, first);
            if (r == 7.0f) {
                EXPECT_EQ(t, nullptr);
                continue;
            }
            ASSERT_NE(t, nullptr) << r;
            EXPECT_EQ(t->speakerCount, rig::speakerCountForRig(r));
            for (int k = 0; k < t->speakerCount; ++k)
                for (int j = 0; j < t->channelCount; ++j)
                    EXPECT_EQ(t->differenceAt(k, j),
                              static_cast<float>(static_cast<double>(t->strictAt(k, j)) - t->controlledAt(k, j)));
        }
}

TEST_F(RigDecodingTest, EveryFrameMatchesThePlainReferenceForEveryRigAndOrder) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    const std::int32_t frames = 200;
    std::vector<std::vector<float>> in(9, std::vector<float>(frames));
    for (auto& channel : in)
        for (auto& s : channel) s = sample(random);
    for (float r = 0.0f; r <= 10.0f; r += 1.0f)
        for (float first : {0.0f, 1.0f})
            for (float blend : {0.0f, 0.3f, 1.0f}) {
                SCOPED_TRACE(testing::Message() << "rig " << r << " first " << first << " blend " << blend);
                rig.set(r, blend, 0.8f, first);
                auto out = host.runBlock(ProcessMode::Replacing, in, frames);
                auto inPlace = host.runBlock(ProcessMode::InPlace, in, frames);
                ASSERT_TRUE(out.guardsIntact && inPlace.guardsIntact);
                for (std::int32_t i = 0; i < frames; ++i) {
                    float frameIn[9];
                    for (int c = 0; c < 9; ++c) frameIn[c] = in[c][i];
                    const auto expected = referenceFrame(r, blend, 0.8f, first, frameIn);
                    for (int k = 0; k < 12; ++k) {
                        ASSERT_EQ(out.outputs[k][i], expected[k]) << "frame " << i << " output " << k + 1;
                        ASSERT_EQ(inPlace.outputs[k][i], expected[k]) << "frame " << i << " output " << k + 1;
                    }
                }
            }
}

// The kernel itself, in every instruction-set variant this processor runs.
TEST(BlendedMatrix, EveryVariantMatchesThePlainReference) {
    std::mt19937 random(13);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    const std::int32_t frames = 150;
    std::vector<std::vector<float>> in(9, std::vector<float>(frames));
    for (auto& channel : in)
        for (auto& s : channel) s = sample(random);
    std::vector<const float*> inPtr;
    for (auto& channel : in) inPtr.push_back(channel.data());
    std::vector<std::vector<float>> out(12, std::vector<float>(frames));
    std::vector<float*> outPtr;
    for (auto& channel : out) outPtr.push_back(channel.data());
    for (int width = 0; width <= static_cast<int>(rig::widestSumWidth()); ++width) {
        rig::limitSumWidth(static_cast<rig::SumWidth>(width));
        for (float r : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 8.0f, 9.0f, 10.0f})
            for (bool first : {true, false}) {
                SCOPED_TRACE(testing::Message() << "width " << width << " rig " << r << " first " << first);
                rig::BlendedMatrix matrix;
                matrix.prepare(*rig::rigTableFor(r, first), 0.6f);
                matrix.decode(inPtr.data(), outPtr.data(), 0, frames, 0.9f);
                for (std::int32_t i = 0; i < frames; ++i) {
                    float frameIn[9];
                    for (int c = 0; c < 9; ++c) frameIn[c] = in[c][i];
                    const auto expected = referenceFrame(r, 0.6f, 0.9f, first ? 1.0f : 0.0f, frameIn);
                    for (int k = 0; k < 12; ++k) ASSERT_EQ(out[k][i], expected[k]) << "frame " << i << " " << k;
                }
            }
    }
    rig::limitSumWidth(rig::SumWidth::Avx512);
}

TEST_F(RigDecodingTest, StereoRuleIgnoresBlendAndOrder) {
    for (float blend : {0.0f, 0.5f, 1.0f})
        for (float first : {0.0f, 1.0f}) {
            rig.set(0.0f, blend, 1.0f, first);
            const auto out = frame({1.0f, 0.0f, 1.0f});
            EXPECT_NEAR(out[0], 1.2071f, 1e-6f);
            EXPECT_NEAR(out[1], 0.2071f, 1e-6f);
            EXPECT_EQ(out[0], static_cast<float>(0.5 + static_cast<double>(0.7071f)));
            for (int k = 2; k < 12; ++k) EXPECT_EQ(out[k], 0.0f);
        }
    rig.set(-0.0f, 0.5f, 1.0f, 0.0f);  // negative zero is the stereo rig too
    EXPECT_NEAR(frame({1.0f, 0.0f, 1.0f})[0], 1.2071f, 1e-6f);
}

TEST_F(RigDecodingTest, StatedFramesOfTheSquare) {
    rig.set(1.0f, 1.0f, 1.0f, 0.0f);  // second order, strict
    auto out = frame({1.0f});
    for (int k = 0; k < 4; ++k) EXPECT_EQ(out[k], 0.3536f);
    for (int k = 4; k < 12; ++k) EXPECT_EQ(out[k], 0.0f);

    rig.set(1.0f, 0.0f, 1.0f, 1.0f);  // first order, controlled opposites
    out = frame({0.0f, 1.0f});
    const float expected[] = {0.1768f, 0.1768f, -0.1768f, -0.1768f};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(out[k], expected[k]);
}

TEST_F(RigDecodingTest, OnlyAFlagOfExactlyOneDecodesFirstOrder) {
    // V reaches the square's speakers only in second order (controlled-opposites V 0.0964).
    const std::vector<float> v = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    const std::pair<float, float> cases[] = {{1.0f, 0.0f}, {0.999f, 0.0964f}, {0.0f, 0.0964f}, {2.0f, 0.0964f}};
    for (const auto& [flag, speaker1] : cases) {
        rig.set(1.0f, 0.0f, 1.0f, flag);
        EXPECT_EQ(frame(v)[0], speaker1) << flag;
    }
}

TEST_F(RigDecodingTest, InvalidRigsAndZeroVolumeAreSilent) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float r : {7.0f, 0.5f, 11.0f, -1.0f, 9.5f, 1e30f, nan}) {
        rig.set(r, 0.5f, 1.0f, 0.0f);
        const auto out = frame(std::vector<float>(9, 1.0f));
        for (int k = 0; k < 12; ++k) EXPECT_EQ(out[k], 0.0f) << "rig " << r << " output " << k + 1;
    }
    for (float r : {0.0f, 3.0f, 10.0f}) {
        rig.set(r, 0.5f, 0.0f, 0.0f);
        const auto out = frame(std::vector<float>(9, 1.0f));
        for (int k = 0; k < 12; ++k) EXPECT_EQ(std::fabs(out[k]), 0.0f) << "rig " << r;
    }
}

TEST_F(RigDecodingTest, BlendChangeAppliesFromTheNextBlockWithoutRamp) {
    rig.set(3.0f, 0.0f, 1.0f, 0.0f);
    const auto in = constantInput(9, 0.5f, 4);
    auto before = host.runBlock(ProcessMode::Replacing, in, 4);
    host.setParameter(kBlend, 1.0f);
    auto after = host.runBlock(ProcessMode::Replacing, in, 4);
    const float frameIn[9] = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    const auto controlled = referenceFrame(3.0f, 0.0f, 1.0f, 0.0f, frameIn);
    const auto strict = referenceFrame(3.0f, 1.0f, 1.0f, 0.0f, frameIn);
    ASSERT_NE(controlled[0], strict[0]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(before.outputs[0][i], controlled[0]);
        EXPECT_EQ(after.outputs[0][i], strict[0]);
    }
}

TEST_F(RigDecodingTest, BothEntriesOverwriteTheOutputs) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    std::vector<std::vector<float>> in(9, std::vector<float>(50));
    for (auto& channel : in)
        for (auto& s : channel) s = sample(random);
    for (float r : {0.0f, 5.0f, 9.0f}) {
        rig.set(r, 0.7f, 0.9f, 0.0f);
        auto replaced = host.runBlock(ProcessMode::Replacing, in, 50, 0.0f);
        auto added = host.runBlock(ProcessMode::Accumulating, in, 50, 0.75f);
        EXPECT_EQ(added.outputs, replaced.outputs) << r;
    }
}

}  // namespace
