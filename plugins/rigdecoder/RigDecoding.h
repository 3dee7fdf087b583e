// Per-frame decoding of the rig decoder: the stereo rule and the blended rig tables.
// Plain kernels over raw buffers, free of the host layer.
#pragma once

#include <cstdint>

#include "RigTables.h"

namespace rig {

// The coefficients controlled + m * difference of one table, formed in double precision.
// They are rebuilt only when the table or the blend value changes; each frame's output is
// the same as if they were formed anew for it.
class BlendedMatrix {
public:
    // [audio-thread]
    void prepare(const RigTable& table, float blend);
    // Writes outputs 1 to N of frames [offset, offset + frames) with
    // g * sum over the channels read of coefficient * input, and 0.0 into outputs N+1 to 12.
    // Inputs and outputs may be the same buffers.
    void decode(const float* const* inputs, float* const* outputs, std::int32_t offset, std::int32_t frames,
                float volume) const;

private:
    const RigTable* table_ = nullptr;
    float blend_ = 0.0f;
    double coefficients_[kMaxSpeakers][kChannelCount] = {};
};

// Instruction sets the sums are compiled for. Decoding uses the widest the processor and
// build support, up to a limit that tests lower to compare every variant.
enum class SumWidth : int { Sse2, Avx2, Avx512 };
SumWidth widestSumWidth();
void limitSumWidth(SumWidth limit);

// Stereo rule: left = (0.5 Y + 0.7071 W) g, right = (0.7071 W - 0.5 Y) g, outputs 3 to 12
// silent.
void decodeStereo(const float* const* inputs, float* const* outputs, std::int32_t offset, std::int32_t frames,
                  float volume);

// Writes 0.0 into outputs [firstOutput, 12) for the frames given.
void silence(float* const* outputs, int firstOutput, std::int32_t offset, std::int32_t frames);

}  // namespace rig
