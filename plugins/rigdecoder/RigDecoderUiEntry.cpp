// halvane: the rig decoder with its editor.
#include "PluginEntry.h"
#include "RigDecoderPluginWithEditor.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return new RigDecoderPluginWithEditor(audioMaster);
}
