// The first-order editor libraries in real Win32 windows under Wine: each opens in a
// parent window of the test, its capture equals the reference put together from its
// bitmaps and layout (text of the zoom's displays within the font tolerance), one drag
// through SendInput reaches the plug-in, and closing and reopening leaks no windows or GDI
// objects.
#include <gtest/gtest.h>

#include <string>

#include "EditorLayouts.h"
#include "GestureChecks.h"
#include "EditorReference.h"
#include "GalleryReference.h"
#include "PngWriter.h"
#include "TestHost.h"
#include "Win32Session.h"

namespace {

class Win32Editors : public ::testing::TestWithParam<editors::Layout> {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiate(), nullptr);
        parent = win32test::createParentWindow(layout().widthPx + 40, layout().heightPx + 40);
        ASSERT_NE(parent, nullptr);
        win32test::pumpMessages();
    }
    void TearDown() override {
        host.close();
        win32test::destroyWindow(parent);
    }
    const editors::Layout& layout() const { return GetParam(); }
    void* child() const { return win32test::childWindow(parent); }

    bool matchesReference() {
        std::vector<Rect> textAreas;
        for (const Rect& r : layout().displays) textAreas.push_back(editors::withOutline(r));
        lastCapture = win32test::capture(child(), layout().widthPx, layout().heightPx);
        const RasterImage reference =
            editors::composeEditor(layout(), [&](std::int32_t tag) { return host.getParameter(tag); });
        lastComparison = compareWithReference(lastCapture, reference, textAreas);
        return lastComparison.sameSize && lastComparison.exactMismatches == 0 &&
               lastComparison.textMeanDifference <= kTextTolerance;
    }
    void openEditor() {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent), 1);
        ASSERT_TRUE(win32test::idleUntil(host, [&] { return child() && matchesReference(); }))
            << lastComparison.describe();
    }

    testhost::TestHost host{testhost::pluginPath(GetParam().library)};
    void* parent = nullptr;
    RasterImage lastCapture;
    ImageComparison lastComparison;
};

TEST_P(Win32Editors, OpensAndMatchesTheReference) {
    ERect* rect = nullptr;
    ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, layout().widthPx);
    EXPECT_EQ(rect->bottom - rect->top, layout().heightPx);
    openEditor();
    writePng(capturePath(std::string(layout().library) + "_win32"), lastCapture);
}

TEST_P(Win32Editors, DragThroughSendInputReachesThePlugin) {
    openEditor();
    const editors::RealDrag& drag = editors::realDragOf(layout());
    host.clearCalls();
    win32test::dragAt(child(), drag.from, drag.path);
    expectOneDragGesture(host, drag.tag, drag.expected, drag.tolerance);
    EXPECT_TRUE(win32test::idleUntil(host, [&] { return matchesReference(); })) << lastComparison.describe();
    writePng(capturePath(std::string(layout().library) + "_win32_dragged"), lastCapture);
}

TEST_P(Win32Editors, CloseAndReopenLeaksNoWindowsOrGdiObjects) {
    openEditor();
    host.dispatch(effEditClose);
    win32test::pumpMessages();
    const unsigned long gdiBefore = win32test::gdiObjectCount();
    for (int round = 0; round < 10; ++round) {
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent), 1);
        win32test::idleUntil(
            host, [] { return false; }, 5);
        host.dispatch(effEditClose);
        win32test::pumpMessages();
        EXPECT_EQ(child(), nullptr) << "round " << round;
    }
    EXPECT_LE(win32test::gdiObjectCount(), gdiBefore);
    host.setParameter(editors::realDragOf(layout()).tag, 0.6f);
    openEditor();  // shows the value set while closed
}

INSTANTIATE_TEST_SUITE_P(FirstOrder, Win32Editors, ::testing::ValuesIn(editors::firstOrderLayouts()),
                         [](const auto& info) { return std::string(info.param.library); });

}  // namespace
