// Opcodes, the program model and host calls of the base classes, through the record.
#include <cstring>

#include "TestPluginFixture.h"

namespace {

struct OpcodeCase {
    std::int32_t opcode;
    std::int32_t index;
    std::intptr_t value;
    float opt;
    std::intptr_t expected;
};

}  // namespace

TEST_F(TestPluginFixture, DefaultAnswersOfTheDispatcher) {
    char text[256];
    void* chunk = nullptr;
    const OpcodeCase cases[] = {
        {effIdentify, 0, 0, 0.0f, 0x4e764566},
        {effIdentify, 7, 99, 1.5f, 0x4e764566},
        {effOpen, 0, 0, 0.0f, 0},
        {effEditOpen, 0, 0, 0.0f, 0},  // no editor
        {effEditGetRect, 0, 0, 0.0f, 0},
        {effEditKeyDown, 65, 0x0107, 2.9f, 0},
        {effSetEditKnobMode, 0, 2, 0.0f, 0},
        {effCanBeAutomated, 1, 0, 0.0f, 1},
        {effString2Parameter, 0, 0, 0.0f, 0},
        {effGetNumProgramCategories, 0, 0, 0.0f, 1},
        {effCopyProgram, 1, 0, 0.0f, 0},
        {effConnectInput, 0, 1, 0.0f, 1},
        {effConnectOutput, 1, 0, 0.0f, 1},
        {effGetPlugCategory, 0, 0, 0.0f, kPlugCategEffect},
        {effSetBypass, 0, 1, 0.0f, 0},
        {effGetEffectName, 0, 0, 0.0f, 0},
        {effGetVendorVersion, 0, 0, 0.0f, 0},
        {effCanDo, 0, 0, 0.0f, 0},
        {effGetTailSize, 0, 0, 0.0f, 0},
        {effKeysRequired, 0, 0, 0.0f, 1},
        {effGetVstVersion, 0, 0, 0.0f, 2200},
        {effGetCurrentMidiProgram, 0, 0, 0.0f, -1},
        {effBeginSetProgram, 0, 0, 0.0f, 0},
        {effGetChunk, 0, 0, 0.0f, 0},
        {effSetChunk, 0, 16, 0.0f, 0},
        {69, 0, 0, 0.0f, 0},
        {-1, 0, 0, 0.0f, 0},
    };
    for (const auto& c : cases) {
        std::strcpy(text, "probe");
        void* ptr = c.opcode == effGetChunk ? static_cast<void*>(&chunk) : text;
        EXPECT_EQ(host.dispatch(c.opcode, c.index, c.value, ptr, c.opt), c.expected) << "opcode " << c.opcode;
    }
}

TEST_F(TestPluginFixture, VendorAndProductTexts) {
    auto vendorText = host.readText(effGetVendorString, 0, 64);
    EXPECT_EQ(vendorText.text, "Orva Test");
    EXPECT_FALSE(vendorText.overrun);
    EXPECT_EQ(host.dispatch(effGetProductString, 0, 0, std::vector<char>(65).data()), 1);
}

TEST_F(TestPluginFixture, SetProgramIgnoresOutOfRangeNumbers) {
    host.dispatch(effSetProgram, 0, 2);
    ASSERT_EQ(host.dispatch(effGetProgram), 2);
    for (std::intptr_t bad : {std::intptr_t{4}, std::intptr_t{-1}, std::intptr_t{1000}}) {
        host.dispatch(effSetProgram, 0, bad);
        EXPECT_EQ(host.dispatch(effGetProgram), 2) << bad;
    }
}

TEST_F(TestPluginFixture, InitProgramsReadWithTheirOneBasedNumber) {
    struct Case {
        std::int32_t program;
        const char* stored;
        const char* reported;
    } cases[] = {
        {0, "Init", "Init 1"}, {2, "Init", "Init 3"}, {3, "Init ", "Init "}, {1, "init", "init"}, {1, "Pad", "Pad"},
    };
    for (const auto& c : cases) {
        host.dispatch(effSetProgram, 0, c.program);
        char name[32];
        std::strcpy(name, c.stored);
        host.dispatch(effSetProgramName, 0, 0, name);
        auto text = host.readText(effGetProgramName, 0, 24);
        EXPECT_EQ(text.text, c.reported);
        EXPECT_FALSE(text.overrun);
    }
}

