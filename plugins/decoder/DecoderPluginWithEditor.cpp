#include "DecoderPluginWithEditor.h"

#include "DecoderEditor.h"

DecoderPluginWithEditor::DecoderPluginWithEditor(audioMasterCallback audioMaster) : WithEditor(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'd', '5'));
    createEditor([&] { return new DecoderEditor(this); });
}

std::int32_t DecoderPluginWithEditor::getPlugCategory() { return kPlugSurroundFx; }
