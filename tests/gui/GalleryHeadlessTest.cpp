// The gallery editor end to end on the headless backend: rendering, routed clicks with
// scripted input, host changes at idle, close and reopen.
#include <gtest/gtest.h>

#include <vector>

#include "EditorFrame.h"
#include "EditorWindowClass.h"
#include "GalleryPlugin.h"
#include "GalleryReference.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"
#include "PngWriter.h"

namespace {
struct Recorded {
    std::int32_t opcode;
    std::int32_t index;
    float opt;
};
std::vector<Recorded>* hostCalls = nullptr;

std::intptr_t galleryHost(AEffect*, std::int32_t opcode, std::int32_t index, std::intptr_t, void*, float opt) {
    if (opcode == audioMasterVersion) return 2400;
    if (hostCalls) hostCalls->push_back({opcode, index, opt});
    return 0;
}

class GalleryHeadless : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        hostCalls = &recorded;
        plugin = new GalleryPlugin(galleryHost);
        ASSERT_EQ(plugin->dispatcher(effEditOpen, 0, 0, &parent, 0.0f), 1);
        window = frame()->getWindow();
        headless::paint(window);
        idle();
    }
    void TearDown() override {
        delete plugin;
        hostCalls = nullptr;
    }
    EditorFrame* frame() { return static_cast<GuiEditor*>(plugin->getEditor())->getFrame(); }
    void idle() { plugin->dispatcher(effEditIdle, 0, 0, nullptr, 0.0f); }
    // A click: the button is down when the frame gets the message and released after
    // `heldPolls` further polls.
    void click(Point p, int heldPolls = 0, int buttons = platform::kLeftButton) {
        const Point screen(p.h + headless::kWindowScreenOrigin.h, p.v + headless::kWindowScreenOrigin.v);
        headless::setInput({0, screen});
        headless::queueInput({buttons, screen});
        for (int i = 0; i < heldPolls; ++i) headless::queueInput({platform::kLeftButton, Point()});
        headless::queueInput({0, Point()});
        headless::click(window, p);
        idle();
    }
    std::vector<float> values() {
        std::vector<float> v;
        for (int i = 0; i < kGalleryParamCount; ++i) v.push_back(plugin->getParameter(i));
        return v;
    }
    void expectShowsReference(const char* capture) {
        const RasterImage* shown = headless::windowPixels(window);
        ASSERT_NE(shown, nullptr);
        writePng(capturePath(capture), *shown);
        const RasterImage reference = renderGalleryReference(values());
        // Same backend: even the text must match exactly.
        const ImageComparison c = compareWithReference(*shown, reference, galleryTextAreas());
        EXPECT_TRUE(c.sameSize && c.exactMismatches == 0 && c.textMeanDifference == 0) << capture << ": " << c.describe();
        if (shown->pixels != reference.pixels) writePng(capturePath(std::string(capture) + "_reference"), reference);
    }
    int count(std::int32_t opcode) {
        int n = 0;
        for (const Recorded& r : recorded) n += r.opcode == opcode;
        return n;
    }

    int parent = 0;
    GalleryPlugin* plugin = nullptr;
    platform::NativeWindow* window = nullptr;
    std::vector<Recorded> recorded;
};

}  // namespace

TEST_F(GalleryHeadless, DrawsBackgroundKeyedStripAndLabel) {
    const RasterImage* shown = headless::windowPixels(window);
    ASSERT_NE(shown, nullptr);
    writePng(capturePath("gallery_headless"), *shown);
    EXPECT_EQ(shown->width, kGalleryWidthPx);
    EXPECT_EQ(shown->height, kGalleryHeightPx);
    EXPECT_EQ(shown->at(0, 5), 0x283C46u);     // background grid line
    EXPECT_EQ(shown->at(32, 32), 0xC82828u);   // strip frame 0 disc
    EXPECT_EQ(shown->at(17, 17), 0x1B6292u);   // the strip's key corner shows the background
    int labelInk = 0;
    for (int y = 64; y < 88; ++y)
        for (int x = 16; x < 224; ++x) labelInk += shown->at(x, y) == 0xFFFFFFu;
    EXPECT_GT(labelInk, 30);
}

