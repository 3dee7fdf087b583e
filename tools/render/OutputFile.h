// The WAV file render run writes: 32-bit float, WAVE_FORMAT_EXTENSIBLE for more than two
// channels (the WAV convention), marked as Ambisonic B-format (the .amb convention, W X Y Z)
// when the plug-in is one of the suite's first-order B-format producers; or the plain
// 16-byte format block of older files when asked for.
#pragma once

#include <sndfile.h>

#include <string>

#include "AEffect.h"

namespace render {

// The panners, the field rotator and the zoom: four outputs W, X, Y, Z.
bool writesFirstOrderBFormat(const AEffect& effect);

struct OutputFormat {
    int rateHz = 48000;
    int channels = 2;
    bool bFormat = false;   // mark the file as Ambisonic B-format (needs extensible)
    bool plainWav = false;  // the plain format block whatever the channel count
};

// Opens `path` for writing; throws UsageError when it cannot.
SNDFILE* openOutputFile(const std::string& path, const OutputFormat& format);

}  // namespace render
