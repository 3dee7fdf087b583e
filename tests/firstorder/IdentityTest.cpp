// What each first-order deliverable tells a host about itself, and its texts at defaults.
#include <cstring>

#include "PluginFixture.h"

using firstorder::LoadedPlugin;

namespace {

struct Identity {
    const char* library;
    std::int32_t uniqueID;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t flags;
    std::int32_t category;
    const char* vendor;
    const char* programName;
};

const Identity kIdentities[] = {
    {"orva_panner_master", 0x4f566d73, 20, 2, 24, kPlugCategSpacializer, "Kelvar Venue", "Ambisonic pan control"},
    {"orva_panner_effect", 0x4f566573, 16, 2, 24, kPlugCategEffect, "Kelvar Venue", "Ambisonic pan control"},
    {"orva_field", 0x4f566673, 4, 4, 16, 7, "Venmor Arts Lab.", "Ambisonic field control"},
    {"orva_zoom", 0x4f567a73, 3, 4, 16, 7, "Venmor Arts Lab.", "Ambisonic zoom control"},
};

}  // namespace

TEST(FirstOrderIdentity, RecordCategoryVendorAndProgramNames) {
    for (const auto& id : kIdentities) {
        SCOPED_TRACE(id.library);
        LoadedPlugin p(id.library);
        ASSERT_TRUE(p.ready()) << p.host.error();
        const AEffect* e = p.host.effect();
        EXPECT_EQ(e->magic, kEffectMagic);
        EXPECT_EQ(e->uniqueID, id.uniqueID);
        EXPECT_EQ(e->numPrograms, 32);
        EXPECT_EQ(e->numParams, id.numParams);
        EXPECT_EQ(e->numInputs, id.numInputs);
        EXPECT_EQ(e->numOutputs, 4);
        EXPECT_EQ(e->flags, id.flags);
        EXPECT_EQ(e->version, 1);
        EXPECT_EQ(e->initialDelay, 0);
        EXPECT_EQ(p.host.dispatch(effGetPlugCategory), id.category);
        auto vendor = p.host.readText(effGetVendorString, 0, 64);
        EXPECT_EQ(vendor.text, id.vendor);
        EXPECT_FALSE(vendor.overrun);
        EXPECT_EQ(p.host.dispatch(effGetProductString, 0, 0, std::vector<char>(65).data()), 0);
        EXPECT_EQ(p.host.dispatch(effGetEffectName, 0, 0, std::vector<char>(65).data()), 0);
        for (std::intptr_t program = 0; program < 32; ++program) {
            p.host.dispatch(effSetProgram, 0, program);
            EXPECT_EQ(p.host.programName(), id.programName) << program;
        }
    }
}

