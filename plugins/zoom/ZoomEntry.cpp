// orva_zoom: the zoom without editor.
#include "PluginEntry.h"
#include "ZoomPlugin.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new ZoomPlugin(audioMaster); }
