// Value displays, text fields and choice menus on the headless backend: texts, styles and
// colours drawn, the edit box's focus and text rules, and the menu's entries, markers,
// identifiers and chosen items.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "ChoiceMenu.h"
#include "ControlHarness.h"
#include "DrawContext.h"
#include "TextField.h"
#include "ValueDisplay.h"

using harness::Fixture;
using Item = platform::PopupMenuItem;

namespace {
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;

void percent(float value, char* text) { std::snprintf(text, 256, "%ld%%", std::lround(value * 100.0f)); }
void withUnit(float value, char* text, void* unit) {
    std::snprintf(text, 256, "%.1f %s", double(value), static_cast<const char*>(unit));
}

int countPixels(Fixture& f, const Rect& r, std::uint32_t colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += f.pixel(x, y) == colour;
    return n;
}

// Text is smoothed: its pixels are counted by their leaning towards the text colour.
bool yellowish(std::uint32_t p) { return (p >> 16 & 0xFF) > 150 && (p >> 8 & 0xFF) > 150 && (p & 0xFF) < 120; }
bool reddish(std::uint32_t p) { return (p >> 16 & 0xFF) > 150 && (p >> 8 & 0xFF) < 100; }
int countLeaning(Fixture& f, const Rect& r, bool (*leaning)(std::uint32_t)) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += leaning(f.pixel(x, y));
    return n;
}

// A display on a blue opaque back with the given style and text colour yellow.
ValueDisplay* display(int style) {
    auto* d = new ValueDisplay(Rect(20, 20, 120, 44), nullptr, style);
    d->setBackColour(colours::blue);
    d->setFrameColour(colours::green);
    d->setFontColour(colours::yellow);
    d->setShadowColour(colours::red);
    return d;
}
}  // namespace

TEST(ValueDisplayText, CallbacksOrTwoDecimals) {
    ValueDisplay d(Rect(0, 0, 50, 20), nullptr, 0);
    char text[ValueDisplay::kTextBytes];
    struct Case {
        float value;
        const char* text;
    };
    for (const Case& c : {Case{0.5f, "0.50"}, Case{1.0f, "1.00"}, Case{12.345f, "12.35"}, Case{-0.25f, "-0.25"}}) {
        d.setValue(c.value);
        d.valueText(text);
        EXPECT_STREQ(text, c.text);
    }
    d.setValueToText(percent);
    d.valueText(text);
    EXPECT_STREQ(text, "-25%");
    static char unit[] = "dB";
    d.setValueToText(withUnit, unit);  // the user-data callback wins
    d.valueText(text);
    EXPECT_STREQ(text, "-0.2 dB");
}

TEST(ValueDisplayText, SettersDirtyOnlyOnChange) {
    ValueDisplay d(Rect(0, 0, 50, 20), nullptr, 0);
    struct Setter {
        const char* name;
        void (*same)(ValueDisplay&);
        void (*changed)(ValueDisplay&);
    };
    const Setter setters[] = {
        {"font", [](ValueDisplay& v) { v.setFont(3); }, [](ValueDisplay& v) { v.setFont(2); }},
        {"font colour", [](ValueDisplay& v) { v.setFontColour(Colour{255, 255, 255, 9}); },
         [](ValueDisplay& v) { v.setFontColour(colours::red); }},
        {"back", [](ValueDisplay& v) { v.setBackColour(colours::black); },
         [](ValueDisplay& v) { v.setBackColour(colours::blue); }},
        {"frame", [](ValueDisplay& v) { v.setFrameColour(colours::black); },
         [](ValueDisplay& v) { v.setFrameColour(colours::green); }},
        {"shadow", [](ValueDisplay& v) { v.setShadowColour(colours::red); },
         [](ValueDisplay& v) { v.setShadowColour(colours::blue); }},
        {"alignment", [](ValueDisplay& v) { v.setAlignment(1); }, [](ValueDisplay& v) { v.setAlignment(2); }},
        {"style", [](ValueDisplay& v) { v.setStyle(0); }, [](ValueDisplay& v) { v.setStyle(4); }},
        {"font style", [](ValueDisplay& v) { v.setFontStyle(0); }, [](ValueDisplay& v) { v.setFontStyle(1); }},
    };
    for (const Setter& s : setters) {
        ValueDisplay fresh(Rect(0, 0, 50, 20), nullptr, 0);
        fresh.markDirty(false);
        s.same(fresh);
        EXPECT_FALSE(fresh.needsRedraw()) << s.name;
        s.changed(fresh);
        EXPECT_TRUE(fresh.needsRedraw()) << s.name;
    }
    d.markDirty(false);
    d.setBackgroundOffset(Point(3, 3));
    d.setTextTransparency(false);
    d.setValueToText(percent);
    EXPECT_FALSE(d.needsRedraw());
    ValueDisplay hidden(Rect(0, 0, 50, 20), nullptr, ValueDisplay::kNoDrawing);
    EXPECT_FALSE(hidden.needsRedraw());
}

