// orva_field_ui: the field rotator with its editor.
#include "FieldPluginWithEditor.h"
#include "PluginEntry.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new FieldPluginWithEditor(audioMaster); }