TEST_F(GalleryHeadless, ClicksAreRoutedAndStoredAsEditGestures) {
    struct Case {
        Point where;
        int heldPolls;
        std::vector<float> expected;
    };
    const Case cases[] = {
        {{32, 32}, 0, {0.25f, 0, 0, 0}},        // strip steps one frame
        {{16, 16}, 0, {0.5f, 0, 0, 0}},         // its top-left edge is inside
        {{62, 14}, 0, {0.5f, 0, 0, 0}},         // the glass alone is not mouse enabled
        {{84, 26}, 6, {0.5f, 1, 0, 0}},         // through the glass to the toggle, held
        {{130, 20}, 0, {0.5f, 1, 0.1f, 0}},     // swatch
        {{190, 50}, 0, {0.5f, 1, 0.1f, 0.1f}},  // overlap: the later corner wins
        {{130, 20}, 0, {0.5f, 1, 0.2f, 0.1f}},
        {{230, 150}, 0, {0.5f, 1, 0.2f, 0.1f}}, // nothing there
    };
    for (const Case& c : cases) {
        recorded.clear();
        click(c.where, c.heldPolls);
        // The controls' parameters after the listed ones stay untouched.
        for (int i = 0; i < kGalleryParamCount; ++i) {
            const float expected = std::size_t(i) < c.expected.size() ? c.expected[std::size_t(i)] : 0.0f;
            EXPECT_FLOAT_EQ(plugin->getParameter(i), expected) << c.where.h << "," << c.where.v;
        }
        const bool changed = count(audioMasterAutomate) > 0;
        EXPECT_EQ(count(audioMasterBeginEdit), changed ? 1 : 0);
        EXPECT_EQ(count(audioMasterEndEdit), changed ? 1 : 0);
    }
    expectShowsReference("gallery_headless_clicked");
    // Control with the left button is exactly 17 and resets; with Shift as well (25) it counts.
    click(Point(130, 20), 0, platform::kLeftButton | platform::kControl | platform::kShift);
    EXPECT_FLOAT_EQ(plugin->getParameter(kSwatchClicks), 0.3f);
    click(Point(130, 20), 0, platform::kLeftButton | platform::kControl);
    EXPECT_FLOAT_EQ(plugin->getParameter(kSwatchClicks), 0.0f);
}

TEST_F(GalleryHeadless, HeldToggleKeepsTheHostIdling) {
    for (int i = 0; i < 41; ++i) headless::queueInput({platform::kLeftButton, Point()});
    headless::queueInput({0, Point()});
    headless::click(window, Point(70, 20));
    EXPECT_FLOAT_EQ(plugin->getParameter(kToggle), 1.0f);
    EXPECT_GE(count(audioMasterIdle), 3);  // 40 polls of 4 ms: an idle about every 50 ms
}

TEST_F(GalleryHeadless, HostChangesShowAtTheNextIdle) {
    plugin->setParameter(kStripFrame, 1.0f);
    const RasterImage before = *headless::windowPixels(window);
    idle();
    EXPECT_NE(headless::windowPixels(window)->pixels, before.pixels);
    expectShowsReference("gallery_headless_host_change");
}

TEST_F(GalleryHeadless, CloseAndReopenRebuildsWithCurrentValues) {
    plugin->setParameter(kToggle, 1.0f);
    plugin->setParameter(kStripFrame, 0.75f);
    plugin->dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(headless::liveWindowCount(), 0);
    EXPECT_EQ(editorwindowclass::useCount(), 0);
    plugin->setParameter(kSwatchClicks, 0.2f);  // while closed: nothing to update
    ASSERT_EQ(plugin->dispatcher(effEditOpen, 0, 0, &parent, 0.0f), 1);
    window = frame()->getWindow();
    headless::paint(window);
    idle();
    expectShowsReference("gallery_headless_reopened");
    EXPECT_EQ(headless::liveWindowCount(), 1);
}
