#include "PluginEntry.h"
#include "QelFilter.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new Qel_Filter(audioMaster); }
