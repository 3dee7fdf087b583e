// An in-process plug-in with eight plain parameters and an editor that is the listener of
// every control added to its frame: controlChanged hands the value to the plug-in through
// setParameterAutomated, takes the stored value back and draws the control at once, as
// the suite's editors do. The host callback records every call, so tests see the edit
// gestures (43/44) around the automation calls (0). Input is scripted on the headless
// backend in frame coordinates.
#pragma once

#include <cstdint>
#include <vector>

#include "AudioEffectX.h"
#include "Control.h"
#include "EditorFrame.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"

namespace harness {

struct HostCall {
    std::int32_t opcode;
    std::int32_t index;
    float opt;
};

class ListeningEditor : public GuiEditor, public ControlListener {
public:
    ListeningEditor(AudioEffectX* effect, Rect frameSize);
    std::int32_t open(void* parent) override;
    void close() override;
    void controlChanged(DrawContext* context, Control* control) override;

    std::vector<Control*> changed;  // the control of each controlChanged call
    bool forwardToPlugin = true;

private:
    Rect frameSize;
};

class Plugin : public AudioEffectX {
public:
    static constexpr int kParams = 8;
    explicit Plugin(Rect frameSize = Rect(0, 0, 240, 200));
    ~Plugin() override;
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void process(float**, float**, std::int32_t) override {}

    ListeningEditor* editorObject;
    float values[kParams] = {};
};

// Recorded host calls since the last clear (one recorder for the whole process).
std::vector<HostCall>& hostCalls();
// The opcodes of the recorded calls, leaving out idle (audioMasterIdle) and version calls.
std::vector<std::int32_t> gestureOpcodes();

// A mouse state in frame coordinates of a window opened by headless (screen = frame +
// the headless window origin).
headless::InputState at(Point framePoint, int buttons);

// Opens the editor, paints the window once and clears the host record.
class Fixture {
public:
    explicit Fixture(Rect frameSize = Rect(0, 0, 240, 200));
    ~Fixture();
    EditorFrame* frame() { return plugin->editorObject->getFrame(); }
    ListeningEditor& editor() { return *plugin->editorObject; }
    // Adds a control whose listener is the editor.
    template <class C>
    C* add(C* control) {
        control->setListener(&editor());
        frame()->addView(control);
        return control;
    }
    // A press at `states[0]` (delivered as the button-down), then each further state read
    // by the drag loop, then released at the last state's point. A knob or fader uses the
    // pointer of every state; the buttons of state k are read with the pointer of k - 1.
    void press(const std::vector<headless::InputState>& states);
    // A left click (buttons at the click) released at once.
    void click(Point p, int buttons = platform::kLeftButton);
    std::uint32_t pixel(int x, int y);

    int parent = 0;
    Plugin* plugin;
    platform::NativeWindow* window;
};

}  // namespace harness
