#include "PanPluginWithEditor.h"

#include "PanEditor.h"

PanPluginWithEditor::PanPluginWithEditor(audioMasterCallback audioMaster, PanVariant variant)
    : WithEditor(audioMaster, variant) {
    setUniqueID(isMaster() ? fourCharCode('O', 'V', 'm', 'g') : fourCharCode('O', 'V', 'e', 'g'));
    createEditor([&] { return new PanEditor(this, variant); });
}
