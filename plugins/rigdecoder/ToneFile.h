// Reader of the rig decoder's test tone: a RIFF/WAVE file, mono, 16-bit integer or 32-bit
// float samples, checked field by field in file order.
//
// Safe on any file: bytes beyond the end of the file read as zero, the tone never holds
// more samples than the file's data bytes, and a sample the file cannot deliver is 0.0.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

namespace rig {

struct TestTone {
    std::unique_ptr<float[]> samples;  // scaled by 0.6 (16-bit: after dividing by 32768)
    std::uint32_t length = 0;
    std::int16_t bits = 0;
};

// Reads `file` from its start. On success answers null and fills `tone`; otherwise answers
// the message to show (and `tone` stays empty). The header's sample rate is written to
// `sampleRate` as soon as it has been read, even if a later check fails.
const char* readTestTone(std::FILE* file, TestTone& tone, float& sampleRate);

// Message texts, exactly as the user sees them.
extern const char* const kToneNotFoundFormat;  // printf format with the full file name
extern const char* const kToneNotRiff;
extern const char* const kToneNotWave;
extern const char* const kToneNoFormat;
extern const char* const kToneUnknownHeader;
extern const char* const kToneNotMono;
extern const char* const kToneBadBits;
extern const char* const kToneNoData;

}  // namespace rig
