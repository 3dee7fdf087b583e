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
