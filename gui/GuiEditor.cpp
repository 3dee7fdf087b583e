#include "GuiEditor.h"

#include <memory>

#include "AudioEffectX.h"
#include "Bitmap.h"
#include "DrawContext.h"
#include "EditorFrame.h"
#include "KnobMode.h"
#include "Platform.h"

namespace {
constexpr std::uint32_t kDragPollMs = 4;
constexpr std::uint32_t kDragIdleIntervalMs = 100;
constexpr std::uint32_t kDragIdleEarlyMs = 50;

// Tick comparison that survives the 49-day wrap of a 32-bit millisecond counter.
bool earlier(std::uint32_t a, std::uint32_t b) { return std::int32_t(a - b) < 0; }
}  // namespace

GuiEditor::GuiEditor(AudioEffectX* plugin) : PluginEditor(plugin), nextIdleTime(platform::tickCountMs()) {
    if (effect) {
        effect->setEditor(this);
        effect->setFlag(effFlagsHasEditor, true);
    }
    platform::initialiseComponentObjects();
}

GuiEditor::~GuiEditor() {
    // A host that never sent effEditClose still gets its window back.
    deleteFrame();
    platform::uninitialiseComponentObjects();
}

void GuiEditor::sizeToBitmap(const Bitmap& bitmap) {
    rect.top = 0;
    rect.left = 0;
    rect.bottom = std::int16_t(bitmap.getHeight());
    rect.right = std::int16_t(bitmap.getWidth());
}

std::int32_t GuiEditor::getRect(ERect** out) {
    if (!out) return 0;
    *out = &rect;
    return 1;
}

std::int32_t GuiEditor::open(void* parent) {
    markForRefresh();
    PluginEditor::open(parent);
    return 0;
}

void GuiEditor::close() {}

void GuiEditor::openFrame(void* parent, Bitmap* background) {
    close();
    GuiEditor::open(parent);
    frame = new EditorFrame(Rect(0, 0, rect.right, rect.bottom), parent, this);
    frame->setBackgroundBitmap(background);
}

void GuiEditor::deleteFrame() {
    gate.shut();
    delete frame;
    frame = nullptr;
}

void GuiEditor::idle() {
    if (inHostIdle) return;
    if (frame) frame->pumpWindowEvents();
    PluginEditor::idle();
    if (frame) frame->idle();
}

std::int32_t GuiEditor::setKnobMode(std::int32_t mode) {
    setEditorKnobMode(mode);
    return 1;
}

bool GuiEditor::wheel(float distance) {
    if (!frame || !frame->getWindow()) return false;
    std::unique_ptr<Canvas> canvas = platform::windowCanvas(frame->getWindow());
    DrawContext context(frame, canvas.get(), frame->getWindow());
    return frame->onWheel(&context, Point(0, 0), distance);
}

void GuiEditor::parameterChanged(std::int32_t, float) {}

void GuiEditor::redrawAll() {
    if (frame) frame->drawSingleView(nullptr);
}

void GuiEditor::serviceDuringDrag() {
    std::uint32_t now = platform::tickCountMs();
    if (earlier(now, nextIdleTime)) {
        platform::sleepMs(kDragPollMs);
        now += kDragPollMs;
        if (earlier(now, nextIdleTime - kDragIdleEarlyMs)) return;
    }
    idle();
    platform::dispatchOnePendingPaint();
    nextIdleTime = now + kDragIdleIntervalMs;
    inHostIdle = true;
    if (effect) effect->masterIdle();
    inHostIdle = false;
}
