#include "ControlHarness.h"

#include "DrawContext.h"

namespace harness {
namespace {
std::intptr_t recordingHost(AEffect*, std::int32_t opcode, std::int32_t index, std::intptr_t, void*, float opt) {
    if (opcode == audioMasterVersion) return 2400;
    hostCalls().push_back({opcode, index, opt});
    return 0;
}
}  // namespace

std::vector<HostCall>& hostCalls() {
    static std::vector<HostCall> calls;
    return calls;
}

std::vector<std::int32_t> gestureOpcodes() {
    std::vector<std::int32_t> out;
    for (const HostCall& c : hostCalls())
        if (c.opcode != audioMasterIdle) out.push_back(c.opcode);
    return out;
}

headless::InputState at(Point p, int buttons) {
    return {buttons, Point(p.h + headless::kWindowScreenOrigin.h, p.v + headless::kWindowScreenOrigin.v)};
}

ListeningEditor::ListeningEditor(AudioEffectX* effect, Rect size) : GuiEditor(effect), frameSize(size) {
    rect.right = std::int16_t(size.right);
    rect.bottom = std::int16_t(size.bottom);
}

std::int32_t ListeningEditor::open(void* parent) {
    GuiEditor::open(parent);
    frame = new EditorFrame(frameSize, parent, this);
    return 1;
}

void ListeningEditor::close() {
    delete frame;
    frame = nullptr;
}

void ListeningEditor::controlChanged(DrawContext* context, Control* control) {
    changed.push_back(control);
    const std::int32_t tag = control->getTag();
    if (!forwardToPlugin || tag < 0 || tag >= Plugin::kParams) return;
    effect->setParameterAutomated(tag, control->getValue());
    control->setValue(effect->getParameter(tag));
    if (control->needsRedraw()) control->draw(context);
}

Plugin::Plugin(Rect frameSize) : AudioEffectX(recordingHost, 1, kParams) {
    editorObject = new ListeningEditor(this, frameSize);
}

Plugin::~Plugin() = default;

void Plugin::setParameter(std::int32_t index, float value) {
    if (index >= 0 && index < kParams) values[index] = value;
}

float Plugin::getParameter(std::int32_t index) { return index >= 0 && index < kParams ? values[index] : 0.0f; }

Fixture::Fixture(Rect frameSize) : plugin(new Plugin(frameSize)) {
    headless::reset();
    plugin->dispatcher(effEditOpen, 0, 0, &parent, 0.0f);
    window = frame()->getWindow();
    headless::paint(window);
    hostCalls().clear();
}

Fixture::~Fixture() {
    delete plugin;
    hostCalls().clear();
}

void Fixture::press(const std::vector<headless::InputState>& states) {
    if (states.empty()) return;
    headless::setInput({0, states.front().screen});
    for (const headless::InputState& s : states) headless::queueInput(s);
    // The drag loop reads the buttons before it uses the pointer of the previous read:
    // the pointer rests once more before the release, so every listed point is used.
    headless::queueInput(states.back());
    headless::queueInput({0, states.back().screen});
    const Point client(states.front().screen.h - headless::kWindowScreenOrigin.h,
                       states.front().screen.v - headless::kWindowScreenOrigin.v);
    headless::click(window, client);
}

void Fixture::click(Point p, int buttons) { press({at(p, buttons)}); }

std::uint32_t Fixture::pixel(int x, int y) {
    const RasterImage* image = headless::windowPixels(window);
    return image && image->inside(x, y) ? image->at(x, y) & 0xFFFFFF : 0xFFFFFFFFu;
}

}  // namespace harness
