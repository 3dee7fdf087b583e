// The bitmap controls on the headless backend: values, the dirty rule, the common mouse
// pattern (reset gesture, edit gestures, polling drag) and what each control draws.
#include <gtest/gtest.h>

#include <cmath>

#include "Bitmap.h"
#include "ControlHarness.h"
#include "DrawContext.h"
#include "FrameStripView.h"
#include "KnobMode.h"
#include "LinearSlider.h"
#include "RotaryKnob.h"
#include "SplashOverlay.h"
#include "StepSwitch.h"
#include "ToggleButton.h"

using harness::at;
using harness::Fixture;

namespace {
constexpr int kLeft = platform::kLeftButton;
constexpr int kKnobFrames = 45;
constexpr int kKnobPx = 24;
constexpr float kHalfPi = 1.5707964f;
constexpr float kTwoPi = 6.2831855f;

// The red of knob frame k in the gallery's knob strip.
std::uint32_t knobFrameRed(int frame) { return std::uint32_t(5 * frame); }

// A bare control to check the base rules.
class PlainControl : public Control {
public:
    PlainControl() : Control(Rect(0, 0, 10, 10), nullptr, 3, nullptr) {}
};

// The suite's knob: a filmstrip over (40,40)-(64,64) turning clockwise from straight up.
FilmstripKnob* suiteKnob(Bitmap* strip) {
    auto* knob = new FilmstripKnob(Rect(40, 40, 64, 64), nullptr, 0, kKnobFrames, kKnobPx, strip, Point());
    knob->setMinimumAngle(kHalfPi);
    knob->setSweepAngle(-kTwoPi);
    return knob;
}

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { setEditorKnobMode(kCircularMode); }
    void TearDown() override {
        setEditorKnobMode(kCircularMode);
        for (Bitmap* b : {strip, handle, track, switches, toggle, splash}) b->release();
    }
    Bitmap* strip = new Bitmap(131);
    Bitmap* handle = new Bitmap(132);
    Bitmap* track = new Bitmap(133);
    Bitmap* switches = new Bitmap(134);
    Bitmap* toggle = new Bitmap(130);
    Bitmap* splash = new Bitmap(135);
};
}  // namespace

TEST_F(ControlTest, BaseKeepsValuesAndTheDirtyRule) {
    PlainControl c;
    EXPECT_EQ(c.getOldValue(), 1.0f);
    EXPECT_EQ(c.getDefaultValue(), 0.5f);
    EXPECT_EQ(c.getWheelIncrement(), 0.1f);
    c.markDirty(false);
    EXPECT_FALSE(c.needsRedraw());
    c.setValue(2.0f);  // stores without clamping
    EXPECT_EQ(c.getValue(), 2.0f);
    EXPECT_TRUE(c.needsRedraw());
    c.clampValue();
    EXPECT_EQ(c.getValue(), 1.0f);
    c.setValue(-3.0f);
    c.clampValue();
    EXPECT_EQ(c.getValue(), 0.0f);
    c.markDirty(false);
    EXPECT_EQ(c.getOldValue(), 0.0f);
    c.markDirty(true);
    EXPECT_EQ(c.getOldValue(), -1.0f);
    c.setValue(-1.0f);
    c.markDirty(true);
    EXPECT_EQ(c.getOldValue(), 0.0f);
    c.markDirty(false);
    EXPECT_FALSE(c.needsRedraw());
}

TEST_F(ControlTest, WheelStepsByTheIncrementAndATenthWithShift) {
    struct Case {
        int buttons;
        float distance;
        float expected;
    };
    for (const Case& c : {Case{0, 2.0f, 0.7f}, Case{platform::kShift, 2.0f, 0.52f}, Case{0, 9.0f, 1.0f},
                          Case{0, -9.0f, 0.0f}}) {
        PlainControl control;
        control.setValue(0.5f);
        headless::setInput({c.buttons, Point()});
        DrawContext context(nullptr, nullptr, nullptr);
        EXPECT_TRUE(control.onWheel(&context, Point(), c.distance));
        EXPECT_NEAR(control.getValue(), c.expected, 1e-6f) << c.buttons << " " << c.distance;
    }
}

