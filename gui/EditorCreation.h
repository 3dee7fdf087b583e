// Creating the editor of an editor build. The editor binds itself to the plug-in while it
// is constructed; when that fails part way (no memory for the editor or its bitmaps) the
// plug-in is left without an editor and moduleOutOfMemory makes the entry point refuse
// the instance, so the host never gets a plug-in that claims an editor it cannot open.
#pragma once

#include <new>

#include "AEffect.h"
#include "AudioEffectX.h"
#include "ModuleState.h"

template <class MakeEditor>
void createEditor(AudioEffectX& plugin, MakeEditor makeEditor) {
    try {
        makeEditor();  // binds itself: the plug-in owns it from here on
    } catch (const std::bad_alloc&) {
        plugin.setEditor(nullptr);
        plugin.setFlag(effFlagsHasEditor, false);
        moduleOutOfMemory = true;
    }
}
