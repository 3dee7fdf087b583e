// orva_decoder_ui: the decoder with its editor.
#include "DecoderPluginWithEditor.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new DecoderPluginWithEditor(audioMaster); }
