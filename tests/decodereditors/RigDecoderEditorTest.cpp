// The rig decoder's editor through the headless twin of halvane, driven as a host and a
// user drive it: rig menu and picture, the printed words that toggle their boxes, the
// START/STOP button with and without a test tone (and the test ending by itself in the
// processing), the faders' ends and resets, the about screen, and a reopened editor.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "ChoiceMenu.h"
#include "FrameStripView.h"
#include "LinearSlider.h"
#include "PngWriter.h"
#include "SplashOverlay.h"
#include "TextField.h"
#include "ToggleButton.h"
#include "DecoderEditorChecks.h"

namespace fs = std::filesystem;

namespace {

enum RigParam { kRig, kBlend, kVolume, kFirstOrder, kSpeakerTest, kTestLoop };
constexpr int kRigPicturePx = 140;
constexpr int kToneFrames = 44100;  // the shipped testtone.wav
// Views in the order the editor adds them.
enum ViewIndex {
    kBlendView,
    kFirstOrderBoxView,
    kFirstOrderWordsView,
    kTestButtonView,
    kTestWordsView,
    kLoopBoxView,
    kLoopWordsView,
    kVolumeView,
    kRigMenuView,
    kRigPictureView,
    kAboutView
};
const Rect kRigMenu(18, 15, 287, 28);
const Rect kRigPicture(14, 36, 288, 176);
const Rect kFirstOrderBox(16, 240, 34, 258);
const Rect kTestButton(261, 240, 307, 258);
const Rect kLoopBox(347, 240, 365, 258);
const Rect kWholeEditor(0, 0, 430, 264);
const Point kFirstOrderWords(60, 247);
const Point kTestWords(330, 232);
const Point kLoopWords(330, 249);
const Point kStartButton(284, 249);
const Point kBlendTrack(150, 214);
const Point kVolumeTrack(331, 120);
const Point kLogo(400, 253);

Point centre(const Rect& r) { return Point((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

class RigDecoderEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        ASSERT_TRUE(editor.host.loaded()) << editor.host.error();
        ASSERT_NE(editor.host.instantiateAndStart(), nullptr);
    }

    // The button's value, and the upper half of its two-state bitmap (off) or the lower (on).
    ::testing::AssertionResult showsState(int viewIndex, const char* bitmap, bool on) {
        auto* button = editor.view<ToggleButton>(viewIndex);
        if (!button) return ::testing::AssertionFailure() << "no button";
        if (button->getValue() != (on ? 1.0f : 0.0f))
            return ::testing::AssertionFailure() << "button value " << button->getValue();
        const RasterImage states = resourceBitmap(bitmap);
        return showsBitmap(editor.pixels(), button->getSize(), states, Point(0, on ? states.height / 2 : 0));
    }
    ::testing::AssertionResult showsRigPicture(int picture) {
        auto* strip = editor.view<FrameStripView>(kRigPictureView);
        if (!strip) return ::testing::AssertionFailure() << "no picture";
        if (strip->sourcePoint().v != picture * kRigPicturePx)
            return ::testing::AssertionFailure() << "picture drawn from row " << strip->sourcePoint().v;
        return showsBitmap(editor.pixels(), kRigPicture, rigPictures, Point(0, picture * kRigPicturePx));
    }
    // Runs the processing until the loudspeaker test has played `frames` frames.
    void process(int frames) {
        for (int done = 0; done < frames; done += 4096)
            editor.host.runBlock(testhost::ProcessMode::Replacing, {}, std::min(4096, frames - done));
    }

    TwinEditor editor{"halvane"};
    RasterImage rigPictures = resourceBitmap("rigdecoder/rigs.bmp");
};

TEST_F(RigDecoderEditorTest, MenuOffersElevenEntriesAndChoosingCubeShowsPictureNine) {
    ASSERT_TRUE(editor.open());
    EXPECT_TRUE(showsRigPicture(0));  // Stereo, the new program
    headless::scriptMenuChoice(8);
    editor.click(centre(kRigMenu));
    const auto& items = headless::lastPopupItems();
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[7].kind, platform::PopupMenuItem::kSeparator);  // keeps index and rig apart
    EXPECT_EQ(items[8].label, "Cube");
    EXPECT_EQ(editor.host.getParameter(kRig), 8.0f);
    EXPECT_TRUE(showsRigPicture(8));
    writePng(capturePath("rig_decoder_editor_headless"), editor.pixels());
}

TEST_F(RigDecoderEditorTest, ControlsSitWhereTheLayoutSaysInTheirOrder) {
    ASSERT_TRUE(editor.open());
    expectLayout(editor, {
                             {"blend slider", isA<HorizontalFader>, Rect(20, 203, 279, 225), kBlend},
                             {"first-order box", isA<ToggleButton>, kFirstOrderBox, kFirstOrder},
                             {"FORCE 1ST ORDER", isA<TextField>, Rect(39, 240, 134, 255), 138},
                             {"START/STOP", isA<ToggleButton>, kTestButton, kSpeakerTest},
                             {"TEST SPEAKERS:", isA<TextField>, Rect(261, 225, 411, 240), 139},
                             {"loop box", isA<ToggleButton>, kLoopBox, kTestLoop},
                             {"LOOP", isA<TextField>, Rect(317, 240, 347, 258), 140},
                             {"volume fader", isA<VerticalFader>, Rect(323, 53, 340, 185), kVolume},
                             {"rig menu", isA<ChoiceMenu>, kRigMenu, kRig},
                             {"rig picture", isA<FrameStripView>, kRigPicture, 141},
                             {"about", isA<SplashOverlay>, Rect(372, 244, 426, 262), 142},
                         });
}

TEST_F(RigDecoderEditorTest, HostRigValuesPickTheirPictureAndSevenShowsTheSeparator) {
    const RasterImage background = resourceBitmap("rigdecoder/background.bmp");
    ASSERT_TRUE(editor.open());
    for (int rig = 0; rig < 11; ++rig) {
        SCOPED_TRACE(rig);
        editor.host.setParameter(kRig, float(rig));
        editor.idle();
        EXPECT_TRUE(showsRigPicture(rig));
        auto* menu = editor.view<ChoiceMenu>(kRigMenuView);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->currentIndex(), rig);
        char entry[256] = {};
        ASSERT_TRUE(menu->entryText(rig, entry));
        if (rig == 7) {
            EXPECT_STREQ(entry, "-");
        }
        const Rect text = changedPixels(editor.pixels(), kRigMenu, background, Point(kRigMenu.left, kRigMenu.top));
        ASSERT_GT(text.right, text.left) << "no entry text";
        if (rig == 7) {  // "-": one short dash
            EXPECT_LE(text.bottom - text.top, 3);
        } else {
            EXPECT_GT(text.bottom - text.top, 3);
        }
    }
}

