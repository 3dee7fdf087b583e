// What a panner subclass receives through setParameter when a program is selected: the
// stored values in the replay order, and in the master variant the pan angle last.
#include <cmath>

#include "PluginFixture.h"
#include "ReplayEntry.h"

namespace {

std::vector<ReplayEntry> replayOf(testhost::TestHost& host, std::intptr_t program) {
    host.dispatch(effVendorSpecific, 2);
    host.dispatch(effSetProgram, 0, program);
    std::vector<ReplayEntry> entries(kReplayCapacity);
    entries.resize(static_cast<std::size_t>(host.dispatch(effVendorSpecific, 1, 0, entries.data())));
    return entries;
}

}  // namespace

TEST(PanReplay, ProgramValuesArriveInReplayOrder) {
    const std::vector<std::int32_t> masterOrder = {4,  5,  7,  8,  6,  9,  10, 11, 12, 13,
                                                   14, 15, 17, 16, 18, 19, 0,  1,  2,  3};
    for (bool master : {true, false}) {
        SCOPED_TRACE(master ? "master" : "effect");
        firstorder::LoadedPlugin p(master ? "test-only/orva_pan_replay_master" : "test-only/orva_pan_replay_effect");
        ASSERT_TRUE(p.ready()) << p.host.error();
        const int offset = master ? 0 : 4;
        p.host.dispatch(effSetProgram, 0, 4);
        for (std::int32_t i = 0; i < p.host.effect()->numParams; ++i) p.host.setParameter(i, 0.01f * (i + 1));
        p.host.dispatch(effSetProgram, 0, 0);
        const auto entries = replayOf(p.host, 4);
        std::vector<std::int32_t> expectedOrder;
        for (std::int32_t m : masterOrder)
            if (m - offset >= 0) expectedOrder.push_back(m - offset);
        ASSERT_EQ(entries.size(), expectedOrder.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].index, expectedOrder[i]) << i;
            if (!(master && entries[i].index == 3)) {
                EXPECT_EQ(entries[i].value, 0.01f * (entries[i].index + 1)) << i;
            }
        }
        if (master) {
            // The pan angle of the stored pan position (0.01, 0.02) in radians, −2π..0.
            const double expectedAngle = -(std::atan2(0.01 - 0.5, 0.5 - 0.02) + 6.2831854820251465);
            EXPECT_NEAR(entries.back().value, expectedAngle, 1e-6);
        }
    }
}
