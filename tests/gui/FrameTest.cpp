// EditorFrame on the headless backend: mouse routing, modal and focus views, full and
// incremental drawing, the idle rules and the view array.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Bitmap.h"
#include "BmpEncode.h"
#include "DrawContext.h"
#include "EditBoxColours.h"
#include "EditorFrame.h"
#include "EditorWindowClass.h"
#include "HeadlessPlatform.h"

namespace {

// Records what the frame asks of it.
class ProbeView : public View {
public:
    ProbeView(const Rect& size, std::string name, std::vector<std::string>* log, bool* deleted = nullptr)
        : View(size), name(std::move(name)), log(log), deleted(deleted) {}
    ~ProbeView() override {
        if (deleted) *deleted = true;
    }
    void draw(DrawContext*) override { ++draws; }
    void mouseDown(DrawContext*, Point& where) override {
        if (log) log->push_back(name + "@" + std::to_string(where.h) + "," + std::to_string(where.v));
    }
    void loseFocus(DrawContext*) override {
        if (log) log->push_back(name + " lost focus");
    }
    bool onAttached(View*) override {
        ++attached;
        return true;
    }
    bool onRemoved(View*) override {
        ++removed;
        return true;
    }

    std::string name;
    std::vector<std::string>* log;
    bool* deleted;
    int draws = 0;
    int attached = 0;
    int removed = 0;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        frame = new EditorFrame(Rect(0, 0, 100, 80), &parent, nullptr);
        window = frame->getWindow();
        ASSERT_NE(window, nullptr);
        headless::setInput({platform::kLeftButton, Point()});
    }
    void TearDown() override { delete frame; }

    ProbeView* add(const Rect& r, const std::string& name, bool enabled = true) {
        auto* v = new ProbeView(r, name, &log);
        v->setMouseEnabled(enabled);
        EXPECT_TRUE(frame->addView(v));
        return v;
    }
    std::string clickAt(Point p) {
        log.clear();
        headless::click(window, p);
        return log.empty() ? "" : log.back();
    }

    int parent = 0;
    EditorFrame* frame = nullptr;
    platform::NativeWindow* window = nullptr;
    std::vector<std::string> log;
};

}  // namespace

