// orva_panner_effect_ui: the effect-variant panner with its editor.
#include "PanPluginWithEditor.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return new PanPluginWithEditor(audioMaster, PanVariant::Effect);
}
