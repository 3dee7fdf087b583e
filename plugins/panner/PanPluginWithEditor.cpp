#include "PanPluginWithEditor.h"

#include "EditorCreation.h"
#include "PanEditor.h"

PanPluginWithEditor::PanPluginWithEditor(audioMasterCallback audioMaster, PanVariant variant)
    : PanPlugin(audioMaster, variant) {
    setUniqueID(isMaster() ? fourCharCode('O', 'V', 'm', 'g') : fourCharCode('O', 'V', 'e', 'g'));
    createEditor(*this, [&] { return new PanEditor(this, variant); });
}

void PanPluginWithEditor::setParameter(std::int32_t index, float value) {
    PanPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}
