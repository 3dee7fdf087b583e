// Each deliverable defines this factory; the entry point calls it once per instance.
#pragma once

#include "AEffect.h"

class AudioEffect;

AudioEffect* createEffectInstance(audioMasterCallback audioMaster);
