// Factory of the plain decoder library (no editor), used by the tests until the editor
// build exists.
#include "DecoderPlugin.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new DecoderPlugin(audioMaster); }
