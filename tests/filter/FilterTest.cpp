// qel_filter through its loaded library: identity and older dispatcher, parameters and
// texts, programs, the block against the plain formulas, the silence gate and the meter.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ReferenceFilter.h"
#include "TestHost.h"

using testhost::ProcessMode;

namespace {

enum Param { kType, kCutoff, kResonance, kSlope, kInputGain, kOutputGain };

class FilterTest : public ::testing::Test {
protected:
    testhost::TestHost host{testhost::pluginPath("qel_filter")};

    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiateAndStart(), nullptr);
    }

    void set(float type, float cutoff, float resonance, float slope, float inGain, float outGain) {
        const float values[] = {type, cutoff, resonance, slope, inGain, outGain};
        for (int i = 0; i < 6; ++i) host.setParameter(i, values[i]);
    }
};

// The block algorithm by the plain formulas; stage settings are taken at block start.
struct ReferenceFilter {
    ReferenceStage one, two;
    std::vector<float> block(const std::vector<float>& in, int type, float cutoffHz, float resonance, float slope,
                             float inGain, float outGain, float sampleRateHz) {
        for (ReferenceStage* s : {&one, &two}) {
            s->cutoffHz = cutoffHz;
            s->resonance = resonance;
            s->sampleRateHz = sampleRateHz;
        }
        std::vector<float> out;
        for (float x : in) {
            const float s = x * inGain;
            one.tick(s);
            float y = s;
            if (type >= 0 && type <= 2) {
                two.tick(one.output(type));
                y = (1.0f - slope) * one.output(type) + slope * two.output(type);
            }
            out.push_back(y * outGain);
        }
        return out;
    }
};

TEST_F(FilterTest, IdentityAndTheOlderDispatcher) {
    AEffect* e = host.effect();
    EXPECT_EQ(e->numPrograms, 16);
    EXPECT_EQ(e->numParams, 6);
    EXPECT_EQ(e->numInputs, 1);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->flags, effFlagsHasVu | effFlagsCanReplacing);
    EXPECT_EQ(e->uniqueID, 0x5165466c);  // "QeFl"
    EXPECT_EQ(host.dispatch(effGetVstVersion), 2);
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 0);
    EXPECT_EQ(host.dispatch(effKeysRequired), 1);
    EXPECT_EQ(host.dispatch(effGetVendorString, 0, 0, std::vector<char>(65).data()), 0);
    EXPECT_EQ(host.dispatch(effCanBeAutomated, 2), 1);
    char name[64] = "";
    for (std::int32_t opcode = effEditKeyDown; opcode <= effEndSetProgram; ++opcode)
        EXPECT_EQ(host.dispatch(opcode, 1, 0x0107, name, 2.0f), 0) << opcode;  // 63 answers -1 elsewhere
}

TEST_F(FilterTest, DefaultProgramTexts) {
    struct Case {
        const char* name;
        const char* label;
        const char* display;
    } cases[] = {
        {" Filter  ", "       ", "Low Pass"}, {" CutOff ", "   Hz   ", "    220"}, {"Resonance", "        ", "0.50"},
        {" Slope  ", "        ", "0.00"},     {" InAmp  ", "        ", "0.80"},    {" Outamp ", "        ", "1.20"},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(host.readText(effGetParamName, i, 9).text, cases[i].name);
        EXPECT_EQ(host.parameterLabel(i), cases[i].label);
        EXPECT_EQ(host.readText(effGetParamDisplay, i, 9).text, cases[i].display);
    }
    EXPECT_FALSE(host.readText(effGetParamName, 6, 9).terminated);
    const float values[] = {0.0f, 0.0625f, 0.5f, 0.0f, 0.4f, 0.6f};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(host.getParameter(i), values[i]) << i;
}

TEST_F(FilterTest, FactoryProgramsReadWithTheirNumbers) {
    for (std::intptr_t p = 0; p < 16; ++p) {
        host.dispatch(effSetProgram, 0, p);
        EXPECT_EQ(host.programName(), "Init " + std::to_string(p + 1));
    }
    char name[] = "Sweep";
    host.dispatch(effSetProgramName, 0, 0, name);
    EXPECT_EQ(host.programName(), "Sweep");
}

TEST_F(FilterTest, TypeRoundsToNearestWithTiesToEven) {
    struct Case {
        float value;
        const char* display;
        float reported;
    } cases[] = {{0.0f, "Low Pass", 0.0f},  {0.25f, "Low Pass", 0.0f},  {0.26f, "Band Pass", 0.5f},
                 {0.5f, "Band Pass", 0.5f}, {0.74f, "Band Pass", 0.5f}, {0.75f, "High Pass", 1.0f},
                 {1.0f, "High Pass", 1.0f}};
    for (const auto& c : cases) {
        host.setParameter(kType, c.value);
        EXPECT_EQ(host.readText(effGetParamDisplay, kType, 9).text, c.display) << c.value;
        EXPECT_EQ(host.getParameter(kType), c.reported) << c.value;
    }
}

TEST_F(FilterTest, TypeOutsideTheThreePassesTheScaledInput) {
    set(1.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.75f);  // type 3
    EXPECT_EQ(host.getParameter(kType), 1.5f);
    EXPECT_FALSE(host.readText(effGetParamDisplay, kType, 9).terminated);  // no text
    auto out = host.runBlock(ProcessMode::Replacing, {{0.5f, -0.25f}}, 2);
    EXPECT_EQ(out.outputs[0], (std::vector<float>{0.5f * 0.5f * 1.5f, -0.25f * 0.5f * 1.5f}));
}

