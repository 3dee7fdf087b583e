// The editor build of a plug-in class: the plain plug-in, whose every setParameter also
// reaches the editor, and the editor's creation.
//
// The editor binds itself to the plug-in while it is constructed. When that fails part way
// (no memory for the editor or its bitmaps), the plug-in is left without an editor and
// moduleOutOfMemory makes the entry point refuse the instance, so the host never gets a
// plug-in that claims an editor it cannot open.
#pragma once

#include <cstdint>
#include <new>
#include <utility>

#include "AEffect.h"
#include "ModuleState.h"
#include "PluginEditor.h"

template <class Plugin>
class WithEditor : public Plugin {
public:
    template <class... Args>
    explicit WithEditor(Args&&... args) : Plugin(std::forward<Args>(args)...) {}

    // [thread-safe] The plain setParameter, then the editor records the new value (hosts
    // may call this on their audio thread; a program change replays through it).
    void setParameter(std::int32_t index, float value) override {
        Plugin::setParameter(index, value);
        if (this->editor) this->editor->parameterChanged(index, value);
    }

protected:
    // Called once by the derived constructor with what makes the editor.
    template <class MakeEditor>
    void createEditor(MakeEditor makeEditor) {
        try {
            makeEditor();  // binds itself: the plug-in owns it from here on
        } catch (const std::bad_alloc&) {
            this->setEditor(nullptr);
            this->setFlag(effFlagsHasEditor, false);
            moduleOutOfMemory = true;
        }
    }
};
