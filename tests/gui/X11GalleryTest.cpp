// The built gallery library in a real X11 window: opened in a parent window of the test,
// captured with XGetImage and compared with the headless rendering, clicked through XTest,
// closed and reopened. Needs an X server (xvfb-run -a); skips without one.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "GalleryPlugin.h"
#include "GalleryHostChecks.h"
#include "GalleryReference.h"
#include "PngWriter.h"
#include "TestHost.h"

// After GoogleTest: the X11 headers define macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class X11Gallery : public ::testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (!display) GTEST_SKIP() << "no X server";
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiate(), nullptr);
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 320, 420, 0, 0, 0x808080);
        XMapWindow(display, parent);
        XSync(display, False);
    }
    void TearDown() override {
        if (!display) return;
        host.close();
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }

    void openEditor() {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
        ASSERT_TRUE(idleUntil([&] { return childWindow() != 0 && matchesReference(); })) << lastComparison.describe();
    }
    Window childWindow() {
        Window root, parentOut, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display, parent, &root, &parentOut, &children, &count);
        const Window child = count == 1 ? children[0] : 0;
        if (children) XFree(children);
        return child;
    }
    int childCount() {
        Window root, parentOut, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display, parent, &root, &parentOut, &children, &count);
        if (children) XFree(children);
        return int(count);
    }
    RasterImage capture() {
        RasterImage out;
        const Window child = childWindow();
        if (!child) return out;
        XImage* image = XGetImage(display, child, 0, 0, kGalleryWidthPx, kGalleryHeightPx, AllPlanes, ZPixmap);
        if (!image) return out;
        out = RasterImage(kGalleryWidthPx, kGalleryHeightPx);
        for (int y = 0; y < kGalleryHeightPx; ++y)
            for (int x = 0; x < kGalleryWidthPx; ++x) out.at(x, y) = std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
        XDestroyImage(image);
        return out;
    }
    bool matchesReference() {
        lastCapture = capture();
        lastComparison = compareWithReference(lastCapture, renderGalleryReference(galleryValues(host)), galleryTextAreas());
        // One rasteriser draws both: the text matches exactly too.
        return lastComparison.sameSize && lastComparison.exactMismatches == 0 && lastComparison.textMeanDifference == 0;
    }
    // Sends effEditIdle every 10 ms, as a host does, until `done` or two seconds.
    bool idleUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 200; ++i) {
            host.dispatch(effEditIdle);
            XSync(display, False);
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    // Presses the button, lets the editor take the press while it is down, and releases it
    // 150 ms later from another connection, so a view that holds until release sees it.
    void clickAt(int h, int v, bool control = false) {
        int x = 0, y = 0;
        Window unused;
        XTranslateCoordinates(display, childWindow(), DefaultRootWindow(display), h, v, &x, &y, &unused);
        const KeyCode ctrl = XKeysymToKeycode(display, XK_Control_L);
        XTestFakeMotionEvent(display, DefaultScreen(display), x, y, 0);
        if (control) XTestFakeKeyEvent(display, ctrl, True, 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XSync(display, False);
        std::thread releaser([ctrl, control] {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            Display* other = XOpenDisplay(nullptr);
            if (!other) return;
            XTestFakeButtonEvent(other, 1, False, 0);
            if (control) XTestFakeKeyEvent(other, ctrl, False, 0);
            XSync(other, False);
            XCloseDisplay(other);
        });
        host.dispatch(effEditIdle);
        releaser.join();
    }

    // Presses at `from`, then, from another connection, moves along `path` (one step
    // every 20 ms) and releases; the editor's drag loop runs inside the idle call.
    void dragAt(Point from, const std::vector<Point>& path) {
        const Point start = toScreen(from);
        std::vector<Point> screenPath;
        for (Point p : path) screenPath.push_back(toScreen(p));
        XTestFakeMotionEvent(display, DefaultScreen(display), start.h, start.v, 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XSync(display, False);
        std::thread mover([screenPath] {
            Display* other = XOpenDisplay(nullptr);
            if (!other) return;
            for (Point p : screenPath) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                XTestFakeMotionEvent(other, DefaultScreen(other), p.h, p.v, 0);
                XSync(other, False);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            XTestFakeButtonEvent(other, 1, False, 0);
            XSync(other, False);
            XCloseDisplay(other);
        });
        host.dispatch(effEditIdle);
        mover.join();
    }
    Point toScreen(Point p) {
        int x = 0, y = 0;
        Window unused;
        XTranslateCoordinates(display, childWindow(), DefaultRootWindow(display), p.h, p.v, &x, &y, &unused);
        return Point(x, y);
    }
    void typeKeys(const std::vector<KeySym>& keys) {
        for (KeySym key : keys) {
            const KeyCode code = XKeysymToKeycode(display, key);
            XTestFakeKeyEvent(display, code, True, 0);
            XTestFakeKeyEvent(display, code, False, 0);
        }
        XSync(display, False);
    }

    testhost::TestHost host{testhost::pluginPath("test-only/orva_gallery")};
    Display* display = nullptr;
    Window parent = 0;
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
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
    host.setParameter(kStripFrame, 0.75f);
    host.setParameter(kToggle, 1.0f);
    openEditor();
    EXPECT_EQ(childCount(), 1);
    writePng(capturePath("gallery_x11_reopened"), lastCapture);
    host.dispatch(effEditClose);
    host.dispatch(effEditClose);  // a second close is harmless
    host.dispatch(effEditIdle);   // and so is idle while closed
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

// The host may destroy its window (and with it the editor's) before effEditClose, with
// or without idling in between.
TEST_F(X11Gallery, HostDestroyingItsWindowFirstIsSurvived) {
    for (int idlesBetween : {0, 5}) {
        openEditor();
        XDestroyWindow(display, parent);
        XSync(display, False);
        for (int i = 0; i < idlesBetween; ++i) host.dispatch(effEditIdle);
        host.dispatch(effEditClose);
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 320, 420, 0, 0, 0x808080);
        XMapWindow(display, parent);
        XSync(display, False);
    }
    openEditor();
}

// One knob drag, one fader drag, one menu choice and one text edit through the server.
TEST_F(X11Gallery, ControlsAreDrivenThroughTheServer) {
    openEditor();
    for (const GalleryDrag& drag : galleryDrags()) {
        host.clearCalls();
        dragAt(drag.from, drag.path);
        expectDragStored(host, drag);
    }
    ASSERT_TRUE(idleUntil([&] { return matchesReference(); })) << lastComparison.describe();
    writePng(capturePath("gallery_x11_dragged"), lastCapture);

    // The menu opens below (90,260)-(140,276); "Quad" is its third item, after a separator.
    host.clearCalls();
    const Point quad = toScreen({120, 276 + 2 + 18 + 7 + 9});
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
    typeKeys({XK_H, XK_i, XK_Return});
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(kTextEdits) == 1.0f; }));
    // Confirming the same text again sends nothing.
    clickAt(150, 239);
    typeKeys({XK_Return});
    for (int i = 0; i < 30; ++i) {
        host.dispatch(effEditIdle);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(host.getParameter(kTextEdits), 1.0f);
    writePng(capturePath("gallery_x11_edited"), capture());
}
