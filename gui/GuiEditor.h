// The toolkit-based editor base. Binds itself to the plug-in (sets the plug-in's editor
// pointer and effFlagsHasEditor), owns an EditorFrame while open, redraws dirty views at
// idle and keeps drawing and host idle going during mouse drags (serviceDuringDrag).
//
// Concrete editors derive from it, start their own open with openFrame (which closes what a
// previous open left, runs GuiEditor::open and builds the frame of `rect`'s size in the
// host's window), add their views, call openControls() and return 1; their close calls
// deleteFrame().
//
// Threads: everything runs on the host's UI thread, except parameterChanged, which a
// plug-in may call from its audio thread: it only stores control values (relaxed atomics)
// and the refresh flag, inside a ControlsPass. The pass keeps deleteFrame from deleting
// the controls while it is held; the audio thread never waits for it.
#pragma once

#include <cstdint>

#include "AEffect.h"
#include "FrameGate.h"
#include "PluginEditor.h"

class AudioEffectX;
class Bitmap;
class EditorFrame;

class GuiEditor : public PluginEditor {
public:
    explicit GuiEditor(AudioEffectX* effect);
    ~GuiEditor() override;

    // [ui-thread] The host's editor calls, through the plug-in's dispatcher.
    std::int32_t getRect(ERect** rect) override;
    std::int32_t open(void* parent) override;
    void close() override;
    void idle() override;
    // [ui-thread] Stores the process-wide knob mode; answers 1.
    std::int32_t setKnobMode(std::int32_t mode) override;
    // [ui-thread]
    bool wheel(float distance) override;
    // [thread-safe] Empty here; a concrete editor sets its controls inside enterControls().
    void parameterChanged(std::int32_t index, float value) override;
    // [ui-thread]
    virtual void redrawAll();
    // [ui-thread] Called once per pass of a control's drag loop: sleeps 4 ms, and about every 50 ms
    // redraws dirty views, lets one window paint and gives the host an idle call.
    virtual void serviceDuringDrag();

    EditorFrame* getFrame() const { return frame; }
    bool isInHostIdle() const { return inHostIdle; }

protected:
    using ControlsPass = FrameGate::Pass;

    // The editor's rectangle: at the origin, the bitmap's size (its background's).
    void sizeToBitmap(const Bitmap& bitmap);

    // [ui-thread] Starts a concrete open: closes first (a second open without close rebuilds
    // everything), then GuiEditor::open, then a new frame in `parent` with `background`.
    void openFrame(void* parent, Bitmap* background);
    // [ui-thread] Ends a concrete open: parameterChanged may set the controls from here on.
    void openControls() { gate.open(); }
    // [ui-thread] Shuts out parameterChanged, waits for one in progress to leave, then
    // deletes the frame with its views and windows.
    void deleteFrame();
    // [thread-safe] Held by parameterChanged while it sets controls; false while closed.
    ControlsPass enterControls() { return ControlsPass(gate); }

    ERect rect{};
    EditorFrame* frame = nullptr;
    std::uint32_t nextIdleTime;
    bool inHostIdle = false;

private:
    FrameGate gate;
};
