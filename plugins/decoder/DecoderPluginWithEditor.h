// The decoder of the orva_decoder_ui library: the plain decoder with its own unique ID and
// the editor, which follows every parameter change.
#pragma once

#include "DecoderPlugin.h"
#include "WithEditor.h"

class DecoderPluginWithEditor : public WithEditor<DecoderPlugin> {
public:
    // Without memory for the editor it sets moduleOutOfMemory, so the entry point gives the
    // host no instance.
    explicit DecoderPluginWithEditor(audioMasterCallback audioMaster);

    std::int32_t getPlugCategory() override;
};
