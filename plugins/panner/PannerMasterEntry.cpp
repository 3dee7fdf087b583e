// orva_panner_master: the panner with pan position and pan modes, no editor.
#include "PanPlugin.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return new PanPlugin(audioMaster, PanVariant::Master);
}