TEST(ValueDisplayDrawing, StylesDecideFillFrameAndText) {
    struct Case {
        const char* name;
        int style;
        bool transparent;
        int minBlue;  // back-colour pixels inside
        bool greenOutline;
        bool text;
        bool shadow;
    };
    const Case cases[] = {
        {"plain", 0, false, 1500, true, true, false},
        {"shadow", ValueDisplay::kShadowText, false, 1500, true, true, true},
        {"no text", ValueDisplay::kNoText, false, 2000, true, false, false},
        {"nothing", ValueDisplay::kNoDrawing, false, 0, false, false, false},
        {"transparent view", 0, true, 0, false, true, false},
    };
    for (const Case& c : cases) {
        Fixture f;
        ValueDisplay* d = f.add(display(c.style));
        d->setTransparent(c.transparent);
        d->setValue(0.5f);
        f.frame()->drawSingleView(d);
        const Rect inside(21, 21, 120, 44);
        EXPECT_GE(countPixels(f, inside, kBlue), c.minBlue) << c.name;
        if (c.minBlue == 0) {
            EXPECT_EQ(countPixels(f, inside, kBlue), 0) << c.name;
        }
        EXPECT_EQ(f.pixel(20, 30) == kGreen && f.pixel(70, 20) == kGreen, c.greenOutline) << c.name;
        EXPECT_EQ(countLeaning(f, inside, yellowish) > 10, c.text) << c.name;
        EXPECT_EQ(countLeaning(f, inside, reddish) > 10, c.shadow) << c.name;
        EXPECT_FALSE(d->needsRedraw()) << c.name;
    }
}

TEST(ValueDisplayDrawing, InsetAndRaisedFramesSwapTheirEdgeColours) {
    struct Case {
        int style;
        std::uint32_t topLeft;
        std::uint32_t bottomRight;
    };
    for (const Case& c : {Case{ValueDisplay::kInsetFrame, kBlue, kGreen}, Case{ValueDisplay::kRaisedFrame, kGreen, kBlue}}) {
        Fixture f;
        ValueDisplay* d = f.add(display(c.style | ValueDisplay::kNoText));
        f.frame()->drawSingleView(d);
        EXPECT_EQ(f.pixel(20, 30), c.topLeft) << c.style;   // left edge
        EXPECT_EQ(f.pixel(70, 20), c.topLeft) << c.style;   // top edge
        EXPECT_EQ(f.pixel(120, 30), c.bottomRight) << c.style;  // right edge
        EXPECT_EQ(f.pixel(70, 44), c.bottomRight) << c.style;   // bottom edge
    }
}

TEST(ValueDisplayDrawing, AlignmentMovesTheText) {
    int firstColumn[3] = {};
    for (int alignment = 0; alignment < 3; ++alignment) {
        Fixture f;
        ValueDisplay* d = f.add(display(0));
        d->setAlignment(alignment);
        f.frame()->drawSingleView(d);
        firstColumn[alignment] = -1;
        for (int x = 21; x < 120 && firstColumn[alignment] < 0; ++x)
            if (countLeaning(f, Rect(x, 21, x + 1, 44), yellowish) > 0) firstColumn[alignment] = x;
    }
    EXPECT_LT(firstColumn[0], firstColumn[1]);
    EXPECT_LT(firstColumn[1], firstColumn[2]);
    EXPECT_LE(firstColumn[0], 24);
}

class TextFieldTest : public ::testing::Test {
protected:
    TextField* field(int style = 0) {
        auto* t = f.add(new TextField(Rect(20, 60, 140, 80), nullptr, 6, "Speaker", nullptr, style));
        t->setAlignment(2);
        t->setFontColour(colours::yellow);
        t->setBackColour(colours::blue);
        return t;
    }
    Fixture f;
};