TEST_F(ControlTest, BackgroundIsRetainedAndReleased) {
    Bitmap* other = new Bitmap(130);
    {
        ToggleButton* b = new ToggleButton(Rect(0, 0, 40, 20), nullptr, 0, toggle);
        EXPECT_EQ(toggle->getReferenceCount(), 2);
        b->setBackgroundBitmap(other);
        EXPECT_EQ(toggle->getReferenceCount(), 1);
        EXPECT_EQ(other->getReferenceCount(), 2);
        b->release();
    }
    EXPECT_EQ(other->getReferenceCount(), 1);
    other->release();
}

TEST_F(ControlTest, FilmstripKnobShowsTruncatedFrames) {
    struct Case {
        float value;
        int frame;
    };
    const Case cases[] = {{0.0f, 0}, {-0.5f, 0}, {0.5f, 22}, {0.9999f, 43}, {1.0f, 44}, {1.5f, 44}};
    for (const Case& c : cases) {
        Fixture f;
        FilmstripKnob* knob = f.add(suiteKnob(strip));
        knob->setValue(c.value);
        EXPECT_EQ(knob->frameFor(c.value), c.frame) << c.value;
        // The first idle redraws the whole fresh frame (keeping dirty flags), the second
        // only the dirty knob.
        f.frame()->idle();
        knob->markDirty(true);
        f.frame()->idle();
        EXPECT_EQ(f.pixel(52, 52) >> 16, knobFrameRed(c.frame)) << c.value;
        EXPECT_FALSE(knob->needsRedraw());
    }
}

TEST_F(ControlTest, FullCircleKnobAnglesGrowClockwiseFromTheTop) {
    FilmstripKnob* knob = suiteKnob(strip);
    struct Case {
        Point relative;
        float value;
    };
    // Centre (12, 12): up, right, down and left of it.
    const Case cases[] = {{{12, 0}, 0.0f}, {{24, 12}, 0.25f}, {{12, 24}, 0.5f}, {{0, 12}, 0.75f}};
    for (const Case& c : cases) {
        const float v = knob->pointToValue(c.relative);
        // Straight up may give 0 or the full turn: both are the top.
        const float d = std::fabs(v - c.value);
        EXPECT_TRUE(d < 1e-5f || (c.value == 0.0f && std::fabs(v - 1.0f) < 1e-5f)) << c.relative.h << "," << v;
    }
    knob->release();
}

TEST_F(ControlTest, KnobDragModesFollowTheKnobModeAndAlt) {
    struct Case {
        std::int32_t knobMode;
        int modifiers;
        float start;
        std::vector<Point> path;  // pointer of each state while pressed
        float expected;
    };
    const Case cases[] = {
        // Absolute: the knob jumps to the clicked angle (right of the centre: 0.25).
        {kCircularMode, 0, 0.8f, {{64, 52}, {64, 52}}, 0.25f},
        {kRelativeCircularMode, platform::kAlt, 0.8f, {{64, 52}, {64, 52}}, 0.25f},
        // Relative: a click keeps the value until the mouse turns around the centre.
        {kRelativeCircularMode, 0, 0.8f, {{64, 52}, {64, 52}}, 0.8f},
        {kCircularMode, platform::kAlt, 0.8f, {{64, 52}, {52, 64}}, 0.05f},  // 0.5 + 0.55, wrapped
        // Linear: 100 px right and 100 px up cover the range and stop at the maximum.
        {kLinearMode, 0, 0.2f, {{52, 52}, {152, 52}, {152, -48}}, 1.0f},
        {kLinearMode, 0, 0.5f, {{52, 52}, {102, 52}}, 0.75f},
        // With Shift, 300 px cover the range.
        {kLinearMode, platform::kShift, 0.5f, {{52, 52}, {127, 52}}, 0.75f},
    };
    for (const Case& c : cases) {
        Fixture f;
        setEditorKnobMode(c.knobMode);
        FilmstripKnob* knob = f.add(suiteKnob(strip));
        knob->setValue(c.start);
        std::vector<headless::InputState> states;
        for (Point p : c.path) states.push_back(at(p, kLeft | c.modifiers));
        f.press(states);
        EXPECT_NEAR(knob->getValue(), c.expected, 1e-4f) << "mode " << c.knobMode << " modifiers " << c.modifiers;
    }
}

