// The panner of the editor builds: the plain panner with its own unique ID ("OVmg" master,
// "OVeg" effect) and the PanEditor, which follows every setParameter (a program change
// replays all stored values through it, and in the master variant finally the pan angle
// as index 3).
#pragma once

#include "PanPlugin.h"
#include "WithEditor.h"

class PanPluginWithEditor : public WithEditor<PanPlugin> {
public:
    // When the editor cannot be created, moduleOutOfMemory is set and the entry point
    // refuses the instance.
    PanPluginWithEditor(audioMasterCallback audioMaster, PanVariant variant);
};
