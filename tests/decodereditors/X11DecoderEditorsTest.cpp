// The built orva_decoder_ui and halvane libraries in real X11 windows: each editor opens in
// a parent window of the test, its capture (XGetImage) equals the headless twin's rendering
// of the same values, and one real click through XTest reaches the plug-in: the decoder's
// switch, and the rig menu's choice through the toolkit's own X11 popup. Needs an X server
// (xvfb-run -a); skips without one.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "PngWriter.h"
#include "DecoderEditorChecks.h"

// After GoogleTest: the X11 headers define macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

struct EditorCase {
    const char* name;
    const char* library;
    int widthPx, heightPx;
};
const EditorCase kDecoder{"decoder", "orva_decoder_ui", 326, 126};
const EditorCase kRigDecoder{"rig_decoder", "halvane", 430, 264};

class X11DecoderEditors : public ::testing::Test {
protected:
    // Held for the whole program: when its last client leaves, the X server resets and
    // refuses connections for a moment, which would skip the next test.
    static void SetUpTestSuite() { keeper = XOpenDisplay(nullptr); }
    static void TearDownTestSuite() {
        if (keeper) XCloseDisplay(keeper);
        keeper = nullptr;
    }

    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (!display) GTEST_SKIP() << "no X server";
        headless::reset();
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 440, 280, 0, 0, 0x808080);
        XMapWindow(display, parent);
        XSync(display, False);
    }
    void TearDown() override {
        if (!display) return;
        if (host) host->close();
        host.reset();
        twin.reset();
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }

    // Loads the library and its twin with the same parameter values and opens both editors.
    void open(const EditorCase& c, const std::vector<std::pair<int, float>>& values) {
        editorCase = c;
        host = std::make_unique<testhost::TestHost>(testhost::pluginPath(c.library));
        ASSERT_TRUE(host->loaded()) << host->error();
        ASSERT_NE(host->instantiateAndStart(), nullptr);
        twin = std::make_unique<TwinEditor>(c.library);
        ASSERT_TRUE(twin->host.loaded()) << twin->host.error();
        ASSERT_NE(twin->host.instantiateAndStart(), nullptr);
        for (auto [index, value] : values) setBoth(index, value);
        ASSERT_TRUE(twin->open());
        ASSERT_EQ(host->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
        ASSERT_TRUE(idleUntil([&] { return childWindow() != 0 && matchesTwin(); })) << mismatches << " pixels differ";
    }
    void setBoth(int index, float value) {
        host->setParameter(index, value);
        twin->host.setParameter(index, value);
        if (twin->window) twin->idle();
    }
    Window childWindow() {
        Window root, parentOut, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display, parent, &root, &parentOut, &children, &count);
        const Window child = count == 1 ? children[0] : 0;
        if (children) XFree(children);
        return child;
    }
    RasterImage capture() {
        RasterImage out;
        const Window child = childWindow();
        if (!child) return out;
        XImage* image = XGetImage(display, child, 0, 0, editorCase.widthPx, editorCase.heightPx, AllPlanes, ZPixmap);
        if (!image) return out;
        out = RasterImage(editorCase.widthPx, editorCase.heightPx);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) out.at(x, y) = std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
        XDestroyImage(image);
        return out;
    }
    // One rasteriser draws both windows, text included: every pixel must match.
    bool matchesTwin() {
        lastCapture = capture();
        const RasterImage& reference = twin->pixels();
        if (lastCapture.width != reference.width || lastCapture.height != reference.height) {
            mismatches = -1;
            return false;
        }
        mismatches = 0;
        for (std::size_t i = 0; i < reference.pixels.size(); ++i)
            mismatches += lastCapture.pixels[i] != reference.pixels[i];
        return mismatches == 0;
    }
    // Sends effEditIdle every 10 ms, as a host does, until `done` or two seconds.
    bool idleUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 200; ++i) {
            host->dispatch(effEditIdle);
            XSync(display, False);
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    Point toScreen(Point p) {
        int x = 0, y = 0;
        Window unused;
        XTranslateCoordinates(display, childWindow(), DefaultRootWindow(display), p.h, p.v, &x, &y, &unused);
        return Point(x, y);
    }
    // Presses at a client point; another connection releases it 150 ms later (and then
    // clicks `then` on the screen, when given), while the editor handles the press.
    void clickAt(Point client, const Point* then = nullptr) {
        const Point at = toScreen(client);
        XTestFakeMotionEvent(display, DefaultScreen(display), at.h, at.v, 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XSync(display, False);
        const bool second = then != nullptr;
        const Point next = second ? *then : Point();
        std::thread releaser([second, next] {
            Display* other = XOpenDisplay(nullptr);
            if (!other) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            XTestFakeButtonEvent(other, 1, False, 0);
            XSync(other, False);
            if (second) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                XTestFakeMotionEvent(other, DefaultScreen(other), next.h, next.v, 0);
                XTestFakeButtonEvent(other, 1, True, 0);
                XTestFakeButtonEvent(other, 1, False, 0);
                XSync(other, False);
            }
            XCloseDisplay(other);
        });
        host->dispatch(effEditIdle);
        releaser.join();
    }

    static Display* keeper;
    Display* display = nullptr;
    Window parent = 0;
    EditorCase editorCase = kDecoder;
    std::unique_ptr<testhost::TestHost> host;
    std::unique_ptr<TwinEditor> twin;
    RasterImage lastCapture;
    int mismatches = 0;
};

Display* X11DecoderEditors::keeper = nullptr;

TEST_F(X11DecoderEditors, DecoderOpensLikeItsTwinAndTheSwitchTakesARealClick) {
    open(kDecoder, {{0, 0.5f}});
    writePng(capturePath("decoder_editor_x11"), lastCapture);
    host->clearCalls();
    clickAt(Point(200, 31));  // the switch's eighth band: Mono
    ASSERT_TRUE(idleUntil([&] { return host->getParameter(0) == 1.0f; }));
    EXPECT_TRUE(host->editGesturesBalanced());
    setBoth(0, 1.0f);
    EXPECT_TRUE(idleUntil([&] { return matchesTwin(); })) << mismatches << " pixels differ";
}

TEST_F(X11DecoderEditors, RigDecoderOpensLikeItsTwinAndTheMenuChoiceGoesThroughOurPopup) {
    open(kRigDecoder, {{0, 3.0f}, {1, 0.25f}, {2, 0.6f}, {3, 1.0f}});
    writePng(capturePath("rig_decoder_editor_x11"), lastCapture);
    // The popup opens below the menu field (18,15)-(287,28): items of 18 pixels from 2 down,
    // the separator 7 pixels high, so "Cube" (item 8) spans 135 to 153.
    const Point cube = toScreen(Point(18 + 40, 28 + 135 + 9));
    host->clearCalls();
    clickAt(Point(100, 21), &cube);
    ASSERT_TRUE(idleUntil([&] { return host->getParameter(0) == 8.0f; }));
    setBoth(0, 8.0f);
    EXPECT_TRUE(idleUntil([&] { return matchesTwin(); })) << mismatches << " pixels differ";
    writePng(capturePath("rig_decoder_editor_x11_cube"), lastCapture);
}

}  // namespace