TEST_F(ControlTest, RelativeKnobWrapsOverTheTopWithoutPassingBetween) {
    Fixture f;
    setEditorKnobMode(kRelativeCircularMode);
    FilmstripKnob* knob = f.add(suiteKnob(strip));
    knob->setValue(0.99f);
    // Click just left of the top, then move just right of it: d passes over the top.
    std::vector<float> seen;
    f.press({at({51, 40}, kLeft), at({51, 40}, kLeft), at({53, 40}, kLeft), at({55, 41}, kLeft)});
    for (const harness::HostCall& call : harness::hostCalls())
        if (call.opcode == audioMasterAutomate) seen.push_back(call.opt);
    ASSERT_FALSE(seen.empty());
    for (float v : seen) EXPECT_TRUE(v > 0.95f || v < 0.05f) << v;
    EXPECT_LT(knob->getValue(), 0.05f);
}

TEST_F(ControlTest, LinearKnobShiftChangeDuringTheDragDoesNotJump) {
    Fixture f;
    setEditorKnobMode(kLinearMode);
    FilmstripKnob* knob = f.add(suiteKnob(strip));
    knob->setValue(0.0f);
    // 40 px plain (0.2), then Shift down at the same point: the value stays, and 30 px
    // further with Shift add 0.1.
    f.press({at({52, 52}, kLeft), at({92, 52}, kLeft), at({92, 52}, kLeft | platform::kShift),
             at({122, 52}, kLeft | platform::kShift)});
    EXPECT_NEAR(knob->getValue(), 0.3f, 1e-4f);
}

TEST_F(ControlTest, ResetGestureAndGestureBracketing) {
    struct Case {
        int buttons;
        bool drag;
    };
    const Case cases[] = {{kLeft | platform::kControl, false}, {kLeft | platform::kControl | platform::kShift, true},
                          {kLeft, true}};
    for (const Case& c : cases) {
        Fixture f;
        setEditorKnobMode(kLinearMode);
        FilmstripKnob* knob = f.add(suiteKnob(strip));
        knob->setTag(2);
        knob->setValue(0.1f);
        knob->setDefaultValue(0.5f);
        f.press({at({52, 52}, c.buttons), at({62, 52}, c.buttons)});
        const std::vector<std::int32_t> opcodes = harness::gestureOpcodes();
        ASSERT_FALSE(opcodes.empty()) << c.buttons;
        if (!c.drag) {
            EXPECT_EQ(opcodes, std::vector<std::int32_t>({audioMasterAutomate}));
            EXPECT_EQ(f.editor().changed.size(), 1u);
            EXPECT_EQ(knob->getValue(), 0.5f);
            EXPECT_EQ(f.plugin->values[2], 0.5f);
        } else {
            EXPECT_EQ(opcodes.front(), audioMasterBeginEdit) << c.buttons;
            EXPECT_EQ(opcodes.back(), audioMasterEndEdit) << c.buttons;
            for (std::size_t i = 1; i + 1 < opcodes.size(); ++i) EXPECT_EQ(opcodes[i], audioMasterAutomate);
            EXPECT_GT(opcodes.size(), 2u);
            EXPECT_GT(knob->getValue(), 0.1f);
        }
    }
}

TEST_F(ControlTest, DisabledOrRightClickedControlsIgnoreTheMouse) {
    Fixture f;
    FilmstripKnob* knob = f.add(suiteKnob(strip));
    knob->setValue(0.3f);
    f.click({64, 52}, platform::kRightButton);
    knob->setMouseEnabled(false);
    f.click({64, 52});
    EXPECT_EQ(knob->getValue(), 0.3f);
    EXPECT_TRUE(harness::hostCalls().empty());
}

TEST_F(ControlTest, FaderClickPositionsForThePannerGeometry) {
    // Style 64, range 147, 12-pixel handle, top 28.
    struct Case {
        int v;
        float value;
    };
    const Case cases[] = {{33, 1.0f}, {180, 0.0f}, {30, 1.0f}, {187, 0.0f}, {33 + 49, 1.0f - 49.0f / 147.0f}};
    for (const Case& c : cases) {
        Fixture f(Rect(0, 0, 240, 220));
        auto* fader = f.add(new VerticalFader(Rect(10, 28, 30, 187), nullptr, 1, 28, 28 + 147, handle, track,
                                              Point(), 64));
        f.click({20, c.v});
        EXPECT_NEAR(fader->getValue(), c.value, 1e-6f) << c.v;
    }
}

