// The master panner's pan position, pan modes and pan angle through its built library.
#include <cmath>

#include "PannerReference.h"
#include "PluginFixture.h"

using firstorder::LoadedPlugin;

namespace {

constexpr int kLrPan = 0, kFbPan = 1, kMirrorType = 2, kPanAngle = 3;
constexpr int kLeftAz = 4, kLeftEl = 5, kLeftVol = 7, kLeftDist = 8;
constexpr int kRhtAz = 12, kRhtVol = 14;

struct ModeCase {
    const char* what;
    float mirrorType, lrPan, fbPan, leftAz, rightAz, leftEl;
    // Settled W, X, Y, Z of each source alone (Vol 1, Zero 0.707, First 1, Dist = Centre).
    double left[4];
    double right[4];
};

const double kS = std::sqrt(0.5);

const ModeCase kModeCases[] = {
    {"mode 1, default pan point: turned 45 degrees anticlockwise", 0.2f, 0.0f, 0.0f, 1.0f, 1.0f, 0.5f,
     {0.707, kS, kS, 0.0}, {0.707, kS, kS, 0.0}},
    {"mode 1, pan point right: turned 90 degrees clockwise", 0.25f, 1.0f, 0.5f, 0.75f, 0.25f, 0.5f,
     {0.707, 1.0, 0.0, 0.0}, {0.707, -1.0, 0.0, 0.0}},
    {"mode 1, centre: omnidirectional, W doubled", 0.2f, 0.5f, 0.5f, 0.25f, 0.75f, 0.5f,
     {1.414, 0.0, 0.0, 0.0}, {1.414, 0.0, 0.0, 0.0}},
    {"mode 1, inside 0.1 of the centre: near field", 0.2f, 0.55f, 0.5f, 1.0f, 1.0f, 0.5f,
     {0.707 * 1.5, 0.0, -0.5, 0.0}, {0.707 * 1.5, 0.0, -0.5, 0.0}},
    {"mode 2, pan point left: right source mirrored left-right", 0.4f, 0.0f, 0.5f, 0.25f, 0.25f, 0.5f,
     {0.707, 0.0, 1.0, 0.0}, {0.707, 0.0, -1.0, 0.0}},
    {"mode 2 uses elevation for Z only", 0.4f, 0.0f, 0.5f, 0.25f, 0.25f, 1.0f,
     {0.707, 0.0, 1.0, 1.0}, {0.707, 0.0, -1.0, 0.0}},
    {"mode 3, pan point front: right source mirrored front-back", 0.6f, 0.5f, 0.0f, 0.25f, 0.25f, 0.5f,
     {0.707, 1.0, 0.0, 0.0}, {0.707, -1.0, 0.0, 0.0}},
    {"mode 4, front-left corner: mirrored through the centre", 0.75f, 0.0f, 0.0f, 0.25f, 0.25f, 0.5f,
     {0.707, 1.0, 1.0, 0.0}, {0.707, -1.0, -1.0, 0.0}},
    {"mode 5 as mode 4", 1.0f, 0.0f, 0.0f, 0.25f, 0.25f, 0.5f, {0.707, 1.0, 1.0, 0.0}, {0.707, -1.0, -1.0, 0.0}},
    {"mode above 5 as mode 4", 2.0f, 0.25f, 1.0f, 0.25f, 0.25f, 0.5f,
     {0.707, -1.0, 0.5, 0.0}, {0.707, 1.0, -0.5, 0.0}},
    {"0.098 still mode 0: own directions", 0.098f, 1.0f, 0.5f, 1.0f, 0.25f, 0.5f,
     {0.707, 1.0, 0.0, 0.0}, {0.707, 0.0, -1.0, 0.0}},
    {"0.0981 is mode 1: turned", 0.0981f, 1.0f, 0.5f, 1.0f, 0.25f, 0.5f,
     {0.707, 0.0, -1.0, 0.0}, {0.707, -1.0, 0.0, 0.0}},
    {"negative mode as mode 0", -1.0f, 1.0f, 0.5f, 1.0f, 0.25f, 0.5f,
     {0.707, 1.0, 0.0, 0.0}, {0.707, 0.0, -1.0, 0.0}},
};

void setUp(testhost::TestHost& host, const ModeCase& c) {
    host.setParameter(kMirrorType, c.mirrorType);
    host.setParameter(kLrPan, c.lrPan);
    host.setParameter(kFbPan, c.fbPan);
    host.setParameter(kLeftAz, c.leftAz);
    host.setParameter(kRhtAz, c.rightAz);
    host.setParameter(kLeftEl, c.leftEl);
    host.setParameter(kLeftVol, 1.0f);
    host.setParameter(kRhtVol, 1.0f);
}

}  // namespace

