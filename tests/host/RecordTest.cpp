// The entry point and the record, seen from a host that loads the library.
#include <cstring>

#include "TestPluginFixture.h"

using testhost::PluginLibrary;
using testhost::TestHost;

TEST_F(TestPluginFixture, RecordHoldsBaseValuesAndPointsBackAtItsObject) {
    EXPECT_EQ(effect->magic, 0x56737450);
    EXPECT_EQ(effect->numPrograms, 4);
    EXPECT_EQ(effect->numParams, 3);
    EXPECT_EQ(effect->numInputs, 1);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->flags, effFlagsCanReplacing);
    EXPECT_EQ(effect->uniqueID, 0x4f567470);  // "OVtp"
    EXPECT_EQ(effect->version, 1);
    EXPECT_EQ(effect->ioRatio, 1.0f);
    EXPECT_EQ(effect->initialDelay, 0);
    EXPECT_EQ(effect->realQualities, 0);
    EXPECT_EQ(effect->offQualities, 0);
    EXPECT_EQ(effect->resvd1, 0);
    EXPECT_EQ(effect->resvd2, 0);
    EXPECT_EQ(effect->user, nullptr);
    EXPECT_NE(effect->object, nullptr);
    for (char byte : effect->future) EXPECT_EQ(byte, 0);
    // The record is embedded in the object: its address lies inside it, past the vtable.
    auto* object = static_cast<char*>(effect->object);
    auto* record = reinterpret_cast<char*>(effect);
    EXPECT_GT(record, object);
    EXPECT_LT(record - object, 256);
}

TEST(EntryPoint, ExportsBothNamesAndTheyCreateInstances) {
    std::string error;
    auto lib = PluginLibrary::open(testhost::pluginPath("test-only/orva_testplugin"), &error);
    ASSERT_TRUE(lib) << error;
    for (const char* name : {"VSTPluginMain", "main"}) {
        SCOPED_TRACE(name);
        auto entry = lib->symbol(name);
        ASSERT_NE(entry, nullptr);
        TestHost host(testhost::pluginPath("test-only/orva_testplugin"));
        AEffect* e = host.instantiate(entry);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->magic, kEffectMagic);
        ASSERT_FALSE(host.calls().empty());
        EXPECT_EQ(host.calls().front().opcode, audioMasterVersion);
    }
    EXPECT_EQ(lib->symbol("createEffectInstance"), nullptr);
    EXPECT_EQ(lib->symbol("DllMain"), nullptr);
}

TEST(EntryPoint, HostWithoutVersionAnswerGetsNoRecord) {
    TestHost host(testhost::pluginPath("test-only/orva_testplugin"));
    ASSERT_TRUE(host.loaded()) << host.error();
    host.versionAnswer = 0;
    EXPECT_EQ(host.instantiate(), nullptr);
    ASSERT_EQ(host.calls().size(), 1u);
    EXPECT_EQ(host.calls()[0].opcode, audioMasterVersion);
    EXPECT_EQ(host.calls()[0].ptr, nullptr);
}

TEST(EntryPoint, EachCallCreatesAnIndependentInstance) {
    TestHost first(testhost::pluginPath("test-only/orva_testplugin"));
    TestHost second(testhost::pluginPath("test-only/orva_testplugin"));
    AEffect* a = first.instantiate();
    AEffect* b = second.instantiate();
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    first.setParameter(0, 0.25f);
    EXPECT_EQ(first.getParameter(0), 0.25f);
    EXPECT_EQ(second.getParameter(0), 1.0f);
}

TEST_F(TestPluginFixture, CloseAnswersOneAndDestroysTheObject) {
    // The object's own dispatcher answers 0 for effClose; the trampoline answers 1.
    EXPECT_EQ(host.close(), 1);
    EXPECT_EQ(host.effect(), nullptr);
}

TEST_F(TestPluginFixture, HostlessTwinAnswersNeutralValues) {
    AEffect* twin = nullptr;
    ASSERT_EQ(vendor(10, 0, &twin), 1);
    ASSERT_NE(twin, nullptr);
    auto query = [&](std::intptr_t which) {
        return twin->dispatcher(twin, effVendorSpecific, 11, which, nullptr, 0.0f);
    };
    struct Case {
        int query;
        std::intptr_t expected;
        const char* what;
    } cases[] = {
        {0, 1, "getMasterVersion"},   {1, 0, "getCurrentUniqueId"}, {2, 1, "isInputConnected"},
        {3, 1, "isOutputConnected"},  {4, 0, "updateDisplay"},      {5, 0, "beginEdit"},
        {6, 0, "endEdit"},            {7, 0, "openFileSelector"},   {8, 0, "sizeWindow"},
        {9, 0, "getHostVendorString"}, {10, 44100, "updateSampleRate"}, {11, 1024, "updateBlockSize"},
        {12, 0, "getTimeInfo"},       {13, 0, "canHostDo"},         {14, 0, "sendVstEventsToHost"},
        {17, -1, "getCurrentMidiProgram"},
    };
    for (const auto& c : cases) EXPECT_EQ(query(c.query), c.expected) << c.what;
    EXPECT_EQ(twin->dispatcher(twin, effClose, 0, 0, nullptr, 0.0f), 1);
}
