#include "ZoomPluginWithEditor.h"

#include "EditorCreation.h"
#include "ZoomEditor.h"

ZoomPluginWithEditor::ZoomPluginWithEditor(audioMasterCallback audioMaster) : ZoomPlugin(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'z', 'g'));
    createEditor(*this, [&] { return new ZoomEditor(this); });
}

void ZoomPluginWithEditor::setParameter(std::int32_t index, float value) {
    ZoomPlugin::setParameter(index, value);
    if (editor) editor->parameterChanged(index, value);
}