TEST_F(ControlTest, FaderDrawsItsHandleThroughItsSurface) {
    Fixture f(Rect(0, 0, 240, 220));
    auto* fader = f.add(new VerticalFader(Rect(10, 28, 30, 187), nullptr, 1, 28, 28 + 147, handle, track, Point(), 64));
    EXPECT_TRUE(fader->hasSurface());
    struct Case {
        float value;
        int handleTop;  // in frame coordinates
    };
    const Case cases[] = {{1.0f, 28}, {0.0f, 28 + 147}, {0.5f, 28 + 73}};
    for (const Case& c : cases) {
        fader->setValue(c.value);
        f.frame()->idle();
        EXPECT_EQ(f.pixel(15, c.handleTop + 5), 0xE6E6D2u) << c.value;  // inside the handle
        EXPECT_EQ(f.pixel(15, c.handleTop - 1 < 28 ? c.handleTop + 13 : c.handleTop - 1), 0x46505Au) << c.value;
    }
    f.frame()->removeView(fader, false);
    EXPECT_FALSE(fader->hasSurface());
    fader->release();
}

TEST_F(ControlTest, FaderShiftMovesATenthFromWhereShiftWentDown) {
    Fixture f(Rect(0, 0, 240, 220));
    // Not inverted: value = (v - base) / 147 with base = 28 + 5.
    auto* fader = f.add(new VerticalFader(Rect(10, 28, 30, 187), nullptr, 1, 28, 28 + 147, handle, track, Point(), 0));
    const int shift = kLeft | platform::kShift;
    std::vector<headless::InputState> path = {at({20, 33 + 49}, kLeft), at({20, 33 + 49}, kLeft),
                                              at({20, 33 + 49}, shift), at({20, 33 + 49 + 98}, shift)};
    f.press(path);
    const float third = 49.0f / 147.0f;
    EXPECT_NEAR(fader->getValue(), third + (3 * third - third) / 10.0f, 1e-5f);
    // Releasing Shift follows the mouse again.
    path.push_back(at({20, 33 + 49 + 98}, kLeft));
    path.push_back(at({20, 33 + 49 + 98}, kLeft));
    f.press(path);
    EXPECT_NEAR(fader->getValue(), 1.0f, 1e-5f);
}

TEST_F(ControlTest, FaderWithoutFreeClickNeedsTheHandleAndKeepsTheGrabOffset) {
    Fixture f(Rect(0, 0, 240, 220));
    auto* fader =
        f.add(new HorizontalFader(Rect(20, 100, 220, 112), nullptr, 1, 20, 20 + 100, handle, track, Point(), 8));
    fader->setFreeClick(false);
    fader->setValue(0.5f);  // handle at h 70 to 82
    f.click({150, 105});
    EXPECT_EQ(fader->getValue(), 0.5f);
    EXPECT_TRUE(harness::hostCalls().empty());
    f.press({at({75, 105}, kLeft), at({85, 105}, kLeft)});
    EXPECT_NEAR(fader->getValue(), 0.6f, 1e-5f);
}

TEST_F(ControlTest, SwitchBandsPickTheValue) {
    struct Case {
        bool row;
        int distance;
        float value;
    };
    // Row: the bitmap is 48 wide with 5 positions. Column: 80 high with 6 positions.
    const Case cases[] = {{true, 0, 0.0f},  {true, 9, 0.0f},   {true, 10, 0.25f}, {true, 19, 0.25f},
                          {true, 39, 1.0f}, {true, 48, 1.0f},  {false, 0, 0.0f},  {false, 13, 0.0f},
                          {false, 14, 0.2f}, {false, 79, 1.0f}};
    for (const Case& c : cases) {
        Fixture f;
        StepSwitch* sw = c.row ? static_cast<StepSwitch*>(new RowSwitch(Rect(10, 10, 58, 26), nullptr, 4, 5, 16, 5,
                                                                        switches, Point()))
                               : new ColumnSwitch(Rect(100, 10, 148, 90), nullptr, 4, 6, 80, 6, switches, Point());
        f.add(sw);
        const Point p = c.row ? Point(10 + c.distance, 15) : Point(110, 10 + c.distance);
        f.click(p);
        EXPECT_NEAR(sw->getValue(), c.value, 1e-6f) << c.row << " " << c.distance;
        EXPECT_EQ(harness::gestureOpcodes().front(), audioMasterBeginEdit);
        EXPECT_EQ(harness::gestureOpcodes().back(), audioMasterEndEdit);
    }
}

