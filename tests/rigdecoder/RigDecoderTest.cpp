// The rig decoder's identity, parameters, program and chunk through the loaded library.
#include <cstring>

#include "RigFixture.h"

namespace {

using RigDecoderTest = LoadedRigTest;

TEST_F(RigDecoderTest, IdentityOfTheEditorBuildOverThePlainClass) {
    RigPlugin plain(RigLibrary::kPlainTestBuild);  // the plain class's own ID
    ASSERT_NE(plain.host.instantiateAndStart(), nullptr) << plain.host.error();
    EXPECT_EQ(plain.host.effect()->uniqueID, 0x686c7662);  // "hlvb"
    AEffect* e = host.effect();
    EXPECT_EQ(e->numPrograms, 1);
    EXPECT_EQ(e->numParams, 6);
    EXPECT_EQ(e->numInputs, 9);
    EXPECT_EQ(e->numOutputs, 12);
    EXPECT_EQ(e->flags, effFlagsCanReplacing | effFlagsProgramChunks | effFlagsHasEditor);
    EXPECT_EQ(e->uniqueID, 0x686c7667);  // "hlvg"
    EXPECT_EQ(host.readText(effGetVendorString, 0, 64).text, "tolvenic");
    EXPECT_EQ(host.readText(effGetProductString, 0, 64).text, "Halvane");
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 0);
    EXPECT_EQ(host.dispatch(effGetEffectName, 0, 0, std::vector<char>(65).data()), 0);
    EXPECT_EQ(host.dispatch(effGetVstVersion), 2200);
}

TEST_F(RigDecoderTest, ParametersStartAtTheNewProgramAndReadAsDesigned) {
    struct Case {
        const char* name;
        const char* label;
        float value;
        const char* display;
    } cases[] = {
        {" Matrix ", "rig-type", 0.0f, "Pentagon"}, {"  Mode  ", "CO2StrSF", 0.5f, "StrctSF "},
        {" Volume ", "   dB   ", 1.0f, "0.000000"}, {" 1stOrd ", "yes / no", 0.0f, "0.000000"},
        {"SpkrTest", "on / off", 0.0f, "0.000000"}, {"TestLoop", "yes / no", 0.0f, "0.000000"},
    };
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const auto name = host.readText(effGetParamName, i, 8);
        EXPECT_EQ(name.text, cases[i].name);
        EXPECT_FALSE(name.overrun);
        EXPECT_EQ(host.parameterLabel(i), cases[i].label);
        EXPECT_EQ(host.getParameter(i), cases[i].value);
        EXPECT_EQ(host.parameterDisplay(i), cases[i].display);
    }
    EXPECT_EQ(host.programName(), "");
    EXPECT_FALSE(host.readText(effGetParamName, 6, 8).terminated);
    EXPECT_EQ(host.getParameter(6), 0.0f);
}

TEST_F(RigDecoderTest, DisplaysFollowTheirConversions) {
    struct Case {
        int index;
        float value;
        const char* display;
    } cases[] = {
        {0, 8.0f, "Pentagon"}, {1, 0.0f, "StrctSF "},  {2, 0.5f, "-6.02059"}, {2, 0.0f, "  -oo   "},
        {3, 1.0f, "1.000000"}, {4, 0.75f, "0.750000"}, {5, 1.0f, "1.000000"},
    };
    for (const auto& c : cases) {
        host.setParameter(c.index, c.value);
        EXPECT_EQ(host.parameterDisplay(c.index), c.display) << c.index << " " << c.value;
    }
}

TEST_F(RigDecoderTest, ProgramRemembersValuesAndItsName) {
    host.setParameter(kRig, 8.0f);
    host.setParameter(kVolume, 0.25f);
    char init[] = "Init";
    host.dispatch(effSetProgramName, 0, 0, init);
    EXPECT_EQ(host.programName(), "Init 1");
    std::string longName(40, 'n');
    host.dispatch(effSetProgramName, 0, 0, longName.data());
    EXPECT_EQ(host.programName(), std::string(23, 'n'));
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(host.getParameter(kRig), 8.0f);
    EXPECT_EQ(host.getParameter(kVolume), 0.25f);
}

TEST_F(RigDecoderTest, ChunkHoldsTheFourDecodingValuesAndTheTextBasic) {
    rig.set(9.0f, 0.25f, 0.75f, 1.0f);
    host.setParameter(kSpeakerTest, 1.0f);
    void* data = nullptr;
    ASSERT_EQ(host.dispatch(effGetChunk, 1, 0, &data), 48);
    ASSERT_NE(data, nullptr);
    const auto* bytes = static_cast<const unsigned char*>(data);
    const float expected[] = {9.0f, 0.25f, 0.75f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        float v;
        std::memcpy(&v, bytes + 4 * i, 4);
        EXPECT_EQ(v, expected[i]) << i;
    }
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 24), "Basic");
    for (int i = 16; i < 24; ++i) EXPECT_EQ(bytes[i], 0) << i;
    for (int i = 30; i < 48; ++i) EXPECT_EQ(bytes[i], 0) << i;
    void* again = nullptr;
    EXPECT_EQ(host.dispatch(effGetChunk, 0, 0, &again), 48);  // bank and program chunks alike
    EXPECT_EQ(again, data);                                   // the same block, reused
}

TEST_F(RigDecoderTest, SetChunkRestoresDecodingValuesOnlyAndKeepsThemInTheProgram) {
    rig.set(8.0f, 0.2f, 0.6f, 1.0f);
    void* data = nullptr;
    host.dispatch(effGetChunk, 1, 0, &data);
    const std::vector<unsigned char> saved(static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + 48);
    rig.set(2.0f, 0.9f, 0.1f, 0.0f);
    host.setParameter(kSpeakerTest, 0.3f);
    host.setParameter(kTestLoop, 1.0f);

    std::vector<unsigned char> copy = saved;
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 48, copy.data()), 48);
    EXPECT_EQ(host.getParameter(kRig), 8.0f);
    EXPECT_EQ(host.getParameter(kBlend), 0.2f);
    EXPECT_EQ(host.getParameter(kVolume), 0.6f);
    EXPECT_EQ(host.getParameter(kFirstOrder), 1.0f);
    EXPECT_EQ(host.getParameter(kSpeakerTest), 0.3f);
    EXPECT_EQ(host.getParameter(kTestLoop), 1.0f);
    // A host restoring a project may select the current program after the chunk: the
    // restored values are in the program record too.
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(host.getParameter(kRig), 8.0f);
    EXPECT_EQ(host.getParameter(kBlend), 0.2f);
    EXPECT_EQ(host.getParameter(kVolume), 0.6f);
    EXPECT_EQ(host.getParameter(kFirstOrder), 1.0f);
}

TEST_F(RigDecoderTest, ShortOrMissingChunksAreIgnored) {
    rig.set(3.0f, 0.5f, 1.0f, 0.0f);
    // Exactly 15 bytes, so a read of the fourth float would run past the buffer.
    std::unique_ptr<unsigned char[]> shortChunk(new unsigned char[15]);
    std::memset(shortChunk.get(), 0x41, 15);
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 15, shortChunk.get()), 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 0, shortChunk.get()), 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 48, nullptr), 0);
    EXPECT_EQ(host.getParameter(kRig), 3.0f);
    EXPECT_EQ(host.getParameter(kVolume), 1.0f);
    std::vector<unsigned char> sixteen(16, 0);
    EXPECT_EQ(host.dispatch(effSetChunk, 1, 16, sixteen.data()), 48);
    EXPECT_EQ(host.getParameter(kVolume), 0.0f);
}

}  // namespace
