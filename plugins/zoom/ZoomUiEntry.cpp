// orva_zoom_ui: the zoom with its editor.
#include "PluginEntry.h"
#include "ZoomPluginWithEditor.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new ZoomPluginWithEditor(audioMaster); }
