// The first-order decoder through its loaded library: identity, parameter, layouts and the
// per-sample decode of both entries against the weights written out independently here.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "DecoderPlugin.h"
#include "DecoderReference.h"
#include "TestHost.h"

using testhost::ProcessMode;

namespace {

class DecoderTest : public ::testing::Test {
protected:
    testhost::TestHost host{testhost::pluginPath("orva_decoder_ui")};

    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiateAndStart(), nullptr);
    }
};

TEST_F(DecoderTest, IdentityOfTheEditorBuildOverThePlainClass) {
    // The plain class's own identity, replaced by the editor build's.
    EXPECT_EQ(DecoderPlugin(nullptr).getAeffect()->uniqueID, fourCharCode('O', 'V', 'd', '8'));
    AEffect* e = host.effect();
    EXPECT_EQ(e->numPrograms, 1);
    EXPECT_EQ(e->numParams, 1);
    EXPECT_EQ(e->numInputs, 4);
    EXPECT_EQ(e->numOutputs, 8);
    EXPECT_EQ(e->flags, effFlagsCanReplacing | effFlagsHasEditor);
    EXPECT_EQ(e->uniqueID, fourCharCode('O', 'V', 'd', '5'));
    EXPECT_EQ(host.dispatch(effGetPlugCategory), kPlugSurroundFx);
    EXPECT_EQ(host.readText(effGetVendorString, 0, 64).text, "Kelvar Venue");
    EXPECT_EQ(host.dispatch(effGetProductString, 0, 0, std::vector<char>(65).data()), 0);
    EXPECT_EQ(host.programName(), "Ambisonic Decoder");
    EXPECT_EQ(host.parameterName(0), "Layout");
    EXPECT_EQ(host.parameterLabel(0), "Layout");
    EXPECT_EQ(host.getParameter(0), 0.0f);
}

TEST_F(DecoderTest, LayoutThresholdsSelectDisplayAndFedOutputs) {
    struct Case {
        float value;
        const char* display;
        int fedOutputs;
    } cases[] = {
        {0.0f, "Cub", 8},
        {0.139f, "Cub", 8},
        {0.14f, "Squ", 4},
        {0.28f, "Rct", 4},
        {0.42f, "Rct", 4},
        // As floats 0.42, 0.57 and 0.71 lie just below the thresholds; 0.14, 0.28 and 0.85 just above.
        {0.4201f, "Hex", 6},
        {0.5f, "Hex", 6},
        {0.57f, "Hex", 6},
        {0.5701f, "Oc1", 8},
        {0.71f, "Oc1", 8},
        {0.7101f, "Oc2", 8},
        {0.85f, "Ste", 2},
        {0.99f, "Ste", 2},
        {1.0f, "Mno", 2},
        {3.0f, "Mno", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        host.setParameter(0, c.value);
        EXPECT_EQ(host.parameterDisplay(0), c.display);
        // W alone reaches every fed output and no idle one.
        auto out = host.runBlock(ProcessMode::Replacing, {{1.0f}}, 1);
        for (int k = 0; k < 8; ++k) EXPECT_EQ(out.outputs[k][0] != 0.0f, k < c.fedOutputs) << "output " << k + 1;
    }
}

TEST_F(DecoderTest, EditorPositionsSelectTheLayoutsInOrder) {
    const char* displays[] = {"Cub", "Squ", "Rct", "Hex", "Oc1", "Oc2", "Ste", "Mno"};
    for (int k = 0; k < 8; ++k) {
        host.setParameter(0, static_cast<float>(k) / 7.0f);
        EXPECT_EQ(host.parameterDisplay(0), displays[k]) << k;
    }
}

TEST_F(DecoderTest, UnitInputsGiveEachLayoutsWeights) {
    for (const auto& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        host.setParameter(0, layout.value);
        for (int channel = 0; channel < 4; ++channel) {
            std::vector<std::vector<float>> in(4, std::vector<float>{0.0f});
            in[static_cast<std::size_t>(channel)][0] = 1.0f;
            auto out = host.runBlock(ProcessMode::Replacing, in, 1);
            for (std::size_t k = 0; k < layout.outputs.size(); ++k) {
                const float expected =
                    reference(layout, static_cast<int>(k), channel == 0, channel == 1, channel == 2, channel == 3);
                EXPECT_EQ(out.outputs[k][0], expected) << "input " << channel << " output " << k + 1;
            }
        }
    }
}

TEST_F(DecoderTest, CubeWithUnitWFeedsAllEightOutputsEqually) {
    host.setParameter(0, 0.0f);
    auto out = host.runBlock(ProcessMode::Replacing, {{1.0f}}, 1);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(out.outputs[k][0], static_cast<float>(0.1765671930778443 * kCubeGain));
}

TEST_F(DecoderTest, EverySampleMatchesThePlainFormulaInBothEntries) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    const std::int32_t frames = 300;  // more than one internal chunk, not a multiple of it
    std::vector<std::vector<float>> in(4, std::vector<float>(frames));
    for (auto& channel : in)
        for (auto& s : channel) s = sample(random);
    const float start = 0.25f;
    for (const auto& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        host.setParameter(0, layout.value);
        auto replaced = host.runBlock(ProcessMode::Replacing, in, frames);
        auto added = host.runBlock(ProcessMode::Accumulating, in, frames, start);
        auto inPlace = host.runBlock(ProcessMode::InPlace, in, frames);
        EXPECT_TRUE(replaced.guardsIntact && added.guardsIntact && inPlace.guardsIntact);
        for (std::int32_t i = 0; i < frames; ++i) {
            const double w = in[0][i], x = in[1][i], y = in[2][i], z = in[3][i];
            for (std::size_t k = 0; k < 8; ++k) {
                const bool fed = k < layout.outputs.size();
                const float plain = fed ? reference(layout, static_cast<int>(k), w, x, y, z) : 0.0f;
                const float offset =
                    fed ? reference(layout, static_cast<int>(k), w + 1e-20, x - 1e-20, y + 1e-20, z - 1e-20) : 0.0f;
                ASSERT_EQ(replaced.outputs[k][i], plain) << "frame " << i << " output " << k + 1;
                ASSERT_EQ(inPlace.outputs[k][i], plain) << "frame " << i << " output " << k + 1;
                ASSERT_EQ(added.outputs[k][i], fed ? start + offset : start) << "frame " << i << " output " << k + 1;
            }
        }
    }
}

