// The first-order editor libraries in real X11 windows: each opens in a parent window of
// the test, its capture equals its headless twin's rendering (the twin is loaded in this
// process as the reference), one drag through XTest reaches the plug-in, and closing and
// reopening leaves no window behind. Needs an X server (xvfb-run -a); skips without one.
#include <gtest/gtest.h>

#include <string>

#include "EditorLayouts.h"
#include "GestureChecks.h"
#include "ResourceBitmaps.h"
#include "TwinEditor.h"
#include "X11Session.h"

namespace {

class X11Editors : public ::testing::TestWithParam<editors::Layout> {
protected:
    void SetUp() override {
        if (!x11.available()) GTEST_SKIP() << "no X server";
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiate(), nullptr);
        x11.createParent(layout().widthPx + 40, layout().heightPx + 40);
    }
    void TearDown() override {
        if (x11.available()) host.close();
    }
    const editors::Layout& layout() const { return GetParam(); }

    // The twin with the same parameter values, painted and idled.
    RasterImage reference() {
        headless::reset();
        TwinEditor twin(layout().library);
        if (!twin.open()) return RasterImage();
        for (int i = 0; i < layout().parameterCount; ++i) twin.host.setParameter(i, host.getParameter(i));
        twin.idle();
        return twin.pixels();
    }
    bool matchesReference() {
        lastCapture = x11.capture(layout().widthPx, layout().heightPx);
        lastDifference = describeDifference(lastCapture, reference());
        return lastDifference == "same";
    }
    void openEditor() {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, x11.parentHandle()), 1);
        ASSERT_TRUE(x11.idleUntil(host, [&] { return x11.childWindow() != 0 && matchesReference(); }))
            << lastDifference;
    }

    X11Session x11;
    testhost::TestHost host{testhost::pluginPath(GetParam().library)};
    RasterImage lastCapture;
    std::string lastDifference;
};

TEST_P(X11Editors, OpensAndMatchesTheHeadlessRendering) {
    ERect* rect = nullptr;
    ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, layout().widthPx);
    EXPECT_EQ(rect->bottom - rect->top, layout().heightPx);
    openEditor();
}

TEST_P(X11Editors, DragThroughTheServerReachesThePlugin) {
    openEditor();
    const editors::RealDrag& drag = editors::realDragOf(layout());
    host.clearCalls();
    x11.dragAt(host, drag.from, drag.path);
    expectOneDragGesture(host, drag.tag, drag.expected, drag.tolerance);
    EXPECT_TRUE(x11.idleUntil(host, [&] { return matchesReference(); })) << lastDifference;
}

TEST_P(X11Editors, CloseAndReopenLeavesNoWindows) {
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, x11.parentHandle()), 1);
        x11.idleUntil(
            host, [] { return false; }, 3);
        EXPECT_EQ(x11.childCount(), 1);
        host.dispatch(effEditClose);
        x11.sync();
        EXPECT_EQ(x11.childCount(), 0) << "round " << round;
    }
    host.setParameter(editors::realDragOf(layout()).tag, 0.6f);
    openEditor();  // shows the value set while closed
}

INSTANTIATE_TEST_SUITE_P(FirstOrder, X11Editors, ::testing::ValuesIn(editors::firstOrderLayouts()),
                         [](const auto& info) { return std::string(info.param.library); });

}  // namespace