TEST_F(FrameTest, ClicksGoToTheLastAddedEnabledViewWithEdgesInside) {
    add(Rect(10, 10, 50, 50), "A");
    add(Rect(30, 30, 70, 70), "B");
    add(Rect(60, 5, 95, 45), "D");
    add(Rect(60, 5, 95, 45), "C", false);
    struct Case {
        Point p;
        const char* expected;
    };
    const Case cases[] = {{{40, 40}, "B@40,40"}, {{20, 20}, "A@20,20"}, {{10, 10}, "A@10,10"}, {{50, 20}, "A@50,20"},
                          {{70, 70}, "B@70,70"}, {{71, 71}, ""},        {{80, 20}, "D@80,20"}, {{95, 45}, "D@95,45"},
                          {{5, 5}, ""},          {{96, 20}, ""}};
    for (const Case& c : cases) EXPECT_EQ(clickAt(c.p), c.expected) << c.p.h << "," << c.p.v;
    // One click reaches exactly one view.
    log.clear();
    headless::click(window, Point(40, 40));
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(FrameTest, ModalViewTakesOnlyClicksInsideItAndRefusesASecond) {
    add(Rect(0, 0, 100, 80), "under");
    auto* modal = new ProbeView(Rect(20, 20, 40, 40), "M", &log);
    auto* other = new ProbeView(Rect(0, 0, 10, 10), "N", &log);
    ASSERT_TRUE(frame->setModalView(modal));
    EXPECT_EQ(modal->attached, 1);
    EXPECT_FALSE(frame->setModalView(other));
    EXPECT_EQ(frame->getModalView(), modal);
    EXPECT_EQ(clickAt(Point(30, 40)), "M@30,40");
    EXPECT_EQ(clickAt(Point(60, 60)), "");
    EXPECT_TRUE(frame->setModalView(nullptr));
    EXPECT_EQ(modal->removed, 1);
    EXPECT_EQ(clickAt(Point(60, 60)), "under@60,60");
    modal->release();
    other->release();
}

TEST_F(FrameTest, AClickFirstEndsFocus) {
    ProbeView* field = add(Rect(0, 0, 20, 20), "field");
    add(Rect(50, 50, 60, 60), "knob");
    frame->setFocusView(field);
    clickAt(Point(55, 55));
    EXPECT_EQ(log, (std::vector<std::string>{"field lost focus", "knob@55,55"}));
    EXPECT_EQ(frame->getFocusView(), nullptr);
    // Changing focus tells the previous holder after the pointer changed.
    ProbeView* other = add(Rect(30, 0, 40, 10), "other");
    frame->setFocusView(field);
    log.clear();
    frame->setFocusView(other);
    EXPECT_EQ(log, (std::vector<std::string>{"field lost focus"}));
    EXPECT_EQ(frame->getFocusView(), other);
}

TEST_F(FrameTest, IdleDrawsNothingBeforeTheFirstPaintAndOnlyDirtyViewsAfter) {
    ProbeView* a = add(Rect(0, 0, 10, 10), "a");
    ProbeView* b = add(Rect(20, 0, 30, 10), "b");
    frame->idle();
    EXPECT_EQ(a->draws, 0);
    EXPECT_TRUE(frame->isAwaitingFirstPaint());

    headless::paint(window);  // full draw: every view, dirty flags kept
    EXPECT_EQ(a->draws, 1);
    EXPECT_TRUE(a->needsRedraw());
    EXPECT_TRUE(frame->needsRedraw());

    frame->idle();  // the new frame is dirty: one full draw, which keeps the views dirty
    EXPECT_EQ(a->draws, 2);
    EXPECT_FALSE(frame->needsRedraw());
    EXPECT_TRUE(a->needsRedraw());

    frame->idle();  // now each dirty view draws itself and is clean
    EXPECT_EQ(a->draws, 3);
    EXPECT_FALSE(a->needsRedraw());
    EXPECT_FALSE(b->needsRedraw());

    frame->idle();  // nothing dirty: nothing drawn
    EXPECT_EQ(a->draws, 3);
    b->markDirty(true);
    headless::paint(window);
    EXPECT_TRUE(b->needsRedraw());  // a paint leaves a dirty view dirty
    frame->idle();
    EXPECT_EQ(a->draws, 4);  // from the paint only
    EXPECT_EQ(b->draws, 5);
    EXPECT_FALSE(b->needsRedraw());
}

TEST_F(FrameTest, ModalViewDrawsLastAndAloneAtIdle) {
    ProbeView* a = add(Rect(0, 0, 10, 10), "a");
    auto* modal = new ProbeView(Rect(0, 0, 100, 80), "M", &log);
    frame->setModalView(modal);
    headless::paint(window);
    EXPECT_EQ(modal->draws, 1);
    frame->idle();
    frame->idle();
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(modal->draws, 2);  // drawn once by update, then clean
    frame->setModalView(nullptr);
    modal->release();
}

TEST_F(FrameTest, BackgroundIsCopiedAtTheOriginOnPaint) {
    RasterImage picture(100, 80, 0x336699);
    picture.at(99, 79) = 0xFF00FF;
    registerTestBitmap(950, picture);
    Bitmap* bitmap = new Bitmap(950);
    frame->setBackgroundBitmap(bitmap);
    EXPECT_EQ(bitmap->getReferenceCount(), 2);
    headless::paint(window);
    const RasterImage* shown = headless::windowPixels(window);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->pixels, picture.pixels);
    frame->setBackgroundBitmap(nullptr);
    EXPECT_EQ(bitmap->getReferenceCount(), 1);
    bitmap->release();
}

TEST_F(FrameTest, ViewArrayGrowsByTenAndKeepsOrderOnRemoval) {
    EXPECT_EQ(frame->viewCapacity(), 0);
    std::vector<ProbeView*> views;
    for (int i = 0; i < 11; ++i) {
        views.push_back(add(Rect(i, 0, i + 1, 1), std::to_string(i)));
        EXPECT_EQ(frame->viewCapacity(), i < 10 ? 10 : 20);
        EXPECT_EQ(views.back()->getFrame(), frame);
        EXPECT_EQ(views.back()->attached, 1);
    }
    EXPECT_EQ(frame->viewCount(), 11);
    views[3]->retain();
    EXPECT_TRUE(frame->removeView(views[3], true));
    EXPECT_EQ(views[3]->getReferenceCount(), 1);
    EXPECT_EQ(views[3]->removed, 1);
    EXPECT_FALSE(frame->contains(views[3]));
    EXPECT_EQ(frame->viewAt(3), views[4]);
    EXPECT_EQ(frame->viewAt(9), views[10]);
    views[3]->release();

    bool deleted = false;
    auto* watched = new ProbeView(Rect(), "w", nullptr, &deleted);
    frame->addView(watched);
    frame->removeAllViews(true);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(frame->viewCount(), 0);
}

