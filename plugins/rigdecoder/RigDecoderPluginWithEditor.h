// The rig decoder of the halvane library: the plain rig decoder with its own unique ID and
// the editor, which follows every parameter change (the programs stay chunks).
#pragma once

#include "RigDecoderPlugin.h"
#include "WithEditor.h"

class RigDecoderPluginWithEditor : public WithEditor<RigDecoderPlugin> {
public:
    // Without memory for the editor it sets moduleOutOfMemory, so the entry point gives the
    // host no instance.
    explicit RigDecoderPluginWithEditor(audioMasterCallback audioMaster);
};