TEST_F(TextFieldTest, ClickOpensTheBoxOverTheFieldWithAllSelected) {
    TextField* t = field();
    f.click({30, 70});
    ASSERT_TRUE(headless::editBoxOpen());
    EXPECT_EQ(f.frame()->getFocusView(), t);
    const platform::EditBoxSetup setup = headless::editBoxSetup();
    EXPECT_EQ(setup.rect, Rect(20, 60, 141, 81));
    EXPECT_EQ(setup.text, "Speaker");
    EXPECT_EQ(setup.alignment, 2);
    EXPECT_EQ(setup.fontHeightPx, DrawContext::defaultFontHeight(3));
    EXPECT_TRUE(headless::editBoxAllSelected());
    EXPECT_EQ(headless::editBoxParent(), f.window);
    Colour text, back;
    ASSERT_TRUE(headless::editBoxColours(f.window, text, back));
    EXPECT_TRUE(text.sameRgb(colours::yellow) && back.sameRgb(colours::blue));
}

TEST_F(TextFieldTest, ConfirmedTextReachesTheListenerOnlyWhenChanged) {
    struct Case {
        const char* typed;  // null: nothing typed
        bool byReturn;
        bool changed;
        const char* result;
    };
    const Case cases[] = {{nullptr, true, false, "Speaker"}, {"Speaker", true, false, "Speaker"},
                          {"Sub", true, true, "Sub"},        {"Rear", false, true, "Rear"}};
    for (const Case& c : cases) {
        Fixture g;
        auto* t = g.add(new TextField(Rect(20, 60, 140, 80), nullptr, 6, "Speaker", nullptr, 0));
        g.click({30, 70});
        ASSERT_TRUE(headless::editBoxOpen());
        if (c.typed) headless::typeText(c.typed);
        if (c.byReturn)
            headless::pressReturn();
        else
            headless::takeFocusFromEditBox();
        EXPECT_FALSE(headless::editBoxOpen());
        EXPECT_FALSE(t->isEditing());
        EXPECT_EQ(g.frame()->getFocusView(), nullptr);
        EXPECT_STREQ(t->text(), c.result);
        EXPECT_EQ(g.editor().changed.size(), c.changed ? 1u : 0u) << (c.typed ? c.typed : "-");
    }
}

TEST_F(TextFieldTest, AClickElsewhereEndsTheEditAndKeepsTheText) {
    TextField* t = field();
    f.click({30, 70});
    headless::typeText("Front left");
    f.click({200, 150});  // the frame ends the focus first
    EXPECT_FALSE(headless::editBoxOpen());
    EXPECT_STREQ(t->text(), "Front left");
    EXPECT_EQ(f.editor().changed.size(), 1u);
    EXPECT_GT(countLeaning(f, Rect(21, 61, 140, 80), yellowish), 10);  // the field drew itself
}

TEST_F(TextFieldTest, DoubleClickStyleNeedsTwoClicksWithinTheDoubleClickTime) {
    field(TextField::kDoubleClickToEdit);
    f.click({30, 70});
    EXPECT_FALSE(headless::editBoxOpen());
    headless::advanceTicks(600);  // too late: this click is a first click again
    f.click({30, 70});
    EXPECT_FALSE(headless::editBoxOpen());
    headless::advanceTicks(200);
    f.click({30, 70});
    EXPECT_TRUE(headless::editBoxOpen());
}

TEST_F(TextFieldTest, TextIsLimitedAndSetTextDirtiesOnChange) {
    TextField* t = field();
    t->markDirty(false);
    t->setText("Speaker");
    EXPECT_FALSE(t->needsRedraw());
    const std::string longText(300, 'x');
    t->setText(longText.c_str());
    EXPECT_TRUE(t->needsRedraw());
    EXPECT_EQ(std::strlen(t->text()), TextField::kMaxChars);
    f.click({30, 70});
    headless::typeText(std::string(400, 'y'));
    headless::pressReturn();
    EXPECT_EQ(std::string(t->text()), std::string(255, 'y'));
}

namespace {
ChoiceMenu* menu(int style = 0) { return new ChoiceMenu(Rect(20, 100, 120, 116), nullptr, 7, nullptr, nullptr, style); }
}  // namespace

