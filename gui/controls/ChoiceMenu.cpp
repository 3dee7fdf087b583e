#include "ChoiceMenu.h"

#include <cstring>

#include "Bitmap.h"
#include "DrawContext.h"
#include "EditorFrame.h"
#include "Platform.h"

namespace {
std::string limited(const char* text) {
    std::string s = text ? text : "";
    if (s.size() > ChoiceMenu::kMaxEntryChars) s.resize(ChoiceMenu::kMaxEntryChars);
    return s;
}
}  // namespace

ChoiceMenu::ChoiceMenu(const Rect& menuSize, ControlListener* owner, std::int32_t menuTag, Bitmap* bitmap,
                       Bitmap* pressed, int menuStyle)
    : ValueDisplay(menuSize, bitmap, menuStyle), pressedLook(pressed) {
    listener = owner;
    tag = menuTag;
    if (pressedLook) pressedLook->retain();
}

ChoiceMenu::~ChoiceMenu() {
    clearEntries();
    if (pressedLook) pressedLook->release();
}

bool ChoiceMenu::insertEntry(const char* text, int index) {
    if (int(entries.size()) >= kMaxEntries) return false;
    if (index < 0) index = int(entries.size());
    if (index > int(entries.size())) return false;
    entries.insert(entries.begin() + index, Entry{limited(text), false});
    if (current < 0)
        current = index;
    else if (index <= current)
        ++current;
    return true;
}

bool ChoiceMenu::insertSubMenu(ChoiceMenu* menu, const char* text) {
    if (!menu) return false;
    const std::string label = "-M" + limited(text);
    if (!insertEntry(label.c_str())) return false;
    menu->retain();
    subMenus.push_back(menu);
    return true;
}

int ChoiceMenu::currentIndex(bool countSelectableOnly) const {
    if (!countSelectableOnly || !validIndex(current)) return current;
    int n = 0;
    for (int i = 0; i < current; ++i) n += isSelectable(entries[std::size_t(i)].text);
    return n;
}

bool ChoiceMenu::selectIndex(int index, bool countSelectableOnly) {
    int target = index;
    if (countSelectableOnly) {
        target = -1;
        for (int i = 0, n = 0; i < int(entries.size()); ++i) {
            if (!isSelectable(entries[std::size_t(i)].text)) continue;
            if (n++ == index) {
                target = i;
                break;
            }
        }
    }
    if (!validIndex(target)) return false;
    current = target;
    value = float(target);
    markDirty(true);
    return true;
}

bool ChoiceMenu::entryText(int index, char* text) const {
    if (!validIndex(index) || !text) return false;
    std::memcpy(text, entries[std::size_t(index)].text.c_str(), entries[std::size_t(index)].text.size() + 1);
    return true;
}

bool ChoiceMenu::setEntryText(int index, const char* text) {
    if (!validIndex(index)) return false;
    entries[std::size_t(index)].text = limited(text);
    if (index == current) markDirty(true);
    return true;
}

bool ChoiceMenu::deleteEntry(int index) {
    if (!validIndex(index)) return false;
    entries.erase(entries.begin() + index);
    if (index < current || current >= int(entries.size())) --current;
    if (entries.empty()) current = -1;
    markDirty(true);
    return true;
}

void ChoiceMenu::clearEntries() {
    entries.clear();
    for (ChoiceMenu* menu : subMenus) menu->release();
    subMenus.clear();
    current = -1;
}

int ChoiceMenu::findEntry(const char* text) const {
    if (!text) return -1;
    for (int i = 0; i < int(entries.size()); ++i)
        if (entries[std::size_t(i)].text == text) return i;
    return -1;
}

bool ChoiceMenu::setEntryCheck(int index, bool checked) {
    if (!validIndex(index)) return false;
    entries[std::size_t(index)].checked = checked;
    return true;
}

bool ChoiceMenu::checkOnly(int index) {
    if (!validIndex(index)) return false;
    for (int i = 0; i < int(entries.size()); ++i) entries[std::size_t(i)].checked = i == index;
    return true;
}

bool ChoiceMenu::isEntryChecked(int index) const { return validIndex(index) && entries[std::size_t(index)].checked; }

