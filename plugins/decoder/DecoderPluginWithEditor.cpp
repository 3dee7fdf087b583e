#include "DecoderPluginWithEditor.h"

#include "DecoderEditor.h"
#include "EditorCreation.h"

DecoderPluginWithEditor::DecoderPluginWithEditor(audioMasterCallback audioMaster) : DecoderPlugin(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'd', '5'));
    createEditor(*this, [&] { return new DecoderEditor(this); });
}

void DecoderPluginWithEditor::setParameter(std::int32_t index, float value) {
    DecoderPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}

std::int32_t DecoderPluginWithEditor::getPlugCategory() { return kPlugSurroundFx; }