TEST_F(FilterTest, CutoffTexts) {
    const std::pair<float, const char*> cases[] = {
        {1.0f, "   3520"}, {0.5f, "   1760"}, {0.0001f, "      0"}, {0.0002f, "      1"}, {100000.0f, " Huge!  "}};
    for (const auto& [value, display] : cases) {
        host.setParameter(kCutoff, value);
        EXPECT_EQ(host.parameterDisplay(kCutoff), display) << value;
    }
}

TEST_F(FilterTest, BlocksMatchThePlainFormulasAndSettingsApplyAtBlockStart) {
    std::mt19937 random(9);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    struct Block {
        float type, cutoff, resonance, slope;
    } blocks[] = {{0.0f, 0.0625f, 0.5f, 0.5f},
                  {0.0f, 0.3f, 0.9f, 0.5f},
                  {0.5f, 0.3f, 0.9f, 1.0f},
                  {1.0f, 0.8f, 0.2f, 0.25f},
                  {1.0f, 0.8f, 0.2f, 0.0f}};
    ReferenceFilter reference;
    for (const auto& b : blocks) {
        set(b.type, b.cutoff, b.resonance, b.slope, 0.4f, 0.6f);
        std::vector<float> in(300);
        for (auto& x : in) x = sample(random);
        auto out = host.runBlock(ProcessMode::Replacing, {in}, 300);
        const auto expected = reference.block(in, static_cast<int>(std::nearbyint(b.type * 2.0f)), 3520.0f * b.cutoff,
                                              b.resonance, b.slope, 0.8f, 1.2f, host.sampleRate);
        EXPECT_EQ(out.outputs[0], expected) << b.type << " " << b.cutoff;
        EXPECT_EQ(out.outputs[1], expected);
    }
}

TEST_F(FilterTest, EntriesWriteOrAddTheSameSampleOnBothOutputs) {
    set(0.0f, 0.2f, 0.7f, 0.5f, 0.5f, 0.5f);
    std::vector<float> in(64);
    for (std::size_t i = 0; i < in.size(); ++i) in[i] = std::sin(0.3f * static_cast<float>(i));
    auto replaced = host.runBlock(ProcessMode::Replacing, {in}, 64);
    host.dispatch(effMainsChanged, 0, 0);  // suspend clears the stages
    auto added = host.runBlock(ProcessMode::Accumulating, {in}, 64, 0.25f);
    host.dispatch(effMainsChanged, 0, 0);
    auto inPlace = host.runBlock(ProcessMode::InPlace, {in}, 64);
    EXPECT_EQ(replaced.outputs[0], replaced.outputs[1]);
    EXPECT_EQ(inPlace.outputs[0], replaced.outputs[0]);
    for (std::size_t i = 0; i < 64; ++i) {
        EXPECT_EQ(added.outputs[0][i], 0.25f + replaced.outputs[0][i]);
        EXPECT_EQ(added.outputs[1][i], 0.25f + replaced.outputs[0][i]);
    }
}

TEST_F(FilterTest, DigitalSilenceStopsAResonantTail) {
    set(0.5f, 0.1f, 1.0f, 0.0f, 0.5f, 0.5f);  // band pass at full resonance
    std::vector<float> in(400, 0.0f);
    in[0] = 1.0f;
    for (std::size_t i = 1; i < 200; ++i) in[i] = 1e-6f;  // a tiny signal keeps the gate open
    auto out = host.runBlock(ProcessMode::Replacing, {in}, 400);
    EXPECT_GT(std::fabs(out.outputs[0][199]), 1e-3f);  // still ringing
    EXPECT_NE(out.outputs[0][200], 0.0f);              // first silent sample: filter runs
    for (std::size_t i = 201; i < 400; ++i) ASSERT_EQ(out.outputs[0][i], 0.0f) << i;
}

TEST_F(FilterTest, MeterRoundsToNearestAndClearsOnRead) {
    set(1.5f, 0.5f, 0.5f, 0.0f, 0.5f, 0.5f);  // passes the input unchanged
    host.runBlock(ProcessMode::Replacing, {{0.25f, 0.5f, -0.9f}}, 3);
    EXPECT_EQ(host.dispatch(effGetVu), 16384);  // 0.5 * 32767 = 16383.5
    EXPECT_EQ(host.dispatch(effGetVu), 0);
    host.runBlock(ProcessMode::Replacing, {{-0.9f, -0.1f}}, 2);
    EXPECT_EQ(host.dispatch(effGetVu), 0);  // signed peak: negative samples never raise it
    host.runBlock(ProcessMode::Accumulating, {{0.1f}}, 1, 0.5f);
    EXPECT_EQ(host.dispatch(effGetVu), static_cast<std::intptr_t>(std::floor((0.5f + 0.1f) * 32767.0 + 0.5)));
}

TEST_F(FilterTest, ProgramsReplayTheirValues) {
    host.dispatch(effSetProgram, 0, 3);
    set(1.0f, 0.5f, 0.25f, 1.0f, 1.0f, 0.25f);
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(host.parameterDisplay(kCutoff), "    220");
    host.dispatch(effSetProgram, 0, 3);
    const float expected[] = {1.0f, 0.5f, 0.25f, 1.0f, 1.0f, 0.25f};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(host.getParameter(i), expected[i]) << i;
}

}  // namespace
