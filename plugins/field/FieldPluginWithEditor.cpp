#include "FieldPluginWithEditor.h"

#include "EditorCreation.h"
#include "FieldEditor.h"

FieldPluginWithEditor::FieldPluginWithEditor(audioMasterCallback audioMaster) : FieldPlugin(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'f', 'g'));
    createEditor(*this, [&] { return new FieldEditor(this); });
}

void FieldPluginWithEditor::setParameter(std::int32_t index, float value) {
    FieldPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}
