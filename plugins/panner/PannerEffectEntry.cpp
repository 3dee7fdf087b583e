// orva_panner_effect: the panner's sixteen source parameters only, no editor.
#include "PanPlugin.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return new PanPlugin(audioMaster, PanVariant::Effect);
}