namespace {

struct ParamText {
    const char* library;
    std::int32_t index;
    const char* name;
    const char* label;
    const char* display;
    float value;
};

// Every parameter at its default: name, label (blanks count), display text and value.
const ParamText kDefaults[] = {
    {"orva_panner_master", 0, "L_R Pan", "    ", "0.000000", 0.0f},
    {"orva_panner_master", 1, "F_B Pan", "    ", "0.000000", 0.0f},
    {"orva_panner_master", 2, "Mirror Type", "mirror", "      1", 0.2f},
    {"orva_panner_master", 3, "PanAngle", "degrees", "44.99998", 0.0f},
    {"orva_panner_master", 4, "Left Az", "degrees", "360.0000", 1.0f},
    {"orva_panner_master", 5, "Left El", "degrees", "0.000000", 0.5f},
    {"orva_panner_master", 6, "Left Centre", "    ", "1.000000", 0.1f},
    {"orva_panner_master", 7, "Left Vol", " dB ", "-1.58362", 0.8333333f},
    {"orva_panner_master", 8, "Left Dist", "    ", "1.000000", 0.1f},
    {"orva_panner_master", 9, "Left DFact", " dB ", "-4.50000", 0.75f},
    {"orva_panner_master", 10, "Left Zero", "%", "70.70000", 0.707f},
    {"orva_panner_master", 11, "Left First", "%", "100.0000", 1.0f},
    {"orva_panner_master", 12, "Rht Az", "degrees", "360.0000", 1.0f},
    {"orva_panner_master", 13, "Rht El", "degrees", "0.000000", 0.5f},
    {"orva_panner_master", 14, "Rht Vol", " dB ", "-1.58362", 0.8333333f},
    {"orva_panner_master", 15, "Rht Dist", "    ", "1.000000", 0.1f},
    {"orva_panner_master", 16, "Rht DFact", " dB ", "-4.50000", 0.75f},
    {"orva_panner_master", 17, "Rht Centre", "    ", "1.000000", 0.1f},
    {"orva_panner_master", 18, "Rht Zero", " % ", "70.70000", 0.707f},
    {"orva_panner_master", 19, "Rht First", " % ", "100.0000", 1.0f},
    {"orva_panner_effect", 0, "Left Az", "degrees", "360.0000", 1.0f},
    {"orva_panner_effect", 3, "Left Vol", " dB ", "-1.58362", 0.8333333f},
    {"orva_panner_effect", 6, "Left Zero", "%", "70.70000", 0.707f},
    {"orva_panner_effect", 13, "Rht Centre", "    ", "1.000000", 0.1f},
    {"orva_panner_effect", 14, "Rht Zero", " % ", "70.70000", 0.707f},
    {"orva_panner_effect", 15, "Rht First", " % ", "100.0000", 1.0f},
    {"orva_field", 0, "Angle1", "degrees", "0.000000", 0.0f},
    {"orva_field", 1, "Angle2", "degrees", "0.000000", 0.0f},
    {"orva_field", 2, "Angle3", "degrees", "0.000000", 0.0f},
    {"orva_field", 3, "Order of Processing", "process", "      0", 0.0f},
    {"orva_zoom", 0, "Azimuth", "degrees", "0.000000", 0.0f},
    {"orva_zoom", 1, "Elevation", "degrees", "0.000000", 0.25f},
    {"orva_zoom", 2, "Zoom", "zoom", "0.000000", 0.5f},
};

}  // namespace

TEST(FirstOrderIdentity, ParameterTextsAtDefaults) {
    for (const auto& t : kDefaults) {
        SCOPED_TRACE(std::string(t.library) + " #" + std::to_string(t.index));
        LoadedPlugin p(t.library);
        ASSERT_TRUE(p.ready());
        // Names may be longer than a host's 8 characters; read them with room to spare.
        auto name = p.host.readText(effGetParamName, t.index, 32);
        EXPECT_EQ(name.text, t.name);
        EXPECT_EQ(p.host.parameterLabel(t.index), t.label);
        auto display = p.host.readText(effGetParamDisplay, t.index, 8);
        EXPECT_EQ(display.text, t.display);
        EXPECT_FALSE(display.overrun);
        EXPECT_EQ(p.host.getParameter(t.index), t.value);
    }
}

TEST(FirstOrderIdentity, IndicesOutsideTheTableAreIgnored) {
    for (const auto& id : kIdentities) {
        SCOPED_TRACE(id.library);
        LoadedPlugin p(id.library);
        ASSERT_TRUE(p.ready());
        std::vector<float> before;
        for (std::int32_t i = 0; i < id.numParams; ++i) before.push_back(p.host.getParameter(i));
        for (std::int32_t bad : {id.numParams, -1, 1000}) {
            for (std::int32_t opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
                char text[16] = "untouched";
                p.host.dispatch(opcode, bad, 0, text);
                EXPECT_STREQ(text, "untouched") << opcode << " " << bad;
            }
            p.host.setParameter(bad, 0.3f);
            EXPECT_EQ(p.host.getParameter(bad), 0.0f);
        }
        for (std::int32_t i = 0; i < id.numParams; ++i) EXPECT_EQ(p.host.getParameter(i), before[i]) << i;
        for (std::intptr_t badProgram : {std::intptr_t{32}, std::intptr_t{-1}}) {
            p.host.dispatch(effSetProgram, 0, 5);
            p.host.dispatch(effSetProgram, 0, badProgram);
            EXPECT_EQ(p.host.dispatch(effGetProgram), 5);
        }
    }
}
