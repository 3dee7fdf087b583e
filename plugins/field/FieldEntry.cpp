// orva_field: the field rotator without editor.
#include "FieldPlugin.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new FieldPlugin(audioMaster); }
