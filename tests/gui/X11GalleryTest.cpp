// The built gallery library in a real X11 window: opened in a parent window of the test,
// captured with XGetImage and compared with the headless rendering, clicked through XTest,
// closed and reopened. Needs an X server (xvfb-run -a); skips without one.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "GalleryHostChecks.h"
#include "GalleryPlugin.h"
#include "GalleryReference.h"
#include "PngWriter.h"
#include "TestHost.h"
#include "X11Session.h"

// After GoogleTest: the X11 headers define macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kParentWidthPx = 320;
constexpr int kParentHeightPx = 420;

class X11Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        if (!x11.available()) GTEST_SKIP() << "no X server";
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiate(), nullptr);
        x11.createParent(kParentWidthPx, kParentHeightPx);
    }
    void TearDown() override {
        if (!x11.available()) return;
        host.close();
        x11.destroyParent();
    }

    void openEditor() {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, x11.parentHandle()), 1);
        ASSERT_TRUE(idleUntil([&] { return x11.childWindow() != 0 && matchesReference(); }))
            << lastComparison.describe();
    }
    RasterImage capture() { return x11.capture(kGalleryWidthPx, kGalleryHeightPx); }
    bool matchesReference() {
        lastCapture = capture();
        lastComparison =
            compareWithReference(lastCapture, renderGalleryReference(galleryValues(host)), galleryTextAreas());
        // One rasteriser draws both: the text matches exactly too.
        return lastComparison.sameSize && lastComparison.exactMismatches == 0 && lastComparison.textMeanDifference == 0;
    }
    bool idleUntil(const std::function<bool()>& done) { return x11.idleUntil(host, done); }
    void clickAt(int h, int v, bool control = false) { x11.clickAt(host, Point(h, v), control); }

    X11Session x11;
    testhost::TestHost host{testhost::pluginPath("test-only/orva_gallery")};
    RasterImage lastCapture;
    ImageComparison lastComparison;
};

}  // namespace

TEST_F(X11Gallery, OpensInTheHostWindowAndMatchesTheHeadlessRendering) {
    expectGalleryEditorSize(host);
    openEditor();
    writePng(capturePath("gallery_x11"), lastCapture);
    EXPECT_EQ(lastComparison.exactMismatches, 0) << lastComparison.describe();
}

TEST_F(X11Gallery, ClicksThroughTheServerAreRouted) {
    openEditor();
    std::vector<std::pair<GalleryClick, bool>> cases;
    for (const GalleryClick& c : galleryClicks()) cases.push_back({c, false});
    cases.push_back({{130, 20, kSwatchClicks, 0.0f}, true});  // Control-click resets: buttons exactly 17
    for (const auto& [c, control] : cases) {
        host.clearCalls();
        const float before = host.getParameter(c.param);
        clickAt(c.h, c.v, control);
        ASSERT_TRUE(idleUntil([&] { return host.getParameter(c.param) != before; })) << c.h << "," << c.v;
        expectClickStored(host, c);
    }
    EXPECT_FLOAT_EQ(host.getParameter(kCornerClicks), 0.1f);
    ASSERT_TRUE(idleUntil([&] { return matchesReference(); })) << lastComparison.describe();
    writePng(capturePath("gallery_x11_clicked"), lastCapture);
}

TEST_F(X11Gallery, CloseRemovesTheWindowAndReopenShowsCurrentValues) {
    openEditor();
    host.dispatch(effEditClose);
    x11.sync();
    EXPECT_EQ(x11.childCount(), 0);
    host.setParameter(kStripFrame, 0.75f);
    host.setParameter(kToggle, 1.0f);
    openEditor();
    EXPECT_EQ(x11.childCount(), 1);
    writePng(capturePath("gallery_x11_reopened"), lastCapture);
    host.dispatch(effEditClose);
    host.dispatch(effEditClose);  // a second close is harmless
    host.dispatch(effEditIdle);   // and so is idle while closed
    x11.sync();
    EXPECT_EQ(x11.childCount(), 0);
}

// The host may destroy its window (and with it the editor's) before effEditClose, with
// or without idling in between.
TEST_F(X11Gallery, HostDestroyingItsWindowFirstIsSurvived) {
    for (int idlesBetween : {0, 5}) {
        openEditor();
        x11.destroyParent();
        for (int i = 0; i < idlesBetween; ++i) host.dispatch(effEditIdle);
        host.dispatch(effEditClose);
        x11.createParent(kParentWidthPx, kParentHeightPx);
    }
    openEditor();
}

// One knob drag, one fader drag, one menu choice and one text edit through the server.
TEST_F(X11Gallery, ControlsAreDrivenThroughTheServer) {
    openEditor();
    for (const GalleryDrag& drag : galleryDrags()) {
        host.clearCalls();
        x11.dragAt(host, drag.from, drag.path);
        expectDragStored(host, drag);
    }
    ASSERT_TRUE(idleUntil([&] { return matchesReference(); })) << lastComparison.describe();
    writePng(capturePath("gallery_x11_dragged"), lastCapture);

    // The menu opens below (90,260)-(140,276); "Quad" is its third item, after a separator.
    host.clearCalls();
    const Point quad = x11.toScreen({120, 276 + 2 + 18 + 7 + 9});
    std::thread chooser([quad] {
        Display* other = XOpenDisplay(nullptr);
        if (!other) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        XTestFakeMotionEvent(other, DefaultScreen(other), quad.h, quad.v, 0);
        XTestFakeButtonEvent(other, 1, True, 0);
        XTestFakeButtonEvent(other, 1, False, 0);
        XSync(other, False);
        XCloseDisplay(other);
    });
    clickAt(100, 268);
    chooser.join();
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(kMenuChoice) == 2.0f; }));
    ASSERT_TRUE(idleUntil([&] { return matchesReference(); })) << lastComparison.describe();
    writePng(capturePath("gallery_x11_menu"), lastCapture);

    // The text field (90,230)-(230,248): typing replaces the selected text, Return confirms.
    host.clearCalls();
    clickAt(150, 239);
    x11.typeKeys({XK_H, XK_i, XK_Return});
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(kTextEdits) == 1.0f; }));
    // Confirming the same text again sends nothing.
    clickAt(150, 239);
    x11.typeKeys({XK_Return});
    for (int i = 0; i < 30; ++i) {
        host.dispatch(effEditIdle);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(host.getParameter(kTextEdits), 1.0f);
    writePng(capturePath("gallery_x11_edited"), capture());
}
