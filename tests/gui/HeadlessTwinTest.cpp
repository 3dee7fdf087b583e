// The gallery's headless twin loaded as a host loads a library: the editor opens on the
// shared headless toolkit, takes scripted clicks, and leaves nothing behind when the
// library is unloaded and loaded again.
#include <gtest/gtest.h>

#include "HeadlessPlatform.h"
#include "TwinEditor.h"

namespace {

constexpr int kStripFrameParam = 0;  // the gallery's strip steps a quarter per click

TEST(HeadlessTwin, EditorOpensDrawsAndTakesClicksThroughTheLoadedLibrary) {
    headless::reset();
    TwinEditor editor("orva_gallery");
    ASSERT_TRUE(editor.open()) << editor.host.error();
    const Point size = headless::windowSize(editor.window);
    ERect* rect = nullptr;
    ASSERT_EQ(editor.host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(size.h, rect->right - rect->left);
    EXPECT_EQ(size.v, rect->bottom - rect->top);
    // Bitmaps come from the twin's own embedded resources: the strip's disc is drawn.
    EXPECT_EQ(editor.pixel(32, 32), 0xC82828u);

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
        TwinEditor editor("orva_gallery");
        ASSERT_TRUE(editor.open()) << "round " << round << ": " << editor.host.error();
        EXPECT_EQ(editor.pixel(32, 32), 0xC82828u) << "round " << round;
        editor.host.close();
        EXPECT_EQ(headless::liveWindowCount(), 0);
    }
}

}  // namespace
