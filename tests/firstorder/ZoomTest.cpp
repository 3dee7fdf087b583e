// The zoom through its built library.
#include <cmath>

#include "PluginFixture.h"

using firstorder::LoadedPlugin;

namespace {

struct ZoomCase {
    const char* what;
    float azimuth, elevation, zoom;
    float in[4];
    float out[4];
    float tolerance;  // |z| settles just below 1, so Y and Z keep about 3e-7 of themselves
};

const ZoomCase kCases[] = {
    {"default passes the field", 0.0f, 0.25f, 0.5f, {0.5f, 0.3f, -0.2f, 0.1f}, {0.5f, 0.3f, -0.2f, 0.1f}, 1e-6f},
    {"towards the front", 0.0f, 0.25f, 0.0f, {0.5f, 0.3f, -0.2f, 0.1f},
     {1.414f * 0.5f + 0.5f * 0.3f, 0.3f + 0.5f, 0.0f, 0.0f}, 2e-6f},
    {"away from the front", 0.0f, 0.25f, 1.0f, {0.5f, 0.3f, -0.2f, 0.1f},
     {1.414f * 0.5f - 0.5f * 0.3f, 0.3f - 0.5f, 0.0f, 0.0f}, 2e-6f},
    {"towards azimuth 90, source there", 0.25f, 0.25f, 0.0f, {1.0f, 0.0f, -1.0f, 0.0f},
     {1.914f, 0.0f, -2.0f, 0.0f}, 2e-6f},
    {"towards azimuth 90, source opposite", 0.25f, 0.25f, 0.0f, {1.0f, 0.0f, 1.0f, 0.0f},
     {0.914f, 0.0f, 0.0f, 0.0f}, 2e-6f},
    // The host display counts elevation the other way: 90 there zooms downwards.
    {"towards elevation display 90", 0.0f, 0.5f, 0.0f, {1.0f, 0.0f, 0.0f, -1.0f}, {1.914f, 0.0f, 0.0f, -2.0f}, 2e-6f},
};

}  // namespace

TEST(Zoom, SettledTransforms) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        LoadedPlugin p("orva_zoom");
        ASSERT_TRUE(p.ready());
        p.host.setParameter(0, c.azimuth);
        p.host.setParameter(1, c.elevation);
        p.host.setParameter(2, c.zoom);
        const auto out = p.settledOutput({c.in[0], c.in[1], c.in[2], c.in[3]});
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(out[k], c.out[k], c.tolerance) << "channel " << k;
    }
}

TEST(Zoom, DisplayTexts) {
    struct Case {
        int index;
        float value;
        const char* display;
    } cases[] = {
        {0, 0.25f, "90.00000"}, {0, 1.0f, "360.0000"},  {1, 0.25f, "0.000000"}, {1, 0.0f, "-90.0000"},
        {1, 1.0f, "270.0000"},  {2, 1.0f, "1.000000"},  {2, 0.0f, "-1.00000"},  {2, 0.75f, "0.500000"},
    };
    LoadedPlugin p("orva_zoom");
    ASSERT_TRUE(p.ready());
    for (const auto& c : cases) {
        p.host.setParameter(c.index, c.value);
        EXPECT_EQ(p.host.parameterDisplay(c.index), c.display) << c.index << " = " << c.value;
    }
}

// Hosts do not clamp: a Zoom value outside 0..1 drives |z| past 1, where the dominance's
// square root has no real value. Y and Z then fall silent instead of turning NaN.
TEST(Zoom, ZoomBeyondFullStaysFinite) {
    for (float zoom : {-1.0f, 2.0f}) {
        LoadedPlugin p("orva_zoom");
        ASSERT_TRUE(p.ready());
        p.host.setParameter(2, zoom);
        const auto out = p.settledOutput({0.5f, 0.3f, -0.2f, 0.1f});
        for (float s : out) EXPECT_TRUE(std::isfinite(s)) << zoom;
        EXPECT_EQ(out[2], 0.0f) << zoom;
        EXPECT_EQ(out[3], 0.0f) << zoom;
    }
}

TEST(Zoom, ProgramsRememberTheirValuesAndNames) {
    LoadedPlugin p("orva_zoom");
    ASSERT_TRUE(p.ready());
    p.host.dispatch(effSetProgram, 0, 31);
    const float values[3] = {0.1f, 0.6f, 0.9f};
    for (int i = 0; i < 3; ++i) p.host.setParameter(i, values[i]);
    char init[] = "Init";
    p.host.dispatch(effSetProgramName, 0, 0, init);
    EXPECT_EQ(p.host.programName(), "Init 32");
    p.host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(p.host.getParameter(0), 0.0f);
    EXPECT_EQ(p.host.getParameter(1), 0.25f);
    EXPECT_EQ(p.host.getParameter(2), 0.5f);
    p.host.dispatch(effSetProgram, 0, 31);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p.host.getParameter(i), values[i]);
    EXPECT_EQ(p.host.programName(), "Init 32");
}
