// The built orva_decoder_ui or halvane library (ORVA_RIG_EDITOR picks halvane) in a real
// Win32 window: opened in a parent window of the test, captured from the child window's
// device context and compared with the same editor rendered in-process on the headless
// toolkit, and one real click through SendInput reaches the plug-in: the decoder's switch,
// or the rig menu's choice through the native popup menu.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "HeadlessReference.h"
#include "ImageComparison.h"
#include "PngWriter.h"
#include "TestHost.h"
#include "Win32Session.h"

#if defined(ORVA_RIG_EDITOR)
#include "RigDecoderPluginWithEditor.h"
#include "ToneMessage.h"
#else
#include "DecoderPluginWithEditor.h"
#endif

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>  // the virtual key codes

namespace {

#if defined(ORVA_RIG_EDITOR)
using EditorPlugin = RigDecoderPluginWithEditor;
constexpr const char* kLibrary = "halvane";
constexpr const char* kName = "rig_decoder_editor";
constexpr int kWidthPx = 430, kHeightPx = 264;
const std::vector<Rect> kTextAreas = {Rect(18, 15, 287, 28)};  // the rig menu's entry
const std::vector<std::pair<int, float>> kValues = {{0, 3.0f}, {1, 0.25f}, {2, 0.6f}, {3, 1.0f}};
#else
using EditorPlugin = DecoderPluginWithEditor;
constexpr const char* kLibrary = "orva_decoder_ui";
constexpr const char* kName = "decoder_editor";
constexpr int kWidthPx = 326, kHeightPx = 126;
const std::vector<Rect> kTextAreas = {};
const std::vector<std::pair<int, float>> kValues = {{0, 0.5f}};
#endif

// The same editor on the headless toolkit in this process, with these parameter values.
RasterImage renderReference(const std::vector<std::pair<int, float>>& values) {
#if defined(ORVA_RIG_EDITOR)
    rig::setToneMessageSink([](const char*) {});  // no tone beside the test program: no box
#endif
    EditorPlugin plugin(referenceHost);
    for (auto [index, value] : values) plugin.setParameter(index, value);
    return renderEditor(plugin);
}

class Win32DecoderEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiateAndStart(), nullptr);
        for (auto [index, value] : kValues) host.setParameter(index, value);
        parent = win32test::createParentWindow(440, 280, kName);
        ASSERT_NE(parent, nullptr);
        win32test::pumpMessages();
    }
    void TearDown() override {
        host.close();
        win32test::destroyWindow(parent);
    }

    void openEditor(const std::vector<std::pair<int, float>>& values) {
        reference = renderReference(values);
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent), 1);
        ASSERT_TRUE(idleUntil([&] { return win32test::childWindow(parent) && matchesReference(); })) << describe();
    }
    bool matchesReference() {
        lastCapture = win32test::capture(win32test::childWindow(parent), kWidthPx, kHeightPx);
        comparison = compareWithReference(lastCapture, reference, kTextAreas);
        return comparison.sameSize && comparison.exactMismatches == 0 &&
               comparison.textMeanDifference <= kTextTolerance;
    }
    std::string describe() const { return comparison.describe(); }
    bool idleUntil(const std::function<bool()>& done) { return win32test::idleUntil(host, done); }
    void clickAt(int h, int v) { win32test::clickAt(win32test::childWindow(parent), Point(h, v)); }

    testhost::TestHost host{testhost::pluginPath(kLibrary)};
    void* parent = nullptr;
    RasterImage reference;
    RasterImage lastCapture;
    ImageComparison comparison;
};

}  // namespace

TEST_F(Win32DecoderEditor, OpensInTheHostWindowAndMatchesTheHeadlessRendering) {
    ERect* rect = nullptr;
    ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, kWidthPx);
    EXPECT_EQ(rect->bottom - rect->top, kHeightPx);
    openEditor(kValues);
    writePng(capturePath(std::string(kName) + "_win32"), lastCapture);
    EXPECT_EQ(comparison.exactMismatches, 0) << describe();
}

#if defined(ORVA_RIG_EDITOR)
TEST_F(Win32DecoderEditor, RigChoiceThroughTheNativePopupMenu) {
    openEditor(kValues);
    host.clearCalls();
    // Keys walk the selectable entries while TrackPopupMenu runs inside the button-down
    // message: the eighth is "Cube", past the separator.
    std::thread chooser([] {
        Sleep(400);
        for (int i = 0; i < 8; ++i) {
            win32test::sendKey(VK_DOWN);
            Sleep(40);
        }
        win32test::sendKey(VK_RETURN);
    });
    clickAt(100, 21);
    chooser.join();
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(0) == 8.0f; })) << host.getParameter(0);
    std::vector<std::pair<int, float>> cube = kValues;
    cube.push_back({0, 8.0f});
    reference = renderReference(cube);
    EXPECT_TRUE(idleUntil([&] { return matchesReference(); })) << describe();
    writePng(capturePath(std::string(kName) + "_win32_cube"), lastCapture);
}
#else
TEST_F(Win32DecoderEditor, SwitchTakesARealClick) {
    openEditor(kValues);
    host.clearCalls();
    clickAt(200, 31);  // the eighth band: Mono
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(0) == 1.0f; }));
    EXPECT_TRUE(host.editGesturesBalanced());
    reference = renderReference({{0, 1.0f}});
    EXPECT_TRUE(idleUntil([&] { return matchesReference(); })) << describe();
}
#endif
