// The rig decoder's default test tone: about one second of pink noise at a comfortable
// level, mono, 16-bit, 44.1 kHz, as the bytes of a RIFF/WAVE file. Deterministic: only
// integer noise and basic IEEE arithmetic, so every build makes the same bytes.
#pragma once

#include <vector>

namespace testtone {

std::vector<unsigned char> makeTestToneWav();

}  // namespace testtone
