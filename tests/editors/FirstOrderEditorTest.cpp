// The first-order editors (panner master and effect, field rotator, zoom) through their
// headless twins, driven as a host drives them: effEditGetRect, effEditOpen, idle and
// scripted mouse input. Drawn results are checked against the resource bitmaps at the
// places the layout gives each control.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "EditorLayouts.h"
#include "EditorReference.h"
#include "ResourceBitmaps.h"
#include "TwinEditor.h"

namespace {

using platform::kControl;
using platform::kLeftButton;

std::function<float(std::int32_t)> valuesOf(testhost::TestHost& host) {
    return [&host](std::int32_t tag) { return host.getParameter(tag); };
}

// Automation, begin and end of edit gestures, in the order sent.
std::vector<testhost::HostCall> gestureCalls(const testhost::TestHost& host) {
    std::vector<testhost::HostCall> out;
    for (const testhost::HostCall& c : host.calls())
        if (c.opcode == audioMasterAutomate || c.opcode == audioMasterBeginEdit || c.opcode == audioMasterEndEdit)
            out.push_back(c);
    return out;
}

// 43 (tag), then only 0 (tag), then 44 (tag).
void expectBracketedAutomation(const testhost::TestHost& host, std::int32_t tag) {
    const auto calls = gestureCalls(host);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls.back().opcode, audioMasterEndEdit);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].index, tag) << "call " << i;
        if (i > 0 && i + 1 < calls.size()) {
            EXPECT_EQ(calls[i].opcode, audioMasterAutomate) << "call " << i;
        }
    }
}

class EditorLibraries : public ::testing::TestWithParam<editors::Layout> {
protected:
    void SetUp() override { headless::reset(); }
};

// effEditGetRect answers the size before the editor is opened, and every control is drawn
// where the layout places it, showing the plug-in's current values.
TEST_P(EditorLibraries, SizeBeforeOpenAndEveryControlInItsPlace) {
    const editors::Layout& layout = GetParam();
    TwinEditor editor(layout.library);
    ASSERT_TRUE(editor.host.loaded()) << editor.host.error();
    ASSERT_NE(editor.host.instantiateAndStart(), nullptr);
    EXPECT_EQ(editor.host.effect()->uniqueID, layout.uniqueId);
    EXPECT_EQ(editor.host.effect()->flags & effFlagsHasEditor, effFlagsHasEditor);
    ERect* rect = nullptr;
    ASSERT_EQ(editor.host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, layout.widthPx);
    EXPECT_EQ(rect->bottom - rect->top, layout.heightPx);

    ASSERT_TRUE(editor.open());
    EXPECT_EQ(headless::windowSize(editor.window), Point(layout.widthPx, layout.heightPx));
    for (const editors::Drawn& d : editors::drawnControls(layout, valuesOf(editor.host)))
        EXPECT_TRUE(showsBitmapAt(editor.pixels(), d.at, d.source, d.sourceTop, d.keyed)) << d.what;
    // Nothing else is drawn: the whole window is the reference put together from the layout.
    EXPECT_EQ(describeDifference(editor.pixels(), editors::composeEditor(layout, valuesOf(editor.host))), "same");
}

// A click in the title strip shows the splash over the whole editor; the next click, on a
// control, only hides it again.
TEST_P(EditorLibraries, SplashCoversTheEditorUntilTheNextClick) {
    const editors::Layout& layout = GetParam();
    TwinEditor editor(layout.library);
    ASSERT_TRUE(editor.open());
    const RasterImage before = editor.pixels();
    editor.click(layout.splashClick);
    const RasterImage& splash = resourceBitmap(layout.splash);
    EXPECT_TRUE(showsBitmapAt(editor.pixels(), Rect(0, 0, layout.widthPx, layout.heightPx), splash, 0));
    EXPECT_TRUE(gestureCalls(editor.host).empty());

    editor.host.clearCalls();
    editor.click(layout.someControl);
    EXPECT_TRUE(gestureCalls(editor.host).empty());
    EXPECT_EQ(editor.pixels().pixels, before.pixels);
}