TEST_F(TestPluginFixture, ProgramsRememberTheirValuesAndNames) {
    host.dispatch(effSetProgram, 0, 1);
    host.setParameter(0, 0.25f);
    char name[] = "Wide";
    host.dispatch(effSetProgramName, 0, 0, name);
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(host.getParameter(0), 1.0f);
    EXPECT_EQ(host.programName(), "Init 1");
    host.dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(host.getParameter(0), 0.25f);
    EXPECT_EQ(host.programName(), "Wide");
}

TEST_F(TestPluginFixture, LongProgramNamesAreCutToTheField) {
    std::string longName(100, 'x');
    host.dispatch(effSetProgramName, 0, 0, longName.data());
    auto text = host.readText(effGetProgramName, 0, 24);
    EXPECT_EQ(text.text, std::string(23, 'x'));
    EXPECT_FALSE(text.overrun);
}

TEST_F(TestPluginFixture, AutomationStoresThenTellsTheHost) {
    float seenByHost = -1.0f;
    host.onCall = [&](const testhost::HostCall& call) {
        if (call.opcode == audioMasterAutomate) seenByHost = host.getParameter(call.index);
    };
    host.clearCalls();
    vendor(12, 1, nullptr, 0.25f);
    auto automate = host.callsWith(audioMasterAutomate);
    ASSERT_EQ(automate.size(), 1u);
    EXPECT_EQ(automate[0].index, 1);
    EXPECT_EQ(automate[0].opt, 0.25f);
    EXPECT_EQ(automate[0].value, 0);
    EXPECT_EQ(automate[0].ptr, nullptr);
    EXPECT_EQ(seenByHost, 0.25f);  // the plug-in had stored it when the host was told
}

TEST_F(TestPluginFixture, VuIsScaledAndTruncatedTowardZero) {
    const std::pair<float, std::intptr_t> cases[] = {
        {0.0f, 0}, {1.0f, 32767}, {0.5f, 16383}, {0.99999f, 32766}, {0.00003f, 0},
    };
    for (const auto& [vu, expected] : cases) {
        host.setParameter(1, vu);
        EXPECT_EQ(host.dispatch(effGetVu), expected) << vu;
    }
}

TEST_F(TestPluginFixture, MainsAndRatesReachThePlugin) {
    host.dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(vendor(11, 18), 1);
    host.dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(vendor(11, 18), 0);
    host.dispatch(effMainsChanged, 0, 7);
    EXPECT_EQ(vendor(11, 18), 1);

    EXPECT_EQ(host.dispatch(effSetBlockSizeAndSampleRate, 0, 512, nullptr, 48000.0f), 1);
    EXPECT_EQ(vendor(11, 10), 48000);
    EXPECT_EQ(vendor(11, 11), 512);
    host.dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
    host.dispatch(effSetBlockSize, 0, 64);
    EXPECT_EQ(vendor(11, 10), 96000);
    EXPECT_EQ(vendor(11, 11), 64);
}

