// The decoder of the orva_decoder_ui library: the plain decoder with its own unique ID and
// the editor, which follows every parameter change.
#pragma once

#include "DecoderPlugin.h"

class DecoderPluginWithEditor : public DecoderPlugin {
public:
    // Without memory for the editor it sets moduleOutOfMemory, so the entry point gives the
    // host no instance.
    explicit DecoderPluginWithEditor(audioMasterCallback audioMaster);

    // [thread-safe] Some hosts automate from their audio thread.
    void setParameter(std::int32_t index, float value) override;
    std::int32_t getPlugCategory() override;
};