// Control-click restores the default of each control's row, drawn at once.
TEST_P(EditorLibraries, ControlClickRestoresTheDefaults) {
    const editors::Layout& layout = GetParam();
    TwinEditor editor(layout.library);
    ASSERT_TRUE(editor.open());
    for (const editors::ControlRow& row : layout.rows) {
        editor.host.setParameter(row.tag, row.defaultValue > 0.5f ? 0.3f : 0.7f);
        editor.idle();
        editor.host.clearCalls();
        editor.click(editors::centre(row.size), kLeftButton | kControl);
        EXPECT_FLOAT_EQ(editor.host.getParameter(row.tag), row.defaultValue) << row.name;
        const auto calls = gestureCalls(editor.host);
        ASSERT_EQ(calls.size(), 1u) << row.name;  // no gesture around a reset
        EXPECT_EQ(calls[0].opcode, audioMasterAutomate);
        EXPECT_EQ(calls[0].index, row.tag);
    }
    for (const editors::Drawn& d : editors::drawnControls(layout, valuesOf(editor.host)))
        EXPECT_TRUE(showsBitmapAt(editor.pixels(), d.at, d.source, d.sourceTop, d.keyed)) << d.what;
}

INSTANTIATE_TEST_SUITE_P(FirstOrder, EditorLibraries, ::testing::ValuesIn(editors::firstOrderLayouts()),
                         [](const auto& info) { return std::string(info.param.library); });

// Drags and clicks of single controls: the value they store, and for drags the gesture
// around the automation.
struct Gesture {
    const char* library;
    const char* what;
    Point from;
    std::vector<Point> path;
    std::int32_t tag;
    float expected;
};

TEST(FirstOrderEditors, MouseGesturesStoreTheirValues) {
    const std::vector<Gesture> gestures = {
        {"orva_panner_master_ui", "left volume to the top", {58, 120}, {{58, 80}, {58, 20}, {58, 5}}, 7, 1.0f},
        {"orva_panner_effect_ui", "left volume to the top", {58, 120}, {{58, 80}, {58, 20}, {58, 5}}, 3, 1.0f},
        {"orva_panner_master_ui", "right centre to the bottom", {351, 60}, {{351, 150}, {351, 200}}, 17, 0.0f},
        {"orva_panner_master_ui", "left elevation at v = 106.5", {128, 60}, {{128, 106}}, 5, 1.0f - 73.0f / 147.0f},
        {"orva_panner_master_ui", "mirror switch 20 px in", {182, 107}, {}, 2, 0.5f},
        {"orva_panner_master_ui", "mirror switch right end", {209, 107}, {}, 2, 1.0f},
        {"orva_panner_master_ui", "left knob pointing left", {170, 52}, {}, 4, 0.75f},
        {"orva_panner_effect_ui", "right knob pointing down", {186, 164}, {}, 8, 0.5f},
        {"orva_field_ui", "first knob pointing right", {66, 60}, {}, 0, 0.25f},
        {"orva_field_ui", "third knob turned from up to right", {142, 40}, {{160, 50}, {164, 60}}, 2, 0.25f},
        {"orva_field_ui", "order switch bottom band", {90, 168}, {}, 3, 1.0f},
        {"orva_field_ui", "order switch second band", {30, 105}, {}, 3, 0.2f},
        {"orva_zoom_ui", "zoom fader to the left end", {90, 152}, {{40, 152}, {2, 152}}, 2, 1.0f},
        {"orva_zoom_ui", "zoom fader to the right end", {90, 152}, {{180, 152}}, 2, 0.0f},
        {"orva_zoom_ui", "zoom fader at h = 90", {40, 152}, {{90, 152}}, 2, 0.5f},
        {"orva_zoom_ui", "elevation knob pointing up", {142, 60}, {{142, 58}}, 1, 0.0f},
    };
    for (const Gesture& g : gestures) {
        SCOPED_TRACE(std::string(g.library) + ": " + g.what);
        headless::reset();
        TwinEditor editor(g.library);
        ASSERT_TRUE(editor.open());
        editor.drag(g.from, g.path);
        EXPECT_NEAR(editor.host.getParameter(g.tag), g.expected, 1e-6f);
        expectBracketedAutomation(editor.host, g.tag);
        const auto automated = editor.host.callsWith(audioMasterAutomate);
        ASSERT_FALSE(automated.empty());
        EXPECT_NEAR(automated.back().opt, g.expected, 1e-6f);
    }
}

TEST(FirstOrderEditors, MirrorSwitchShowsTheLabelOfItsPosition) {
    headless::reset();
    TwinEditor editor("orva_panner_master_ui");
    ASSERT_TRUE(editor.open());
    const RasterImage strip = resourceBitmap("panner/mirror.bmp");
    editor.click({182, 107});
    EXPECT_TRUE(showsBitmapAt(editor.pixels(), Rect(162, 98, 210, 116), strip, 2 * 18));  // the third label
}

