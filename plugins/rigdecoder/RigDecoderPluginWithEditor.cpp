#include "RigDecoderPluginWithEditor.h"

#include "EditorCreation.h"
#include "RigDecoderEditor.h"

RigDecoderPluginWithEditor::RigDecoderPluginWithEditor(audioMasterCallback audioMaster)
    : RigDecoderPlugin(audioMaster) {
    setUniqueID(fourCharCode('h', 'l', 'v', 'g'));
    createEditor(*this, [&] { return new RigDecoderEditor(this); });
}

void RigDecoderPluginWithEditor::setParameter(std::int32_t index, float value) {
    RigDecoderPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}
