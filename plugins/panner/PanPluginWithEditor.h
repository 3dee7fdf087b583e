// The panner of the editor builds: the plain panner with its own unique ID ("OVmg" master,
// "OVeg" effect) and the PanEditor, which follows every setParameter (a program change
// replays all stored values through it, and in the master variant finally the pan angle
// as index 3).
#pragma once

#include "PanPlugin.h"

class PanPluginWithEditor : public PanPlugin {
   public:
    // When the editor cannot be created, moduleOutOfMemory is set and the entry point
    // refuses the instance.
    PanPluginWithEditor(audioMasterCallback audioMaster, PanVariant variant);

    // [thread-safe] The plain setParameter, then the editor records the new value.
    void setParameter(std::int32_t index, float value) override;
};