TEST_F(FrameTest, DrawSingleViewDrawsAChildAloneAndElseEverything) {
    ProbeView* a = add(Rect(0, 0, 10, 10), "a");
    ProbeView* b = add(Rect(20, 0, 30, 10), "b");
    ProbeView stranger(Rect(), "s", nullptr);
    frame->drawSingleView(a);
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(b->draws, 0);
    frame->drawSingleView(&stranger);
    EXPECT_EQ(a->draws, 2);
    EXPECT_EQ(b->draws, 1);
    EXPECT_EQ(stranger.draws, 0);
}

TEST_F(FrameTest, CursorPositionIsInFrameCoordinates) {
    add(Rect(10, 10, 50, 50), "A");
    ProbeView* b = add(Rect(30, 30, 70, 70), "B");
    headless::setInput({0, Point(headless::kWindowScreenOrigin.h + 40, headless::kWindowScreenOrigin.v + 35)});
    Point p;
    frame->cursorPosition(p);
    EXPECT_EQ(p, Point(40, 35));
    EXPECT_EQ(frame->viewUnderCursor(), b);
    headless::setInput({0, Point(0, 0)});
    EXPECT_EQ(frame->viewUnderCursor(), nullptr);
}

TEST_F(FrameTest, CursorKindsAndRestore) {
    struct Case {
        int kind, shown;
    };
    for (const Case& c : {Case{2, 2}, Case{6, 6}, Case{9, 6}, Case{0, 0}, Case{1, 1}, Case{0, 0}}) {
        frame->setCursor(c.kind);
        EXPECT_EQ(headless::cursorKind(window), c.shown) << c.kind;
    }
}

TEST_F(FrameTest, WindowDestroyedByTheHostStopsDrawing) {
    ProbeView* a = add(Rect(0, 0, 10, 10), "a");
    headless::paint(window);
    headless::destroyFromOutside(window);
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(frame->getParentWindow(), nullptr);
    frame->idle();
    frame->drawSingleView(a);
    EXPECT_EQ(a->draws, 1);
    EXPECT_EQ(frame->getTicks(), 0u);  // no editor attached
}

TEST(FrameWithoutParent, HasNoWindowAndNeverDraws) {
    headless::reset();
    const int windowsBefore = headless::liveWindowCount();
    const int classUsers = editorwindowclass::useCount();
    EditorFrame frame(Rect(0, 0, 50, 50), nullptr, nullptr);
    EXPECT_EQ(frame.getWindow(), nullptr);
    EXPECT_EQ(headless::liveWindowCount(), windowsBefore);
    EXPECT_EQ(editorwindowclass::useCount(), classUsers);
    auto* v = new ProbeView(Rect(0, 0, 5, 5), "v", nullptr);
    frame.addView(v);
    frame.idle();
    EXPECT_EQ(v->draws, 0);
}

namespace {
class EditingView : public View, public EditBoxColourSource {
public:
    using View::View;
    bool editBoxColours(Colour& text, Colour& back) override {
        text = colours::yellow;
        back = colours::blue;
        return true;
    }
};

}  // namespace

TEST_F(FrameTest, EditBoxColoursComeFromTheFocusView) {
    auto* field = new EditingView(Rect(0, 0, 20, 10));
    frame->addView(field);
    ProbeView* plain = add(Rect(30, 0, 40, 10), "plain");
    Colour text, back;
    EXPECT_FALSE(headless::editBoxColours(window, text, back));
    frame->setFocusView(plain);
    EXPECT_FALSE(headless::editBoxColours(window, text, back));
    frame->setFocusView(field);
    ASSERT_TRUE(headless::editBoxColours(window, text, back));
    EXPECT_TRUE(text.sameRgb(colours::yellow));
    EXPECT_TRUE(back.sameRgb(colours::blue));
}

TEST(FrameLifetime, AModalViewThatIsAlsoAChildIsReleasedOnceWithTheFrame) {
    headless::reset();
    int parent = 0;
    bool deleted = false;
    auto* frame = new EditorFrame(Rect(0, 0, 50, 50), &parent, nullptr);
    auto* overlay = new ProbeView(Rect(0, 0, 50, 50), "overlay", nullptr, &deleted);
    frame->addView(overlay);
    ASSERT_TRUE(frame->setModalView(overlay));
    overlay->retain();
    delete frame;
    EXPECT_FALSE(deleted);
    EXPECT_EQ(overlay->getReferenceCount(), 1);
    EXPECT_EQ(overlay->removed, 1);  // removed as a child only
    overlay->release();
    EXPECT_TRUE(deleted);
}
