// The field rotator through its built library.
#include <cmath>

#include "PluginFixture.h"

using firstorder::LoadedPlugin;

namespace {

struct RotationCase {
    const char* what;
    float angle1, angle2, angle3, order;
    float in[4];
    float out[4];
};

const RotationCase kCases[] = {
    {"default passes the field", 0.0f, 0.0f, 0.0f, 0.0f, {0.5f, 0.3f, -0.2f, 0.1f}, {0.5f, 0.3f, -0.2f, 0.1f}},
    {"rotate 90 turns front to right", 0.25f, 0.0f, 0.0f, 0.0f, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -1.0f, 0.0f}},
    {"order 3: Angle3 rotates", 0.0f, 0.0f, 0.25f, 0.6f, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -1.0f, 0.0f}},
    {"order 0: rotate then tilt", 0.25f, 0.25f, 0.0f, 0.0f, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}},
    {"order 2: tilt then rotate", 0.25f, 0.25f, 0.0f, 0.4f, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, -1.0f, 0.0f}},
    {"full turn is no turn", 1.0f, 1.0f, 1.0f, 1.0f, {0.7f, 0.3f, -0.2f, 0.1f}, {0.7f, 0.3f, -0.2f, 0.1f}},
    {"W passes any rotation", 0.1f, 0.3f, 0.7f, 0.8f, {0.9f, 0.0f, 0.0f, 0.0f}, {0.9f, 0.0f, 0.0f, 0.0f}},
    {"tumble 90 turns front to up", 0.0f, 0.0f, 0.25f, 0.0f, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, -1.0f}},
};

}  // namespace

TEST(Field, SettledRotations) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        LoadedPlugin p("orva_field");
        ASSERT_TRUE(p.ready());
        const float values[4] = {c.angle1, c.angle2, c.angle3, c.order};
        for (int i = 0; i < 4; ++i) p.host.setParameter(i, values[i]);
        const auto out = p.settledOutput({c.in[0], c.in[1], c.in[2], c.in[3]});
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(out[k], c.out[k], 1e-6) << "channel " << k;
    }
}

// An order index outside 0..5 (a value outside 0..1) rotates as order 0.
TEST(Field, OrderOutsideTheTableActsAsOrderZero) {
    LoadedPlugin reference("orva_field");
    LoadedPlugin outside("orva_field");
    ASSERT_TRUE(reference.ready() && outside.ready());
    for (auto* p : {&reference, &outside}) {
        p->host.setParameter(0, 0.25f);
        p->host.setParameter(1, 0.25f);
    }
    outside.host.setParameter(3, 3.0f);
    EXPECT_EQ(outside.host.parameterDisplay(3), "     15");
    const std::vector<float> in = {0.0f, 1.0f, 0.0f, 0.0f};
    EXPECT_EQ(outside.settledOutput(in), reference.settledOutput(in));
}