TEST_F(TestPluginFixture, HostQueriesSendTheirOpcodesAndArguments) {
    host.answers[audioMasterCurrentId] = 0x1234;
    host.answers[audioMasterPinConnected] = 1;  // "not connected"
    host.answers[audioMasterUpdateDisplay] = 1;
    host.answers[audioMasterBeginEdit] = 1;
    host.clearCalls();
    EXPECT_EQ(vendor(11, 0), 2400);
    EXPECT_EQ(vendor(11, 1), 0x1234);
    EXPECT_EQ(vendor(11, 2), 0);
    EXPECT_EQ(vendor(11, 4), 1);
    EXPECT_EQ(vendor(11, 5), 1);
    EXPECT_EQ(vendor(11, 6), 0);
    EXPECT_EQ(vendor(11, 7), 0);  // null selector: nothing is sent
    EXPECT_EQ(vendor(11, 8), 0);
    vendor(11, 16);

    const std::int32_t expectedOpcodes[] = {audioMasterVersion,      audioMasterCurrentId, audioMasterPinConnected,
                                            audioMasterUpdateDisplay, audioMasterBeginEdit, audioMasterEndEdit,
                                            audioMasterSizeWindow,   audioMasterIdle};
    ASSERT_EQ(host.calls().size(), std::size(expectedOpcodes));
    for (std::size_t i = 0; i < host.calls().size(); ++i) {
        EXPECT_EQ(host.calls()[i].opcode, expectedOpcodes[i]) << i;
    }
    EXPECT_EQ(host.calls()[2].index, 1);  // isInputConnected(1): index = input, value 0
    EXPECT_EQ(host.calls()[2].value, 0);
    EXPECT_EQ(host.calls()[4].index, 3);  // beginEdit(3)
    EXPECT_EQ(host.calls()[6].index, 300);  // sizeWindow: index = width, value = height
    EXPECT_EQ(host.calls()[6].value, 200);
    EXPECT_TRUE(host.editGesturesBalanced());
}

TEST_F(TestPluginFixture, EditorRequestsReachTheEditorOnceThereIsOne) {
    ASSERT_EQ(vendor(20), 1);
    EXPECT_EQ(host.dispatch(effEditOpen, 0, 0, nullptr), 1);
    // Key record: character from index, low byte of value, opt truncated to an integer.
    const std::intptr_t packed = host.dispatch(effEditKeyDown, 65, 0x0107, nullptr, 2.9f);
    EXPECT_EQ(packed, (65 << 16) | (7 << 8) | 2);
    EXPECT_EQ(host.dispatch(effEditKeyUp, 66, 0x0241, nullptr, 1.0f), -((66 << 16) | (0x41 << 8) | 1));
    EXPECT_EQ(host.dispatch(effSetEditKnobMode, 0, 2), 102);
    ERect* rect = reinterpret_cast<ERect*>(&rect);
    EXPECT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, nullptr);
    EXPECT_EQ(host.dispatch(effEditIdle), 0);
    EXPECT_EQ(host.dispatch(effEditClose), 0);
}

TEST_F(TestPluginFixture, TextGettersIgnoreOutOfRangeIndices) {
    for (std::int32_t opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
        char text[16] = "unchanged";
        host.dispatch(opcode, 3, 0, text);
        EXPECT_STREQ(text, "unchanged");
        host.dispatch(opcode, -1, 0, text);
        EXPECT_STREQ(text, "unchanged");
    }
    host.setParameter(7, 0.5f);
    EXPECT_EQ(host.getParameter(7), 0.0f);
    EXPECT_EQ(host.getParameter(-1), 0.0f);
}

TEST_F(TestPluginFixture, ProcessingModesAgree) {
    host.setParameter(0, 0.5f);
    std::vector<std::vector<float>> input{{1.0f, -2.0f, 0.25f, 4.0f}};
    auto replaced = host.runBlock(testhost::ProcessMode::Replacing, input, 4);
    auto inPlace = host.runBlock(testhost::ProcessMode::InPlace, input, 4);
    auto added = host.runBlock(testhost::ProcessMode::Accumulating, input, 4, 1.0f);
    ASSERT_EQ(replaced.outputs.size(), 2u);
    EXPECT_TRUE(replaced.guardsIntact && inPlace.guardsIntact && added.guardsIntact);
    EXPECT_EQ(replaced.outputs[0], (std::vector<float>{0.5f, -1.0f, 0.125f, 2.0f}));
    EXPECT_EQ(inPlace.outputs, replaced.outputs);
    EXPECT_EQ(added.outputs[1], (std::vector<float>{1.5f, 0.0f, 1.125f, 3.0f}));
    auto empty = host.runBlock(testhost::ProcessMode::Replacing, input, 0);
    EXPECT_TRUE(empty.guardsIntact);
}
