#include "FieldPluginWithEditor.h"

#include "FieldEditor.h"

FieldPluginWithEditor::FieldPluginWithEditor(audioMasterCallback audioMaster) : WithEditor(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'f', 'g'));
    createEditor([&] { return new FieldEditor(this); });
}