TEST_F(DecoderTest, IdleOutputsAreZeroedOnlyByTheReplacingEntry) {
    host.setParameter(0, 1.0f / 7);  // square: outputs 5 to 8 idle
    auto replaced = host.runBlock(ProcessMode::Replacing, {{0.5f, 0.5f}}, 2, 0.75f);
    auto added = host.runBlock(ProcessMode::Accumulating, {{0.5f, 0.5f}}, 2, 0.75f);
    for (int k = 4; k < 8; ++k)
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(replaced.outputs[k][i], 0.0f);
            EXPECT_EQ(added.outputs[k][i], 0.75f);
        }
}

TEST_F(DecoderTest, SilenceGivesTinyOffsetsWhenAddingAndExactZerosWhenReplacing) {
    for (const auto& layout : layouts()) {
        SCOPED_TRACE(layout.name);
        host.setParameter(0, layout.value);
        auto added = host.runBlock(ProcessMode::Accumulating, {}, 64, 0.0f);
        auto replaced = host.runBlock(ProcessMode::Replacing, {}, 64, 0.5f);
        for (std::size_t k = 0; k < layout.outputs.size(); ++k) {
            const float expected = reference(layout, static_cast<int>(k), 1e-20, -1e-20, 1e-20, -1e-20);
            for (int i = 0; i < 64; ++i) {
                ASSERT_EQ(added.outputs[k][i], expected) << "output " << k + 1;
                ASSERT_EQ(replaced.outputs[k][i], 0.0f);
            }
            EXPECT_LE(std::fabs(added.outputs[k][0]), 2e-19f);
        }
    }
    host.setParameter(0, 1.0f);
    EXPECT_EQ(host.runBlock(ProcessMode::Accumulating, {}, 1).outputs[0][0], 1e-20f);  // mono: W's offset
}

TEST_F(DecoderTest, MonoCopiesWExactly) {
    host.setParameter(0, 1.0f);
    const std::vector<float> w = {0.1f, -0.7f, 1e-30f, 3.0f};
    auto out = host.runBlock(ProcessMode::Replacing, {w, {1.0f}, {1.0f}, {1.0f}}, 4);
    EXPECT_EQ(out.outputs[0], w);
    EXPECT_EQ(out.outputs[1], w);
}

TEST_F(DecoderTest, ProgramNamedLayoutIsReportedWithItsNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"Layout ", "Layout  1"}, {"Layout", "Layout"}, {"Front", "Front"}, {"Init", "Init"}};
    for (const auto& [stored, reported] : cases) {
        std::string name = stored;
        host.dispatch(effSetProgramName, 0, 0, name.data());
        auto text = host.readText(effGetProgramName, 0, 24);
        EXPECT_EQ(text.text, reported);
        EXPECT_FALSE(text.overrun);
    }
}

TEST_F(DecoderTest, ProgramKeepsTheLayoutAndOtherIndicesAreIgnored) {
    host.setParameter(0, 0.5f);
    host.setParameter(1, 0.9f);
    host.setParameter(-1, 0.9f);
    EXPECT_EQ(host.getParameter(0), 0.5f);
    EXPECT_EQ(host.getParameter(1), 0.0f);
    EXPECT_FALSE(host.readText(effGetParamName, 1, 8).terminated);  // left untouched
    EXPECT_FALSE(host.readText(effGetParamDisplay, 1, 8).terminated);
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(host.getParameter(0), 0.5f);
}

}  // namespace
