// The audio thread meets the editor: processing with a loudspeaker test that ends by
// itself (its parameterChanged comes from the audio thread) and storms of setParameter
// from the audio thread, while the user-interface thread idles the open editor (the two
// decoders and a first-order editor, which share the editor base's controls pass). Run in a
// ThreadSanitizer build this shows the exchange of control values and flags is race-free,
// also while the editor opens and closes; in every build it checks the editor ends up
// showing what the plug-in holds.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "DecoderEditorChecks.h"
#include "ValueDisplay.h"

namespace {

enum RigParam { kRig, kBlend, kVolume, kFirstOrder, kSpeakerTest, kTestLoop };
constexpr int kBlockFrames = 512;
constexpr int kTestRuns = 3;
constexpr int kMaxBlocksPerRun = 2000;  // well above 4 speakers x 44100 frames
const Rect kTestButton(261, 240, 307, 258);

// Runs `audio` on its own thread while this thread idles the editor until it is done.
template <class Audio>
int idleWhile(TwinEditor& editor, Audio audio) {
    std::atomic<bool> done{false};
    std::thread audioThread([&] {
        audio();
        done.store(true);
    });
    int idles = 0;
    while (!done.load()) {
        editor.idle();
        ++idles;
        std::this_thread::yield();
    }
    audioThread.join();
    editor.idle();
    return idles;
}

TEST(EditorThreads, RigTestEndingInTheAudioThreadAndParameterStormsWhileTheEditorIdles) {
    headless::reset();
    TwinEditor editor("halvane");
    ASSERT_TRUE(editor.open()) << editor.host.error();
    editor.host.recordCalls = false;  // the host's record is not part of what is tested
    std::atomic<int> endedRuns{0};

    const int idles = idleWhile(editor, [&] {
        for (int run = 0; run < kTestRuns; ++run) {
            editor.host.setParameter(kSpeakerTest, 1.0f);
            for (int block = 0; block < kMaxBlocksPerRun; ++block) {
                // A host automating from the audio thread: every editor control moves.
                editor.host.setParameter(kRig, float(block % 2));  // Stereo or Square
                editor.host.setParameter(kBlend, float(block % 11) / 10.0f);
                editor.host.setParameter(kVolume, float(block % 7) / 6.0f);
                editor.host.setParameter(kFirstOrder, float(block % 2));
                editor.host.setParameter(kTestLoop, 0.0f);
                editor.host.runBlock(testhost::ProcessMode::Replacing, {}, kBlockFrames);
                if (editor.host.getParameter(kSpeakerTest) == 0.0f) {
                    endedRuns.fetch_add(1);
                    break;
                }
            }
        }
    });

    EXPECT_EQ(endedRuns.load(), kTestRuns);
    EXPECT_GT(idles, 0);
    const RasterImage button = resourceBitmap("rigdecoder/test_button.bmp");
    EXPECT_TRUE(showsBitmap(editor.pixels(), kTestButton, button, Point(0, 0)));  // back to START
}

TEST(EditorThreads, DecoderAutomatedFromTheAudioThreadWhileTheEditorIdles) {
    headless::reset();
    TwinEditor editor("orva_decoder_ui");
    ASSERT_TRUE(editor.open()) << editor.host.error();
    editor.host.recordCalls = false;

    idleWhile(editor, [&] {
        for (int block = 0; block < 400; ++block) {
            editor.host.setParameter(0, float(block % 8) / 7.0f);
            editor.host.runBlock(testhost::ProcessMode::Replacing, {}, kBlockFrames);
        }
        editor.host.setParameter(0, 5.0f / 7.0f);
    });

    const RasterImage pictures = resourceBitmap("decoder/layouts.bmp");
    EXPECT_TRUE(showsBitmap(editor.pixels(), Rect(239, 28, 319, 116), pictures, Point(0, 5 * 88)));
}

// Every control of the open editor bound to a parameter shows the plug-in's value (value
// displays carry no tag of their own and are left out).
void expectControlsShowThePlugin(TwinEditor& editor) {
    ASSERT_NE(editor.frame(), nullptr);
    int bound = 0;
    for (std::int32_t i = 0; i < editor.frame()->viewCount(); ++i) {
        View* view = editor.frame()->viewAt(i);
        auto* control = dynamic_cast<Control*>(view);
        const std::int32_t tag = control && !dynamic_cast<ValueDisplay*>(view) ? control->getTag() : -1;
        if (tag < 0 || tag >= editor.host.effect()->numParams) continue;
        EXPECT_EQ(control->getValue(), editor.host.getParameter(tag)) << "tag " << tag;
        ++bound;
    }
    EXPECT_GT(bound, 0);
}

TEST(EditorThreads, FirstOrderEditorAutomatedFromTheAudioThreadWhileTheEditorIdles) {
    headless::reset();
    TwinEditor editor("orva_zoom_ui");
    ASSERT_TRUE(editor.open()) << editor.host.error();
    editor.host.recordCalls = false;
    const int params = editor.host.effect()->numParams;

    idleWhile(editor, [&] {
        for (int block = 0; block < 400; ++block) {
            for (int index = 0; index < params; ++index)
                editor.host.setParameter(index, float((block + index) % 9) / 8.0f);
            editor.host.runBlock(testhost::ProcessMode::Replacing, {}, kBlockFrames);
        }
    });

    expectControlsShowThePlugin(editor);
}

// The user-interface thread opens and closes the editor while the audio thread automates
// every parameter: close must not delete a control that parameterChanged is setting.
TEST(EditorThreads, EditorsOpenAndCloseWhileTheAudioThreadAutomates) {
    for (const char* library : {"halvane", "orva_decoder_ui", "orva_panner_master_ui", "orva_zoom_ui"}) {
        SCOPED_TRACE(library);
        headless::reset();
        TwinEditor editor(library);
        ASSERT_TRUE(editor.host.loaded()) << editor.host.error();
        ASSERT_NE(editor.host.instantiateAndStart(), nullptr);
        editor.host.recordCalls = false;
        const int params = editor.host.effect()->numParams;
        std::atomic<bool> stop{false};
        std::thread audio([&] {
            for (int block = 0; !stop.load(); ++block) {
                for (int index = 0; index < params; ++index)
                    editor.host.setParameter(index, float((block + index) % 2));
                editor.host.runBlock(testhost::ProcessMode::Replacing, {}, 64);
            }
        });
        int opened = 0;
        for (int round = 0; round < 30; ++round) {
            opened += editor.open();
            editor.idle();
            editor.close();
        }
        stop.store(true);
        audio.join();
        EXPECT_EQ(opened, 30);
        EXPECT_EQ(headless::liveWindowCount(), 0);
    }
}

}  // namespace