void ChoiceMenu::setValue(float newValue) {
    const int index = int(newValue);
    if (!validIndex(index)) return;
    current = index;
    if (style & kMultipleCheck) entries[std::size_t(index)].checked = !entries[std::size_t(index)].checked;
    value = newValue;
    markDirty(true);
}

void ChoiceMenu::draw(DrawContext* context) {
    if (validIndex(current))
        drawText(context, entries[std::size_t(current)].text.c_str());
    else
        markDirty(false);
}

int ChoiceMenu::idsUsed() const {
    int n = int(entries.size());
    for (const ChoiceMenu* menu : subMenus) n += menu->idsUsed();
    return n;
}

std::vector<platform::PopupMenuItem> ChoiceMenu::popupItems(int firstId, int& nextId) const {
    using Item = platform::PopupMenuItem;
    std::vector<Item> items;
    const int count = int(entries.size());
    const bool breaks = count < kColumnBreakEntryLimit && entriesPerColumn > 0;
    nextId = firstId + count;
    std::size_t subMenuIndex = 0;
    for (int i = 0; i < count; ++i) {
        const Entry& entry = entries[std::size_t(i)];
        Item item;
        item.id = firstId + i;
        item.columnBreak = breaks && i > 0 && i % entriesPerColumn == 0;
        if (isSeparator(entry.text)) {
            item.kind = Item::kSeparator;
        } else if (hasMarker(entry.text, 'M')) {
            item.label = entry.text.substr(2);
            if (subMenuIndex < subMenus.size()) {
                item.kind = Item::kSubMenu;
                int after = nextId;
                item.subItems = subMenus[subMenuIndex++]->popupItems(nextId, after);
                nextId = after;
            } else {
                item.kind = Item::kTitle;  // no menu was given for it
            }
        } else if (hasMarker(entry.text, 'G')) {
            item.kind = Item::kGreyed;
            item.label = entry.text.substr(2);
        } else if (hasMarker(entry.text, 'T')) {
            item.kind = Item::kTitle;
            item.label = entry.text.substr(2);
        } else {
            item.label = entry.text;
            item.checked = ((style & kMultipleCheck) && entry.checked) || ((style & kCheckCurrent) && i == current);
        }
        items.push_back(std::move(item));
    }
    return items;
}

bool ChoiceMenu::findItem(int id, int firstId, ChoiceMenu*& owner, int& index) {
    const int count = int(entries.size());
    if (id >= firstId && id < firstId + count) {
        owner = this;
        index = id - firstId;
        return true;
    }
    int next = firstId + count;
    for (ChoiceMenu* menu : subMenus) {
        if (menu->findItem(id, next, owner, index)) return true;
        next += menu->idsUsed();
    }
    return false;
}

void ChoiceMenu::mouseDown(DrawContext* context, Point&) {
    if (!frame || !context) return;
    if (!(context->readMouseButtons() & (platform::kLeftButton | platform::kRightButton))) return;
    if (pressedLook && validIndex(current)) drawText(context, entries[std::size_t(current)].text.c_str(), pressedLook);
    frame->setFocusView(this);
    gainFocus(context);
}

void ChoiceMenu::gainFocus(DrawContext* context) {
    if (!frame || !frame->getWindow()) return;
    int nextId = 0;
    const std::vector<platform::PopupMenuItem> items = popupItems(0, nextId);
    const Point origin = platform::windowScreenOrigin(frame->getWindow());
    const Point offset = context ? context->getOffset() : Point();
    const Point at(origin.h + offset.h + size.left,
                   origin.v + offset.v + ((style & kOpenAbove) ? size.top : size.bottom));
    const int chosen = platform::trackPopupMenu(frame->getWindow(), items, at, (placement & 4) != 0);
    if (frame->getFocusView() == this) frame->setFocusView(nullptr);
    ChoiceMenu* owner = nullptr;
    int index = -1;
    if (chosen >= 0 && findItem(chosen, 0, owner, index)) {
        owner->setValue(float(index));
        // A sub-menu's choice reaches this menu's listener with the sub-menu itself.
        if (listener) listener->controlChanged(context, owner);
    }
    serviceDuringDrag();
    markDirty(false);
}
