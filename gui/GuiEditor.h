// The toolkit-based editor base. Binds itself to the plug-in (sets the plug-in's editor
// pointer and effFlagsHasEditor), owns an EditorFrame while open, redraws dirty views at
// idle and keeps drawing and host idle going during mouse drags (serviceDuringDrag).
//
// Concrete editors derive from it, call GuiEditor::open first in their own open, build the
// frame of `rect`'s size in getSystemWindow(), add their views and return 1; their close
// deletes the frame and sets it to null.
//
// Threads: everything runs on the host's UI thread, except parameterChanged, which a
// plug-in may call from its audio thread: it must only store values and flags.
#pragma once

#include <cstdint>

#include "AEffect.h"
#include "PluginEditor.h"

class AudioEffectX;
class EditorFrame;

class GuiEditor : public PluginEditor {
public:
    explicit GuiEditor(AudioEffectX* effect);
    ~GuiEditor() override;

    std::int32_t getRect(ERect** rect) override;
    std::int32_t open(void* parent) override;
    void close() override;
    void idle() override;
    // Stores the process-wide knob mode; answers 1.
    std::int32_t setKnobMode(std::int32_t mode) override;
    bool wheel(float distance) override;
    void parameterChanged(std::int32_t index, float value) override;
    virtual void redrawAll();
    // Called once per pass of a control's drag loop: sleeps 4 ms, and about every 50 ms
    // redraws dirty views, lets one window paint and gives the host an idle call.
    virtual void serviceDuringDrag();

    EditorFrame* getFrame() const { return frame; }
    bool isInHostIdle() const { return inHostIdle; }
    std::uint32_t getNextIdleTime() const { return nextIdleTime; }

protected:
    ERect rect{};
    EditorFrame* frame = nullptr;
    std::uint32_t nextIdleTime;
    bool inHostIdle = false;
};
