// Programs of the four first-order libraries: each remembers its values and its name,
// selecting another program restores that one's, "Init" reads with its one-based number,
// and names are cut to the record's field and, when reported, to the host's 24 bytes.
#include "PluginFixture.h"

using firstorder::LoadedPlugin;

namespace {

struct ProgramCase {
    const char* library;
    std::intptr_t program;
    std::vector<std::pair<std::int32_t, float>> edits;
    std::int32_t shownIndex;  // a parameter whose display text is checked
    const char* shownDefault;
    const char* shownEdited;
    const char* newName;
    std::size_t nameLength;  // longest name a host reads back
};

const ProgramCase kCases[] = {
    {"orva_panner_master", 3, {{4, 0.25f}, {0, 0.3f}, {1, 0.9f}, {2, 0.75f}, {17, 0.4f}}, 4, "360.0000", "90.00000",
     "Ambisonic pan control", 23},
    {"orva_panner_effect", 3, {{0, 0.25f}, {13, 0.4f}, {7, 0.5f}}, 0, "360.0000", "90.00000", "Ambisonic pan control",
     23},
    {"orva_field", 3, {{0, 0.2f}, {1, 0.4f}, {2, 0.6f}, {3, 0.8f}}, 3, "      0", "      4", "Ambisonic field control",
     23},
    {"orva_zoom", 31, {{0, 0.1f}, {1, 0.6f}, {2, 0.75f}}, 2, "0.000000", "0.500000", "Ambisonic zoom control", 23},
};

}  // namespace

TEST(FirstOrderPrograms, RoundTripsOfValuesAndNames) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.library);
        LoadedPlugin p(c.library);
        ASSERT_TRUE(p.ready());
        auto& host = p.host;
        host.dispatch(effSetProgram, 0, c.program);
        std::vector<float> defaults;
        for (const auto& edit : c.edits) defaults.push_back(host.getParameter(edit.first));
        for (const auto& [index, value] : c.edits) host.setParameter(index, value);
        char init[] = "Init";
        host.dispatch(effSetProgramName, 0, 0, init);
        const std::string initName = "Init " + std::to_string(c.program + 1);
        EXPECT_EQ(host.programName(), initName);

        host.dispatch(effSetProgram, 0, 0);
        for (std::size_t i = 0; i < c.edits.size(); ++i)
            EXPECT_EQ(host.getParameter(c.edits[i].first), defaults[i]) << c.edits[i].first;
        EXPECT_EQ(host.parameterDisplay(c.shownIndex), c.shownDefault);
        EXPECT_EQ(host.programName(), c.newName);

        host.dispatch(effSetProgram, 0, c.program);
        EXPECT_EQ(host.dispatch(effGetProgram), c.program);
        for (const auto& [index, value] : c.edits) EXPECT_EQ(host.getParameter(index), value) << index;
        EXPECT_EQ(host.parameterDisplay(c.shownIndex), c.shownEdited);
        EXPECT_EQ(host.programName(), initName);

        std::string longName(60, 'n');
        host.dispatch(effSetProgramName, 0, 0, longName.data());
        auto name = host.readText(effGetProgramName, 0, 23);  // 24 bytes with the NUL
        EXPECT_EQ(name.text, std::string(c.nameLength, 'n'));
        EXPECT_FALSE(name.overrun);
    }
}
