// An editor rendered in-process on the static headless toolkit: the reference a real
// window of the built library is compared with.
#pragma once

#include <cstdint>

#include "AEffect.h"
#include "RasterImage.h"

class AudioEffect;

// A host callback that answers only the version: the reference plug-ins need no more.
std::intptr_t referenceHost(AEffect* effect, std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                            float opt);
// Opens the plug-in's editor, paints it once and runs one idle pass; answers the window's
// pixels (empty when the editor did not open) and closes the editor.
RasterImage renderEditor(AudioEffect& plugin);
