#include "ZoomPluginWithEditor.h"

#include "ZoomEditor.h"

ZoomPluginWithEditor::ZoomPluginWithEditor(audioMasterCallback audioMaster) : WithEditor(audioMaster) {
    setUniqueID(fourCharCode('O', 'V', 'z', 'g'));
    createEditor([&] { return new ZoomEditor(this); });
}
