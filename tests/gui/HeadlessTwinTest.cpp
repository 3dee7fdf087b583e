// The gallery's headless twin loaded as a host loads a library: the editor opens on the
// shared headless toolkit, takes scripted clicks, and leaves nothing behind when the
// library is unloaded and loaded again.
#include <gtest/gtest.h>

#include "HeadlessPlatform.h"
#include "TestHost.h"

namespace {

constexpr int kStripFrameParam = 0;  // the gallery's strip steps a quarter per click

struct TwinEditor {
    testhost::TestHost host{testhost::pluginPath("test-only/orva_gallery_headless")};
    int parent = 0;
    platform::NativeWindow* window = nullptr;

    bool open() {
        if (!host.loaded() || !host.instantiateAndStart()) return false;
        if (host.dispatch(effEditOpen, 0, 0, &parent) != 1) return false;
        window = headless::lastCreatedWindow();
        if (!window) return false;
        headless::paint(window);
        host.dispatch(effEditIdle);
        return true;
    }
    void click(Point client) {
        const Point screen(client.h + headless::kWindowScreenOrigin.h, client.v + headless::kWindowScreenOrigin.v);
        headless::setInput({0, screen});
        headless::queueInput({platform::kLeftButton, screen});
        headless::queueInput({0, Point()});
        headless::click(window, client);
        host.dispatch(effEditIdle);
    }
};

TEST(HeadlessTwin, EditorOpensDrawsAndTakesClicksThroughTheLoadedLibrary) {
    headless::reset();
    TwinEditor editor;
    ASSERT_TRUE(editor.open()) << editor.host.error();
    const Point size = headless::windowSize(editor.window);
    ERect* rect = nullptr;
    ASSERT_EQ(editor.host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(size.h, rect->right - rect->left);
    EXPECT_EQ(size.v, rect->bottom - rect->top);
    // Bitmaps come from the twin's own embedded resources: the strip's disc is drawn.
    EXPECT_EQ(headless::windowPixels(editor.window)->at(32, 32), 0xC82828u);

    editor.click(Point(32, 32));
    EXPECT_FLOAT_EQ(editor.host.getParameter(kStripFrameParam), 0.25f);
    EXPECT_EQ(editor.host.callsWith(audioMasterAutomate).size(), 1u);
    EXPECT_TRUE(editor.host.editGesturesBalanced());

    editor.host.dispatch(effEditClose);
    EXPECT_EQ(headless::liveWindowCount(), 0);
}

TEST(HeadlessTwin, ReloadedLibraryFindsItsBitmapsAgain) {
    for (int round = 0; round < 2; ++round) {
        headless::reset();
        TwinEditor editor;
        ASSERT_TRUE(editor.open()) << "round " << round << ": " << editor.host.error();
        EXPECT_EQ(headless::windowPixels(editor.window)->at(32, 32), 0xC82828u) << "round " << round;
        editor.host.close();
        EXPECT_EQ(headless::liveWindowCount(), 0);
    }
}

}  // namespace
