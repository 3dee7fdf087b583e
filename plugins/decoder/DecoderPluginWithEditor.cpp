#include "DecoderPluginWithEditor.h"

#include <new>

#include "DecoderEditor.h"
#include "ModuleState.h"
#include "PluginEntry.h"

DecoderPluginWithEditor::DecoderPluginWithEditor(audioMasterCallback audioMaster) : DecoderPlugin(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'd', '5'));
    // The editor binds itself to this plug-in, which deletes it.
    if (!new (std::nothrow) DecoderEditor(this)) moduleOutOfMemory = true;
}

void DecoderPluginWithEditor::setParameter(std::int32_t index, float value) {
    DecoderPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}

std::int32_t DecoderPluginWithEditor::getPlugCategory() { return kPlugSurroundFx; }

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new DecoderPluginWithEditor(audioMaster); }