TEST(ChoiceMenuEntries, InsertKeepsTheCurrentEntryAndRefusesTheLimit) {
    ChoiceMenu* m = menu();
    EXPECT_EQ(m->currentIndex(), -1);
    EXPECT_TRUE(m->insertEntry("Quad"));
    EXPECT_EQ(m->currentIndex(), 0);
    EXPECT_TRUE(m->insertEntry("Hex"));
    EXPECT_EQ(m->currentIndex(), 0);
    EXPECT_TRUE(m->insertEntry("Stereo", 0));  // before the current entry
    EXPECT_EQ(m->currentIndex(), 1);
    char text[256];
    ASSERT_TRUE(m->entryText(m->currentIndex(), text));
    EXPECT_STREQ(text, "Quad");
    EXPECT_FALSE(m->insertEntry("Far", 9));
    EXPECT_FALSE(m->entryText(3, text));
    EXPECT_FALSE(m->setEntryCheck(-1, true));
    while (m->entryCount() < ChoiceMenu::kMaxEntries) ASSERT_TRUE(m->insertEntry("x"));
    EXPECT_FALSE(m->insertEntry("one too many"));
    EXPECT_EQ(m->findEntry("Hex"), 2);
    EXPECT_TRUE(m->deleteEntry(0));
    EXPECT_EQ(m->currentIndex(), 0);
    m->release();
}

TEST(ChoiceMenuEntries, SelectableCountingSkipsSeparatorsAndTitles) {
    ChoiceMenu* m = menu();
    for (const char* e : {"-TRigs", "Quad", "-", "-GHex", "Octo"}) m->insertEntry(e);
    struct Case {
        int selectable;
        int absolute;
    };
    for (const Case& c : {Case{0, 1}, Case{1, 3}, Case{2, 4}}) {
        ASSERT_TRUE(m->selectIndex(c.selectable, true));
        EXPECT_EQ(m->currentIndex(), c.absolute);
        EXPECT_EQ(m->currentIndex(true), c.selectable);
        EXPECT_EQ(m->getValue(), float(c.absolute));
    }
    EXPECT_FALSE(m->selectIndex(3, true));
    EXPECT_TRUE(m->selectIndex(2));
    EXPECT_EQ(m->currentIndex(), 2);
    m->release();
}

TEST(ChoiceMenuEntries, SetValueTakesValidIndexesAndTogglesChecksInMultipleStyle) {
    ChoiceMenu* m = menu(ChoiceMenu::kMultipleCheck);
    for (const char* e : {"A", "B", "C"}) m->insertEntry(e);
    m->markDirty(false);
    m->setValue(5.0f);
    EXPECT_EQ(m->currentIndex(), 0);
    EXPECT_FALSE(m->needsRedraw());
    m->setValue(2.7f);
    EXPECT_EQ(m->currentIndex(), 2);
    EXPECT_TRUE(m->isEntryChecked(2));
    m->setValue(2.0f);
    EXPECT_FALSE(m->isEntryChecked(2));
    m->checkOnly(1);
    EXPECT_TRUE(m->isEntryChecked(1));
    EXPECT_FALSE(m->isEntryChecked(0));
    m->release();
}

TEST(ChoiceMenuPopup, ItemsCarryMarkersChecksBreaksAndDepthFirstIds) {
    ChoiceMenu* m = menu(ChoiceMenu::kCheckCurrent);
    ChoiceMenu* first = menu();
    ChoiceMenu* nested = menu();
    ChoiceMenu* second = menu();
    nested->insertEntry("N0");
    first->insertEntry("F0");
    first->insertSubMenu(nested, "Nested");
    second->insertEntry("S0");
    for (const char* e : {"-TTitle", "Plain", "-", "-GGrey"}) m->insertEntry(e);
    m->insertSubMenu(first, "First");
    m->insertSubMenu(second, "Second");
    nested->release();
    first->release();
    second->release();
    m->selectIndex(1);
    m->setEntriesPerColumn(2);
    int next = 0;
    const std::vector<Item> items = m->popupItems(0, next);
    ASSERT_EQ(items.size(), 6u);
    const Item::Kind kinds[] = {Item::kTitle, Item::kPlain, Item::kSeparator, Item::kGreyed, Item::kSubMenu,
                                Item::kSubMenu};
    const char* labels[] = {"Title", "Plain", "", "Grey", "First", "Second"};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].kind, kinds[i]) << i;
        EXPECT_EQ(items[i].label, labels[i]) << i;
        EXPECT_EQ(items[i].id, int(i));
        EXPECT_EQ(items[i].columnBreak, i == 2 || i == 4) << i;
        EXPECT_EQ(items[i].checked, i == 1) << i;
    }
    // Ids go on over the first sub-menu (6, 7), its nested menu (8), then the second (9).
    ASSERT_EQ(items[4].subItems.size(), 2u);
    EXPECT_EQ(items[4].subItems[0].id, 6);
    EXPECT_EQ(items[4].subItems[1].id, 7);
    ASSERT_EQ(items[4].subItems[1].subItems.size(), 1u);
    EXPECT_EQ(items[4].subItems[1].subItems[0].id, 8);
    EXPECT_EQ(items[5].subItems[0].id, 9);
    EXPECT_EQ(next, 10);
    ChoiceMenu* owner = nullptr;
    int index = -1;
    ASSERT_TRUE(m->findItem(8, 0, owner, index));
    EXPECT_EQ(owner, nested);
    EXPECT_EQ(index, 0);
    ASSERT_TRUE(m->findItem(9, 0, owner, index));
    EXPECT_EQ(owner, second);
    EXPECT_FALSE(m->findItem(10, 0, owner, index));
    m->release();
}

