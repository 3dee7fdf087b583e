// The decoder's editor through the headless twin of orva_decoder_ui, driven as a host and
// a user drive it: the switch and the layout picture show frame trunc(7 x value + 0.5),
// clicks choose k/7, the splash covers the panel without touching the layout.
#include <gtest/gtest.h>

#include "FrameStripView.h"
#include "PngWriter.h"
#include "SplashOverlay.h"
#include "StepSwitch.h"
#include "DecoderEditorChecks.h"

namespace {

constexpr int kLayoutParam = 0;
constexpr int kSwitchFramePx = 13;
constexpr int kPictureFramePx = 88;
const Rect kSwitch(5, 25, 223, 38);
const Rect kPicture(239, 28, 319, 116);
const Rect kWholeEditor(0, 0, 326, 126);

class DecoderEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        ASSERT_TRUE(editor.host.loaded()) << editor.host.error();
        ASSERT_NE(editor.host.instantiateAndStart(), nullptr);
        ASSERT_EQ(switchStrip.height, 8 * kSwitchFramePx);
        ASSERT_EQ(layoutPictures.height, 8 * kPictureFramePx);
    }

    // The switch and the picture draw `frame`; their pixels are the bitmaps' frames.
    ::testing::AssertionResult showsFrame(int frame) {
        auto* layoutSwitch = editor.view<RowSwitch>(1);
        auto* picture = editor.view<FrameStripView>(2);
        if (!layoutSwitch || !picture) return ::testing::AssertionFailure() << "editor not open";
        const int switchFrame = int(7.0f * layoutSwitch->getValue() + 0.5f);
        if (switchFrame != frame) return ::testing::AssertionFailure() << "switch draws frame " << switchFrame;
        if (picture->sourcePoint().v != frame * kPictureFramePx)
            return ::testing::AssertionFailure() << "picture draws from row " << picture->sourcePoint().v;
        auto shown = showsBitmap(editor.pixels(), kSwitch, switchStrip, Point(0, frame * kSwitchFramePx));
        if (!shown) return shown << " (switch, frame " << frame << ")";
        shown = showsBitmap(editor.pixels(), kPicture, layoutPictures, Point(0, frame * kPictureFramePx));
        if (!shown) return shown << " (picture, frame " << frame << ")";
        return ::testing::AssertionSuccess();
    }

    TwinEditor editor{"orva_decoder_ui"};
    RasterImage switchStrip = resourceBitmap("decoder/switch.bmp");
    RasterImage layoutPictures = resourceBitmap("decoder/layouts.bmp");
};

TEST_F(DecoderEditorTest, OpensAtTheStoredValueWithFrameTruncOfSevenTimesValuePlusHalf) {
    editor.host.setParameter(kLayoutParam, 0.5f);
    ASSERT_TRUE(editor.open());
    ERect* rect = nullptr;
    ASSERT_EQ(editor.host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right, 326);
    EXPECT_EQ(rect->bottom, 126);
    EXPECT_TRUE(showsFrame(4));  // the fifth position: trunc(4.0)
    expectLayout(editor, {
                             {"splash", isA<SplashOverlay>, Rect(0, 90, 220, 120), 100},
                             {"switch", isA<RowSwitch>, kSwitch, kLayoutParam},
                             {"picture", isA<FrameStripView>, kPicture, kLayoutParam},
                         });
    writePng(capturePath("decoder_editor_headless"), editor.pixels());
}

TEST_F(DecoderEditorTest, ClicksAcrossTheSwitchChooseKSevenths) {
    struct Case {
        int x;
        float layout;
        int frame;
    } cases[] = {
        {196, 1.0f, 7},         // 5 + 218 x 7/8 = 195.75: the eighth band
        {222, 1.0f, 7},         // the right edge
        {5, 0.0f, 0},           // the left edge
        {5 + 82, 3 / 7.0f, 3},  // inside the fourth band
        {195, 6 / 7.0f, 6},     // just left of the eighth band
    };
    ASSERT_TRUE(editor.open());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        editor.host.setParameter(kLayoutParam, 0.5f);
        editor.idle();  // drawn: a click notifies only a value that differs from the drawn one
        editor.host.clearCalls();
        editor.click(Point(c.x, 30));
        EXPECT_FLOAT_EQ(editor.host.getParameter(kLayoutParam), c.layout);
        EXPECT_EQ(editor.host.callsWith(audioMasterAutomate).size(), 1u);
        EXPECT_TRUE(editor.host.editGesturesBalanced());
        EXPECT_TRUE(showsFrame(c.frame));
    }
}

TEST_F(DecoderEditorTest, HostAutomationMovesSwitchAndPicture) {
    ASSERT_TRUE(editor.open());
    for (int k : {7, 2, 5, 0}) {
        editor.host.setParameter(kLayoutParam, float(k) / 7.0f);
        editor.idle();
        EXPECT_TRUE(showsFrame(k));
    }
}

TEST_F(DecoderEditorTest, ChangesWhileClosedReachTheNextOpenOnly) {
    editor.host.setParameter(kLayoutParam, 3 / 7.0f);  // before the first open
    EXPECT_EQ(headless::liveWindowCount(), 0);
    ASSERT_TRUE(editor.open());
    EXPECT_TRUE(showsFrame(3));
    editor.close();
    editor.host.setParameter(kLayoutParam, 6 / 7.0f);  // after close: no window comes back
    editor.idle();
    EXPECT_EQ(headless::liveWindowCount(), 0);
    ASSERT_TRUE(editor.open());
    EXPECT_TRUE(showsFrame(6));
}

TEST_F(DecoderEditorTest, SplashCoversThePanelUntilTheNextClickAndLeavesTheLayoutAlone) {
    const RasterImage splash = resourceBitmap("decoder/splash.bmp");
    editor.host.setParameter(kLayoutParam, 0.5f);
    ASSERT_TRUE(editor.open());
    editor.host.clearCalls();
    editor.click(Point(100, 100));
    EXPECT_TRUE(showsBitmap(editor.pixels(), kWholeEditor, splash, Point(0, 0)));
    EXPECT_EQ(editor.frame()->getModalView(), editor.frame()->viewAt(0));
    EXPECT_FLOAT_EQ(editor.host.getParameter(kLayoutParam), 0.5f);
    editor.click(Point(30, 30));  // on the switch, under the splash: only hides the splash
    EXPECT_FLOAT_EQ(editor.host.getParameter(kLayoutParam), 0.5f);
    EXPECT_TRUE(editor.host.callsWith(audioMasterAutomate).empty());
    EXPECT_EQ(editor.frame()->getModalView(), nullptr);
    EXPECT_TRUE(showsFrame(4));
}

}  // namespace