TEST_F(RigDecoderEditorTest, PrintedWordsToggleTheirBoxesAndTheTestWordsDoNothing) {
    struct Case {
        Point words;
        int param;  // -1: none
        int box;
        const char* bitmap;
    } cases[] = {
        {kFirstOrderWords, kFirstOrder, kFirstOrderBoxView, "rigdecoder/check_order.bmp"},
        {kLoopWords, kTestLoop, kLoopBoxView, "rigdecoder/check_loop.bmp"},
        {kTestWords, -1, kTestButtonView, "rigdecoder/test_button.bmp"},
    };
    ASSERT_TRUE(editor.open());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bitmap);
        for (float expected : {1.0f, 0.0f}) {
            editor.host.clearCalls();
            editor.click(c.words);
            if (c.param < 0) {
                EXPECT_TRUE(editor.host.callsWith(audioMasterAutomate).empty());
                EXPECT_EQ(editor.host.getParameter(kSpeakerTest), 0.0f);
                EXPECT_TRUE(showsState(c.box, c.bitmap, false));
                continue;
            }
            EXPECT_EQ(editor.host.getParameter(c.param), expected);
            EXPECT_EQ(editor.host.callsWith(audioMasterAutomate).size(), 1u);
            EXPECT_TRUE(showsState(c.box, c.bitmap, expected == 1.0f));
        }
    }
}

TEST_F(RigDecoderEditorTest, StartWithATonePlaysAndTheButtonReturnsWhenTheTestEndsByItself) {
    ASSERT_TRUE(editor.open());
    editor.click(kStartButton);
    EXPECT_EQ(editor.host.getParameter(kSpeakerTest), 1.0f);
    EXPECT_TRUE(showsState(kTestButtonView, "rigdecoder/test_button.bmp", true));  // STOP
    process(2 * kToneFrames - 1);  // Stereo: the second speaker's last frame still to come
    editor.idle();
    EXPECT_TRUE(showsState(kTestButtonView, "rigdecoder/test_button.bmp", true));
    process(2);
    EXPECT_EQ(editor.host.getParameter(kSpeakerTest), 0.0f);
    editor.idle();
    EXPECT_TRUE(showsState(kTestButtonView, "rigdecoder/test_button.bmp", false));  // START
}