TEST(ChoiceMenuPopup, NoColumnBreaksFrom160Entries) {
    ChoiceMenu* m = menu();
    for (int i = 0; i < 160; ++i) m->insertEntry("e");
    m->setEntriesPerColumn(10);
    int next = 0;
    for (const Item& item : m->popupItems(0, next)) EXPECT_FALSE(item.columnBreak);
    m->release();
}

TEST(ChoiceMenuPopup, ChosenItemsReachTheOwningMenuAndTheListener) {
    struct Case {
        int scripted;  // -1: the menu is dismissed
        int style;
        int expectedCurrent;
        std::size_t changes;
    };
    // Entries: 0 "Stereo", 1 "-", 2 "Quad", 3 "-TTitle"; a click opens below the control.
    const Case cases[] = {{2, 0, 2, 1}, {-1, 0, 0, 0}, {1, 0, 0, 0}, {3, 0, 0, 0}, {0, ChoiceMenu::kOpenAbove, 0, 1}};
    for (const Case& c : cases) {
        Fixture f;
        ChoiceMenu* m = f.add(menu(c.style));
        for (const char* e : {"Stereo", "-", "Quad", "-TTitle"}) m->insertEntry(e);
        headless::scriptMenuChoice(c.scripted);
        f.click({30, 108});
        EXPECT_EQ(headless::popupCount(), 1);
        EXPECT_EQ(m->currentIndex(), c.expectedCurrent) << c.scripted;
        EXPECT_EQ(f.editor().changed.size(), c.changes) << c.scripted;
        EXPECT_EQ(f.frame()->getFocusView(), nullptr);
        const int expectedV = headless::kWindowScreenOrigin.v + ((c.style & ChoiceMenu::kOpenAbove) ? 100 : 116);
        EXPECT_EQ(headless::lastPopupPosition(), Point(headless::kWindowScreenOrigin.h + 20, expectedV));
        EXPECT_TRUE(headless::lastPopupTracksRightButton());
        if (c.changes) {
            EXPECT_EQ(f.plugin->values[7], float(c.expectedCurrent));
        }
    }
}

TEST(ChoiceMenuPopup, SubMenuChoiceGoesToTheSubMenu) {
    Fixture f;
    ChoiceMenu* m = f.add(menu());
    ChoiceMenu* sub = menu();
    sub->setTag(3);
    for (const char* e : {"A", "B"}) sub->insertEntry(e);
    m->insertEntry("Top");
    m->insertSubMenu(sub, "More");
    sub->release();
    headless::scriptMenuChoice(3);  // "B": ids 0, 1 are the top menu's
    f.click({30, 108});
    EXPECT_EQ(sub->currentIndex(), 1);
    EXPECT_EQ(m->currentIndex(), 0);
    ASSERT_EQ(f.editor().changed.size(), 1u);
    EXPECT_EQ(f.editor().changed[0], sub);
    EXPECT_EQ(f.plugin->values[3], 1.0f);
}

TEST(ChoiceMenuPopup, CurrentEntryIsDrawnAsText) {
    Fixture f;
    ChoiceMenu* m = f.add(menu());
    m->setFontColour(colours::yellow);
    f.frame()->drawSingleView(m);
    EXPECT_EQ(countLeaning(f, Rect(21, 101, 120, 116), yellowish), 0);  // empty: nothing drawn
    m->insertEntry("Quad");
    f.frame()->drawSingleView(m);
    EXPECT_GT(countLeaning(f, Rect(21, 101, 120, 116), yellowish), 10);
}
