#include "RigDecoderPluginWithEditor.h"

#include "RigDecoderEditor.h"

RigDecoderPluginWithEditor::RigDecoderPluginWithEditor(audioMasterCallback audioMaster) : WithEditor(audioMaster) {
    setUniqueID(fourCharCode('h', 'l', 'v', 'g'));
    createEditor([&] { return new RigDecoderEditor(this); });
}
