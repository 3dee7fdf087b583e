// A ValueDisplay that shows its current entry and opens a popup menu to choose another.
// Up to 1024 entries; texts starting with a marker are special: "-" alone is a
// separator, "-M" a sub-menu (the rest is its label; the k-th "-M" entry opens the k-th
// menu given to insertSubMenu), "-G" greyed, "-T" a disabled title. The value is the
// current index.
//
// Style bits: 1 multiple check (setValue toggles the entry's check), 512 open above the
// control, 1024 check the current entry. [ui-thread]
#pragma once

#include <string>
#include <vector>

#include "NativeWidgets.h"
#include "ValueDisplay.h"

class ChoiceMenu : public ValueDisplay {
public:
    enum StyleBits : int { kMultipleCheck = 1, kOpenAbove = 512, kCheckCurrent = 1024 };
    static constexpr int kMaxEntries = 1024;
    static constexpr std::size_t kMaxEntryChars = 255;
    static constexpr int kColumnBreakEntryLimit = 160;

    ChoiceMenu(const Rect& size, ControlListener* listener, std::int32_t tag, Bitmap* background,
               Bitmap* pressedLook, int style);
    ~ChoiceMenu() override;

    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
    void gainFocus(DrawContext* context) override;
    // index = trunc(value); a valid index becomes current (toggling its check with style 1).
    void setValue(float value) override;

    // Refused (false) past 1024 entries or at an index beyond the end; -1 appends.
    bool insertEntry(const char* text, int index = -1);
    // Adds "-M" + text and keeps the menu (retained).
    bool insertSubMenu(ChoiceMenu* menu, const char* text);
    // With countSelectableOnly, separators and titles are not counted.
    int currentIndex(bool countSelectableOnly = false) const;
    bool selectIndex(int index, bool countSelectableOnly = false);
    bool entryText(int index, char* text) const;
    bool setEntryText(int index, const char* text);
    bool deleteEntry(int index);
    // Also releases the sub-menus.
    void clearEntries();
    int findEntry(const char* text) const;
    bool setEntryCheck(int index, bool checked);
    // Checks `index` and clears every other check.
    bool checkOnly(int index);
    bool isEntryChecked(int index) const;
    void setEntriesPerColumn(int count) { entriesPerColumn = count; }
    void setPlacement(int flags) { placement = flags; }
    int entryCount() const { return int(entries.size()); }

    // The popup's items with identifiers numbered from `firstId` over this menu's entries,
    // then depth first over its sub-menus; `nextId` answers the id after the last.
    std::vector<platform::PopupMenuItem> popupItems(int firstId, int& nextId) const;
    // The menu (this or a sub-menu) and the index within it of identifier `id`.
    bool findItem(int id, int firstId, ChoiceMenu*& owner, int& index);

private:
    struct Entry {
        std::string text;
        bool checked = false;
    };
    static bool isSeparator(const std::string& text) { return text == "-"; }
    static bool hasMarker(const std::string& text, char marker) {
        return text.size() >= 2 && text[0] == '-' && text[1] == marker;
    }
    static bool isSelectable(const std::string& text) { return !isSeparator(text) && !hasMarker(text, 'T'); }
    bool validIndex(int index) const { return index >= 0 && index < int(entries.size()); }
    int idsUsed() const;

    std::vector<Entry> entries;
    std::vector<ChoiceMenu*> subMenus;
    // setValue may come from the audio thread (a host automating the menu's parameter).
    RelaxedAtomic<int> current{-1};
    int entriesPerColumn = -1;
    int placement = 4;
    Bitmap* pressedLook;
};