TEST(FirstOrderEditors, EffectVariantHasNothingBetweenTheKnobs) {
    headless::reset();
    TwinEditor editor("orva_panner_effect_ui");
    ASSERT_TRUE(editor.open());
    const RasterImage before = editor.pixels();
    const RasterImage background = resourceBitmap("panner/background_effect.bmp");
    EXPECT_TRUE(showsBackgroundAt(editor.pixels(), Rect(162, 77, 210, 117), background));
    editor.host.clearCalls();
    editor.click({186, 107});
    EXPECT_TRUE(gestureCalls(editor.host).empty());
    EXPECT_EQ(editor.pixels().pixels, before.pixels);
}

// Host changes: a parameter without a control moves nothing; one with a control moves it at
// the next idle, not before.
TEST(FirstOrderEditors, HostChangesMoveOnlyTheirControlsAtTheNextIdle) {
    headless::reset();
    TwinEditor editor("orva_panner_master_ui");
    ASSERT_TRUE(editor.open());
    const RasterImage before = editor.pixels();
    editor.host.setParameter(9, 0.1f);  // "Left DFact"
    editor.idle();
    EXPECT_EQ(editor.pixels().pixels, before.pixels);

    editor.host.setParameter(17, 0.9f);  // "Rht Centre"
    EXPECT_EQ(editor.pixels().pixels, before.pixels);
    editor.idle();
    const RasterImage handle = resourceBitmap("panner/fader_handle.bmp");
    EXPECT_TRUE(
        showsBitmapAt(editor.pixels(), editors::verticalHandle(Rect(343, 28, 359, 188), 0.9f), handle, 0, true));
}

TEST(FirstOrderEditors, ProgramChangeUpdatesEveryFieldControl) {
    headless::reset();
    TwinEditor editor("orva_field_ui");
    ASSERT_TRUE(editor.open());
    editor.host.dispatch(effSetProgram, 0, 1);
    const float values[4] = {0.25f, 0.5f, 0.75f, 0.6f};
    for (int i = 0; i < 4; ++i) editor.host.setParameter(i, values[i]);
    editor.host.dispatch(effSetProgram, 0, 0);
    editor.idle();
    const editors::Layout& layout = editors::firstOrderLayouts()[2];
    const RasterImage atProgram0 = editor.pixels();
    editor.host.dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(editor.pixels().pixels, atProgram0.pixels);  // drawn at the next idle
    editor.idle();
    for (const editors::Drawn& d : editors::drawnControls(layout, valuesOf(editor.host)))
        EXPECT_TRUE(showsBitmapAt(editor.pixels(), d.at, d.source, d.sourceTop, d.keyed)) << d.what;
    EXPECT_TRUE(showsBitmapAt(editor.pixels(), Rect(22, 90, 166, 170), resourceBitmap("field/order.bmp"), 3 * 80));
}

// The zoom's displays in the editor's own units, after a new program and after moves.
TEST(FirstOrderEditors, ZoomDisplaysShowTheEditorsOwnTexts) {
    headless::reset();
    TwinEditor editor("orva_zoom_ui");
    ASSERT_TRUE(editor.open());
    const Rect az(25, 110, 65, 124), el(121, 110, 161, 124), zoom(71, 164, 111, 178);
    struct Shown {
        Rect at;
        const char* text;
    };
    auto expectTexts = [&](const std::vector<Shown>& shown) {
        for (const Shown& s : shown) EXPECT_TRUE(editors::showsDisplayText(editor.pixels(), s.at, s.text)) << s.text;
    };
    expectTexts({{az, "360.00"}, {el, "0.00"}, {zoom, "0.00"}});
    const RasterImage handle = resourceBitmap("zoom/fader_handle.bmp");
    EXPECT_TRUE(showsBitmapAt(editor.pixels(), Rect(12 + 73, 144, 12 + 85, 158), handle, 0, true));

    editor.drag({90, 152}, {{2, 152}});
    EXPECT_FLOAT_EQ(editor.host.getParameter(2), 1.0f);
    editor.idle();
    expectTexts({{zoom, "-1.00"}});

    editor.host.setParameter(0, 0.75f);
    editor.host.setParameter(1, 0.0f);
    editor.idle();
    expectTexts({{az, "90.00"}, {el, "90.00"}});
    EXPECT_FALSE(editors::showsDisplayText(editor.pixels(), az, "270.00"));  // the check can fail
}

}  // namespace
