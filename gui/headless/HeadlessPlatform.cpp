#include "HeadlessPlatform.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <set>

#include "EditLine.h"
#include "RasterCanvas.h"

namespace platform {
struct NativeWindow {
    void* parent = nullptr;
    WindowClient* client = nullptr;
    RasterImage surface;
    Point origin = headless::kWindowScreenOrigin;
    void* cursor = nullptr;
};
struct NativeEditBox {
    NativeWindow* parent = nullptr;
    EditBoxSetup setup;
    EditLine line;
    EditBoxClient* client = nullptr;
};
}  // namespace platform

namespace {

struct QueuedEvent {
    platform::NativeWindow* window;
    bool isPaint;
    Point point;
};

struct State {
    std::deque<headless::InputState> inputs;
    headless::InputState current;
    std::uint32_t ticks = 0;
    std::uint32_t slept = 0;
    int sleeps = 0;
    std::uint32_t lastMessageTime = 0;
    int pendingLeftDowns = 0;
    std::deque<QueuedEvent> events;
    std::vector<platform::NativeWindow*> windows;
    std::set<std::string> classes;
    int registrations = 0;
    int unregistrations = 0;
    int comDepth = 0;
    int pumpDepth = 0;
    platform::NativeEditBox* editBox = nullptr;
    std::deque<int> menuChoices;
    int popups = 0;
    std::vector<platform::PopupMenuItem> lastPopup;
    Point lastPopupAt;
    bool lastPopupRight = false;
};

State& state() {
    static State s;
    return s;
}

// One distinct address per standard cursor kind; index 0 is the default arrow.
int cursorSlots[platform::kCursorKindCount];

bool alive(platform::NativeWindow* w) {
    const auto& ws = state().windows;
    return std::find(ws.begin(), ws.end(), w) != ws.end();
}

void deliver(const QueuedEvent& e) {
    if (!alive(e.window) || !e.window->client) return;
    RasterCanvas canvas(e.window->surface);
    state().lastMessageTime = state().ticks;
    if (e.isPaint)
        e.window->client->paint(canvas);
    else
        e.window->client->buttonDown(canvas, e.point);
}

void forget(platform::NativeWindow* w) {
    auto& ws = state().windows;
    ws.erase(std::remove(ws.begin(), ws.end(), w), ws.end());
    auto& ev = state().events;
    ev.erase(std::remove_if(ev.begin(), ev.end(), [w](const QueuedEvent& e) { return e.window == w; }), ev.end());
}

}  // namespace

namespace headless {

void reset() {
    State& s = state();
    s.inputs.clear();
    s.current = InputState{};
    s.ticks = 0;
    s.slept = 0;
    s.sleeps = 0;
    s.lastMessageTime = 0;
    s.pendingLeftDowns = 0;
    s.events.clear();
    s.registrations = 0;
    s.unregistrations = 0;
    s.menuChoices.clear();
    s.popups = 0;
    s.lastPopup.clear();
}

void queueInput(const InputState& input) { state().inputs.push_back(input); }
void setInput(const InputState& input) {
    state().inputs.clear();
    state().current = input;
}
void advanceTicks(std::uint32_t ms) { state().ticks += ms; }
std::uint32_t sleptMs() { return state().slept; }
int sleepCalls() { return state().sleeps; }

platform::NativeWindow* lastCreatedWindow() { return state().windows.empty() ? nullptr : state().windows.back(); }
int liveWindowCount() { return int(state().windows.size()); }
RasterImage* windowPixels(platform::NativeWindow* w) { return alive(w) ? &w->surface : nullptr; }
Point windowSize(platform::NativeWindow* w) { return alive(w) ? Point(w->surface.width, w->surface.height) : Point(); }
void paint(platform::NativeWindow* w) { deliver({w, true, Point()}); }
void postPaint(platform::NativeWindow* w) { state().events.push_back({w, true, Point()}); }
std::size_t pendingPaintCount() {
    const auto& ev = state().events;
    return std::size_t(std::count_if(ev.begin(), ev.end(), [](const QueuedEvent& e) { return e.isPaint; }));
}
void click(platform::NativeWindow* w, Point client) { deliver({w, false, client}); }
void postClick(platform::NativeWindow* w, Point client) {
    state().events.push_back({w, false, client});
    ++state().pendingLeftDowns;
}
void destroyFromOutside(platform::NativeWindow* w) {
    if (!alive(w)) return;
    forget(w);
    if (w->client) w->client->windowDestroyed();
    delete w;
}
int cursorKind(platform::NativeWindow* w) {
    if (!alive(w) || !w->cursor) return 0;
    return int(static_cast<int*>(w->cursor) - cursorSlots);
}

bool editBoxColours(platform::NativeWindow* w, Colour& text, Colour& back) {
    return alive(w) && w->client && w->client->editBoxColours(text, back);
}

bool classRegistered(const std::string& name) { return state().classes.count(name) != 0; }
int classRegistrations() { return state().registrations; }
int classUnregistrations() { return state().unregistrations; }
int componentObjectDepth() { return state().comDepth; }

bool editBoxOpen() { return state().editBox != nullptr; }
platform::NativeWindow* editBoxParent() { return state().editBox ? state().editBox->parent : nullptr; }
platform::EditBoxSetup editBoxSetup() { return state().editBox ? state().editBox->setup : platform::EditBoxSetup{}; }
bool editBoxAllSelected() { return state().editBox && state().editBox->line.allSelected(); }

void typeText(const std::string& text) {
    if (state().editBox) state().editBox->line.type(text);
}

void pressReturn() {
    if (state().editBox && state().editBox->client) state().editBox->client->editBoxFinished();
}

void takeFocusFromEditBox() { pressReturn(); }

void scriptMenuChoice(int id) { state().menuChoices.push_back(id); }
int popupCount() { return state().popups; }
const std::vector<platform::PopupMenuItem>& lastPopupItems() { return state().lastPopup; }
Point lastPopupPosition() { return state().lastPopupAt; }
bool lastPopupTracksRightButton() { return state().lastPopupRight; }

}  // namespace headless