TEST_F(ControlTest, RowSwitchDrawsTheFrameOfItsValue) {
    Fixture f;
    auto* sw = f.add(new RowSwitch(Rect(10, 10, 58, 26), nullptr, 4, 5, 16, 5, switches, Point()));
    for (int k = 0; k < 5; ++k) {
        sw->setValue(float(k) / 4.0f);
        f.frame()->idle();
        EXPECT_EQ(f.pixel(10 + k * 10 + 3, 16), 0xFADC28u) << k;
        const int other = (k + 1) % 5;
        EXPECT_EQ(f.pixel(10 + other * 10 + 3, 16), 0x28283Cu) << k;
    }
}

TEST_F(ControlTest, ToggleButtonFlipsOnEachClickWithoutGestures) {
    Fixture f;
    auto* b = f.add(new ToggleButton(Rect(10, 10, 50, 30), nullptr, 5, toggle));
    f.frame()->idle();
    EXPECT_EQ(f.pixel(20, 20), 0x323237u);
    f.click({20, 20});
    EXPECT_EQ(b->getValue(), 1.0f);
    EXPECT_EQ(f.pixel(20, 20), 0xFA8C14u);
    f.click({20, 20});
    EXPECT_EQ(b->getValue(), 0.0f);
    EXPECT_EQ(f.editor().changed.size(), 2u);
    EXPECT_EQ(harness::gestureOpcodes(), std::vector<std::int32_t>({audioMasterAutomate, audioMasterAutomate}));
}

TEST_F(ControlTest, FrameStripViewRoundsAndLimitsItsValue) {
    FrameStripView* view = new FrameStripView(Rect(0, 0, 48, 16), nullptr, 0, 5, 16, switches, Point(0, 0));
    struct Case {
        float value;
        int top;
    };
    const Case cases[] = {{0.0f, 0}, {-1.0f, 0}, {0.1f, 0}, {0.13f, 16}, {0.5f, 32}, {1.0f, 64}};
    for (const Case& c : cases) {
        view->setValue(c.value);
        EXPECT_EQ(view->sourcePoint(), Point(0, c.top)) << c.value;
    }
    view->setValue(3.0f);
    view->draw(nullptr);
    EXPECT_EQ(view->getValue(), 1.0f);
    view->release();
}

TEST_F(ControlTest, SplashShowsModallyAndHidesOnAnyClick) {
    Fixture f(Rect(0, 0, 240, 160));
    auto* b = f.add(new ToggleButton(Rect(100, 100, 140, 120), nullptr, 5, toggle));
    auto* s = f.add(new SplashOverlay(Rect(0, 0, 240, 12), nullptr, 32, splash, Rect(0, 0, 240, 160), Point()));
    f.frame()->idle();
    f.click({50, 5});
    EXPECT_TRUE(s->isShown());
    EXPECT_EQ(f.frame()->getModalView(), s);
    EXPECT_EQ(s->getSize(), Rect(0, 0, 240, 160));
    EXPECT_EQ(f.pixel(120, 110), 0x1E1432u);  // the splash covers the button
    f.click({120, 110});                      // a click on the button's place hides the splash
    EXPECT_FALSE(s->isShown());
    EXPECT_EQ(b->getValue(), 0.0f);
    EXPECT_EQ(f.frame()->getModalView(), nullptr);
    EXPECT_EQ(s->getSize(), Rect(0, 0, 240, 12));
    EXPECT_EQ(f.pixel(120, 110), 0x323237u);  // the whole frame drew again
    EXPECT_EQ(f.editor().changed.size(), 2u);
    f.click({120, 110});
    EXPECT_EQ(b->getValue(), 1.0f);
}

TEST_F(ControlTest, RefusedSplashKeepsTheOtherModalViewUntilClickedAgain) {
    Fixture f(Rect(0, 0, 240, 160));
    auto* s = f.add(new SplashOverlay(Rect(0, 0, 240, 12), nullptr, 32, splash, Rect(0, 0, 240, 160), Point()));
    View* other = new View(Rect(200, 100, 240, 160));
    ASSERT_TRUE(f.frame()->setModalView(other));
    DrawContext context(f.frame(), nullptr, nullptr);
    headless::setInput(at({5, 5}, kLeft));
    Point where(5, 5);
    s->mouseDown(&context, where);
    EXPECT_EQ(s->getValue(), 1.0f);
    EXPECT_FALSE(s->isShown());
    s->mouseDown(&context, where);
    EXPECT_EQ(s->getValue(), 0.0f);
    EXPECT_EQ(f.frame()->getModalView(), other);  // the other view's modality stays
    f.frame()->setModalView(nullptr);
    other->release();
}
