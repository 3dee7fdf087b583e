// Display texts of the four first-order libraries for values away from the defaults:
// units and scaling, the eight-character texts, and the selectors' index texts.
#include "PluginFixture.h"

using firstorder::LoadedPlugin;

namespace {

struct DisplayCase {
    const char* library;
    std::int32_t index;
    float value;
    const char* display;
};

// The panner's source parameters by master index; each runs in both variants.
const DisplayCase kPannerSourceCases[] = {
    {nullptr, 4, 0.25f, "90.00000"},  {nullptr, 4, 0.0f, "0.000000"},  {nullptr, 5, 1.0f, "90.00000"},
    {nullptr, 5, 0.0f, "-90.0000"},   {nullptr, 6, 1.0f, "10.00000"},  {nullptr, 7, 1.0f, "0.000000"},
    {nullptr, 7, 0.5f, "-6.02059"},   {nullptr, 7, 0.0f, "  -oo   "},  {nullptr, 9, 1.0f, "-6.00000"},
    {nullptr, 10, 0.5f, "50.00000"},  {nullptr, 18, 0.25f, "25.00000"}, {nullptr, 12, 0.75f, "270.0000"},
};

const DisplayCase kCases[] = {
    // "Mirror Type" shows the pan mode, trunc(value × 5 + 0.51) from the float32 operands.
    {"orva_panner_master", 2, 0.0f, "      0"},
    {"orva_panner_master", 2, 0.098f, "      0"},
    {"orva_panner_master", 2, 0.0981f, "      1"},
    {"orva_panner_master", 2, 0.25f, "      1"},
    {"orva_panner_master", 2, 0.4f, "      2"},
    {"orva_panner_master", 2, 0.5f, "      3"},
    {"orva_panner_master", 2, 0.75f, "      4"},
    {"orva_panner_master", 2, 1.0f, "      5"},
    {"orva_panner_master", 2, -1.0f, "     -4"},
    {"orva_panner_master", 2, 1.0e12f, " Huge!  "},
    {"orva_panner_master", 0, 0.25f, "0.250000"},
    {"orva_field", 0, 0.25f, "90.00000"},
    {"orva_field", 1, 1.0f, "360.0000"},
    {"orva_field", 2, 0.5f, "180.0000"},
    {"orva_field", 3, 0.1f, "      1"},
    {"orva_field", 3, 0.09f, "      0"},
    {"orva_field", 3, 0.4f, "      2"},
    {"orva_field", 3, 0.6f, "      3"},
    {"orva_field", 3, 0.8f, "      4"},
    {"orva_field", 3, 1.0f, "      5"},
    {"orva_zoom", 0, 0.25f, "90.00000"},
    {"orva_zoom", 0, 1.0f, "360.0000"},
    {"orva_zoom", 1, 0.25f, "0.000000"},
    {"orva_zoom", 1, 0.0f, "-90.0000"},
    {"orva_zoom", 1, 1.0f, "270.0000"},
    {"orva_zoom", 2, 1.0f, "1.000000"},
    {"orva_zoom", 2, 0.0f, "-1.00000"},
    {"orva_zoom", 2, 0.75f, "0.500000"},
};

void expectDisplay(const DisplayCase& c) {
    LoadedPlugin p(c.library);
    ASSERT_TRUE(p.ready()) << c.library;
    p.host.setParameter(c.index, c.value);
    auto text = p.host.readText(effGetParamDisplay, c.index, 8);
    EXPECT_EQ(text.text, c.display) << c.library << " #" << c.index << " = " << c.value;
    EXPECT_FALSE(text.overrun);
}

}  // namespace

TEST(FirstOrderDisplay, TextsFollowTheValues) {
    for (const auto& c : kCases) expectDisplay(c);
    for (const auto& c : kPannerSourceCases) {
        expectDisplay({"orva_panner_master", c.index, c.value, c.display});
        expectDisplay({"orva_panner_effect", c.index - 4, c.value, c.display});
    }
}
