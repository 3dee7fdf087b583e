// The rig decoder of the halvane library: the plain rig decoder with its own unique ID and
// the editor, which follows every parameter change (the programs stay chunks).
#pragma once

#include "RigDecoderPlugin.h"

class RigDecoderPluginWithEditor : public RigDecoderPlugin {
public:
    // Without memory for the editor it sets moduleOutOfMemory, so the entry point gives the
    // host no instance.
    explicit RigDecoderPluginWithEditor(audioMasterCallback audioMaster);

    // [thread-safe] Also the audio thread's, when the loudspeaker test ends by itself.
    void setParameter(std::int32_t index, float value) override;
};