TEST_F(RigDecoderEditorTest, FaderEndsAndResetGestures) {
    struct Case {
        const char* what;
        int param;
        Point from, to;
        float expected;
    } drags[] = {
        {"blend to the left end: strict soundfield", kBlend, kBlendTrack, Point(0, 214), 1.0f},
        {"blend to the right end: controlled opposites", kBlend, kBlendTrack, Point(429, 214), 0.0f},
        {"volume to the top", kVolume, kVolumeTrack, Point(331, 0), 1.0f},
        {"volume to the bottom", kVolume, kVolumeTrack, Point(331, 263), 0.0f},
    };
    ASSERT_TRUE(editor.open());
    for (const Case& d : drags) {
        SCOPED_TRACE(d.what);
        editor.host.setParameter(d.param, 0.3f);
        editor.drag(d.from, {d.from, d.to});
        EXPECT_EQ(editor.host.getParameter(d.param), d.expected);
        EXPECT_TRUE(editor.host.editGesturesBalanced());
    }
    const int reset = platform::kLeftButton | platform::kControl;
    editor.host.setParameter(kVolume, 0.3f);
    editor.click(kVolumeTrack, reset);
    EXPECT_EQ(editor.host.getParameter(kVolume), 1.0f);
    EXPECT_EQ(editor.host.parameterDisplay(kVolume).find("0.00"), 0u) << editor.host.parameterDisplay(kVolume);
    editor.host.setParameter(kBlend, 0.9f);
    editor.click(kBlendTrack, reset);
    EXPECT_EQ(editor.host.getParameter(kBlend), 0.5f);
}

TEST_F(RigDecoderEditorTest, AboutScreenCoversTheEditorUntilTheNextClick) {
    ASSERT_TRUE(editor.open());
    editor.host.clearCalls();
    editor.click(kLogo);
    EXPECT_TRUE(showsBitmap(editor.pixels(), kWholeEditor, resourceBitmap("rigdecoder/about.bmp"), Point(0, 0)));
    EXPECT_EQ(editor.frame()->getModalView(), editor.frame()->viewAt(kAboutView));
    editor.click(kStartButton);  // only takes the about screen away
    EXPECT_EQ(editor.frame()->getModalView(), nullptr);
    EXPECT_TRUE(showsRigPicture(0));
    EXPECT_EQ(editor.host.getParameter(kSpeakerTest), 0.0f);
    EXPECT_TRUE(editor.host.callsWith(audioMasterAutomate).empty());
}

TEST_F(RigDecoderEditorTest, ReopenedEditorStartsTheTestControlsAtOff) {
    ASSERT_TRUE(editor.open());
    editor.host.setParameter(kTestLoop, 1.0f);
    editor.host.setParameter(kSpeakerTest, 1.0f);
    editor.host.setParameter(kFirstOrder, 1.0f);
    editor.close();
    ASSERT_TRUE(editor.open());
    EXPECT_TRUE(showsState(kTestButtonView, "rigdecoder/test_button.bmp", false));
    EXPECT_TRUE(showsState(kLoopBoxView, "rigdecoder/check_loop.bmp", false));
    EXPECT_TRUE(showsState(kFirstOrderBoxView, "rigdecoder/check_order.bmp", true));  // follows its parameter
}

// The twin copied into a folder of its own without testtone.wav.
class RigDecoderWithoutToneTest : public ::testing::Test {
protected:
    RigDecoderWithoutToneTest()
        : folder(fs::temp_directory_path() /
                 ("orva-rig-editor-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))) {
        fs::create_directories(folder);
        const fs::path built = testhost::pluginPath("test-only/halvane_headless");
        fs::copy_file(built, folder / built.filename());
        library = (folder / built.filename()).string();
    }
    ~RigDecoderWithoutToneTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    std::string library;
};

TEST_F(RigDecoderWithoutToneTest, StartStaysStartAndLeavesTheTestOff) {
    headless::reset();
    TwinEditor editor(TwinEditor::AtPath{library});
    ASSERT_TRUE(editor.open()) << editor.host.error();
    editor.host.clearCalls();
    editor.click(kStartButton);
    EXPECT_EQ(editor.host.getParameter(kSpeakerTest), 0.0f);
    EXPECT_TRUE(editor.host.callsWith(audioMasterAutomate).empty());
    EXPECT_EQ(editor.view<ToggleButton>(kTestButtonView)->getValue(), 0.0f);
    EXPECT_TRUE(showsBitmap(editor.pixels(), kTestButton, resourceBitmap("rigdecoder/test_button.bmp"), Point(0, 0)));
}

}  // namespace
