// The zoom of the editor build: the plain zoom with its own unique ID ("OVzg") and the
// ZoomEditor, which follows every setParameter (a program change replays all three stored
// values through it).
#pragma once

#include "WithEditor.h"
#include "ZoomPlugin.h"

class ZoomPluginWithEditor : public WithEditor<ZoomPlugin> {
public:
    // When the editor cannot be created, moduleOutOfMemory is set and the entry point
    // refuses the instance.
    explicit ZoomPluginWithEditor(audioMasterCallback audioMaster);
};