TEST(PanModes, SettledGainsOfBothSources) {
    for (const auto& c : kModeCases) {
        SCOPED_TRACE(c.what);
        for (bool leftSource : {true, false}) {
            LoadedPlugin p("orva_panner_master");
            ASSERT_TRUE(p.ready());
            setUp(p.host, c);
            const auto out = p.settledOutput(leftSource ? std::vector<float>{1.0f, 0.0f}
                                                        : std::vector<float>{0.0f, 1.0f});
            const double* expected = leftSource ? c.left : c.right;
            for (int k = 0; k < 4; ++k)
                EXPECT_NEAR(out[k], expected[k], 2e-6) << (leftSource ? "left" : "right") << " channel " << k;
        }
    }
}

TEST(PanModes, PanAngleIsDisplayedNotStored) {
    struct Case {
        float lr, fb;
        const char* display;
    } cases[] = {
        {0.0f, 0.0f, "44.99998"}, {0.5f, 0.5f, "360.0000"}, {1.0f, 0.5f, "270.0000"},
        {0.5f, 1.0f, "180.0000"}, {0.0f, 0.5f, "89.99999"},
    };
    LoadedPlugin p("orva_panner_master");
    ASSERT_TRUE(p.ready());
    for (const auto& c : cases) {
        p.host.setParameter(kLrPan, c.lr);
        p.host.setParameter(kFbPan, c.fb);
        p.host.setParameter(kPanAngle, 0.7f);
        EXPECT_EQ(p.host.parameterDisplay(kPanAngle), c.display) << c.lr << ", " << c.fb;
        EXPECT_EQ(p.host.getParameter(kPanAngle), 0.0f);
    }
}

TEST(PanModes, OneDisplayRefreshPerPanAngleChange) {
    for (float mirrorType : {0.0f, 0.2f, 1.0f}) {
        SCOPED_TRACE(mirrorType);
        LoadedPlugin p("orva_panner_master");
        ASSERT_TRUE(p.ready());
        p.host.setParameter(kMirrorType, mirrorType);
        auto refreshesOverBlocks = [&](int blocks) {
            p.host.clearCalls();
            for (int i = 0; i < blocks; ++i) p.host.runBlock(testhost::ProcessMode::Replacing, {}, 64);
            return p.host.callsWith(audioMasterUpdateDisplay).size();
        };
        EXPECT_EQ(refreshesOverBlocks(3), 1u);  // the default pan point is not straight ahead
        p.host.setParameter(kLrPan, 0.5f);
        p.host.setParameter(kFbPan, 0.5f);
        EXPECT_EQ(refreshesOverBlocks(3), 1u);
        p.host.setParameter(kLrPan, 1.0f);
        EXPECT_EQ(refreshesOverBlocks(1), 1u);
        EXPECT_EQ(refreshesOverBlocks(4), 0u);
        p.host.setParameter(kFbPan, 0.5f);  // same value: same angle
        EXPECT_EQ(refreshesOverBlocks(2), 0u);
    }
}

TEST(PanModes, StraightAheadAtCreationAsksForNoRefresh) {
    LoadedPlugin p("orva_panner_master");
    ASSERT_TRUE(p.ready());
    p.host.setParameter(kLrPan, 0.5f);  // pan point straight ahead on the front edge: angle 0
    p.host.clearCalls();
    p.host.runBlock(testhost::ProcessMode::Replacing, {}, 64);
    EXPECT_TRUE(p.host.callsWith(audioMasterUpdateDisplay).empty());
}

// With a pan mode the far-field gain can meet Dist 0, where the formula has no finite
// value; the distance is taken as at least 0.001 there.
TEST(PanModes, DistanceZeroInThePanModesStaysFinite) {
    for (float dfact : {0.0f, 0.75f, 1.0f}) {
        LoadedPlugin p("orva_panner_master");
        ASSERT_TRUE(p.ready());
        p.host.setParameter(kMirrorType, 0.2f);
        p.host.setParameter(kLrPan, 1.0f);
        p.host.setParameter(kFbPan, 0.5f);
        p.host.setParameter(kLeftVol, 1.0f);
        p.host.setParameter(kLeftDist, 0.0f);
        p.host.setParameter(9, dfact);  // Left DFact
        const auto out = p.settledOutput({1.0f, 0.0f});
        const double g = firstorder::referenceDistanceGain(0.001, 0.1, dfact);
        EXPECT_NEAR(out[0], 0.707 * g, 1e-5 * g) << dfact;
        for (float s : out) EXPECT_TRUE(std::isfinite(s)) << dfact;
    }
}
