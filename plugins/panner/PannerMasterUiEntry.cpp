// orva_panner_master_ui: the master-variant panner with its editor.
#include "PanPluginWithEditor.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return new PanPluginWithEditor(audioMaster, PanVariant::Master);
}