namespace platform {

bool registerWindowClass(const char* className) {
    ++state().registrations;
    return state().classes.insert(className).second;
}

void unregisterWindowClass(const char* className) {
    ++state().unregistrations;
    state().classes.erase(className);
}

NativeWindow* createChildWindow(void* parent, const char* className, int widthPx, int heightPx,
                                WindowClient* client) {
    if (!parent || !state().classes.count(className) || widthPx < 0 || heightPx < 0) return nullptr;
    auto* w = new NativeWindow;
    w->parent = parent;
    w->client = client;
    w->surface = RasterImage(widthPx, heightPx, 0);
    state().windows.push_back(w);
    return w;
}

void destroyWindow(NativeWindow* window) {
    if (!alive(window)) return;
    forget(window);
    delete window;
}

std::unique_ptr<Canvas> windowCanvas(NativeWindow* window) {
    if (!alive(window)) return nullptr;
    return std::make_unique<RasterCanvas>(window->surface);
}

Point windowScreenOrigin(NativeWindow* window) { return alive(window) ? window->origin : Point(); }

void pumpWindowEvents(NativeWindow* window) {
    State& s = state();
    ++s.pumpDepth;
    // Nested pumps (from a drag inside a delivered click) take paint events only.
    for (std::size_t i = 0; i < s.events.size();) {
        const QueuedEvent e = s.events[i];
        if (e.window != window || (!e.isPaint && s.pumpDepth > 1)) {
            ++i;
            continue;
        }
        s.events.erase(s.events.begin() + std::ptrdiff_t(i));
        if (!e.isPaint && s.pendingLeftDowns > 0) --s.pendingLeftDowns;
        deliver(e);
        i = 0;
    }
    --s.pumpDepth;
}

bool dispatchOnePendingPaint() {
    auto& ev = state().events;
    for (std::size_t i = 0; i < ev.size(); ++i) {
        if (!ev[i].isPaint) continue;
        const QueuedEvent e = ev[i];
        ev.erase(ev.begin() + std::ptrdiff_t(i));
        deliver(e);
        return true;
    }
    return false;
}

int readMouseButtons() {
    State& s = state();
    if (!s.inputs.empty()) {
        s.current = s.inputs.front();
        s.inputs.pop_front();
    }
    return s.current.buttons;
}

Point cursorScreenPosition() { return state().current.screen; }
std::uint32_t tickCountMs() { return state().ticks; }

void sleepMs(std::uint32_t ms) {
    state().ticks += ms;
    state().slept += ms;
    ++state().sleeps;
}

std::uint32_t doubleClickTimeMs() { return 500; }
std::uint32_t lastMessageTimeMs() { return state().lastMessageTime; }

bool takeLeftButtonDown() {
    State& s = state();
    for (std::size_t i = 0; i < s.events.size(); ++i) {
        if (s.events[i].isPaint) continue;
        s.events.erase(s.events.begin() + std::ptrdiff_t(i));
        if (s.pendingLeftDowns > 0) --s.pendingLeftDowns;
        return true;
    }
    return false;
}

void* standardCursor(CursorKind kind) {
    return kind > kParentCursor && kind < kCursorKindCount ? &cursorSlots[kind] : nullptr;
}
void* currentCursor(NativeWindow* window) {
    return alive(window) && window->cursor ? window->cursor : &cursorSlots[0];
}
void applyCursor(NativeWindow* window, void* cursor) {
    if (alive(window)) window->cursor = cursor == &cursorSlots[0] ? nullptr : cursor;
}


void initialiseComponentObjects() { ++state().comDepth; }
void uninitialiseComponentObjects() { --state().comDepth; }

}  // namespace platform

namespace platform {

NativeEditBox* createEditBox(NativeWindow* parent, const EditBoxSetup& setup, EditBoxClient* client) {
    if (!alive(parent) || state().editBox) return nullptr;
    auto* box = new NativeEditBox;
    box->parent = parent;
    box->setup = setup;
    box->line = EditLine(setup.text);
    box->client = client;
    state().editBox = box;
    return box;
}

std::string editBoxText(NativeEditBox* box, std::size_t maxChars) {
    if (!box) return std::string();
    return box->line.value().substr(0, maxChars);
}

void destroyEditBox(NativeEditBox* box) {
    if (!box) return;
    if (state().editBox == box) state().editBox = nullptr;
    delete box;
}

namespace {
// Like a real menu, only plain items can be chosen: separators, titles and greyed items
// close the menu without a choice.
bool choosable(const std::vector<PopupMenuItem>& items, int id) {
    for (const PopupMenuItem& item : items) {
        if (item.id == id && item.kind != PopupMenuItem::kSubMenu) return item.kind == PopupMenuItem::kPlain;
        if (item.kind == PopupMenuItem::kSubMenu && choosable(item.subItems, id)) return true;
    }
    return false;
}
}  // namespace

int trackPopupMenu(NativeWindow*, const std::vector<PopupMenuItem>& items, Point screen, bool rightButtonTracks) {
    State& s = state();
    ++s.popups;
    s.lastPopup = items;
    s.lastPopupAt = screen;
    s.lastPopupRight = rightButtonTracks;
    if (s.menuChoices.empty()) return -1;
    const int id = s.menuChoices.front();
    s.menuChoices.pop_front();
    return choosable(items, id) ? id : -1;
}

}  // namespace platform
