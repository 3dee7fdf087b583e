#include "RigDecoderPluginWithEditor.h"

#include <new>

#include "ModuleState.h"
#include "PluginEntry.h"
#include "RigDecoderEditor.h"

RigDecoderPluginWithEditor::RigDecoderPluginWithEditor(audioMasterCallback audioMaster)
    : RigDecoderPlugin(audioMaster) {
    setUniqueID(fourCharCode('h', 'l', 'v', 'g'));
    // The editor binds itself to this plug-in, which deletes it.
    if (!new (std::nothrow) RigDecoderEditor(this)) moduleOutOfMemory = true;
}

void RigDecoderPluginWithEditor::setParameter(std::int32_t index, float value) {
    RigDecoderPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return new RigDecoderPluginWithEditor(audioMaster);
}
