// The editor interface a plug-in owns and forwards editor requests to. Concrete editors
// derive from the toolkit's GuiEditor, which derives from this.
#pragma once

#include <atomic>
#include <cstdint>

#include "AEffect.h"

class AudioEffectX;

class PluginEditor {
public:
    explicit PluginEditor(AudioEffectX* effect) : effect(effect) {}
    virtual ~PluginEditor() = default;

    // [ui-thread] Stores a pointer to the editor's size; hosts may ask before open.
    virtual std::int32_t getRect(ERect** rect) {
        if (rect) *rect = nullptr;
        return 0;
    }
    // [ui-thread] `parent` is the host's window (HWND on Windows, an X11 window id on Linux).
    virtual std::int32_t open(void* parent) {
        systemWindow = parent;
        return 0;
    }
    virtual void close() {}
    virtual void idle() {
        if (refreshFlag.exchange(false, std::memory_order_relaxed)) refresh();
    }
    virtual void refresh() {}
    // [thread-safe] Only sets a flag: the audio thread may call it through setParameter.
    virtual void markForRefresh() { refreshFlag.store(true, std::memory_order_relaxed); }
    virtual std::int32_t keyDown(VstKeyCode&) { return -1; }
    virtual std::int32_t keyUp(VstKeyCode&) { return -1; }
    virtual std::int32_t setKnobMode(std::int32_t) { return 0; }
    virtual bool wheel(float) { return false; }
    // [thread-safe] Editor builds pass every setParameter here; only records the value.
    virtual void parameterChanged(std::int32_t, float) {}

    AudioEffectX* getEffect() const { return effect; }
    void* getSystemWindow() const { return systemWindow; }

protected:
    AudioEffectX* effect;
    void* systemWindow = nullptr;
    std::atomic<bool> refreshFlag{false};
};
