// The decoder's eight loudspeaker layouts and the per-sample decode. Plain functions and
// constant data, free of the host layer, so tests can drive them directly.
#pragma once

#include <cstdint>

namespace decoder {

enum class Layout : std::int32_t { Cube, Square, Rectangle, Hexagon, OctagonBetween, OctagonOn, Stereo, Mono };

constexpr int kLayoutCount = 8;
constexpr int kMaxOutputs = 8;

// One output: g * (a*W + b*X + c*Y [+ d*Z for the cube]).
struct OutputWeights {
    double a, b, c, d;
};

struct LayoutGains {
    const char* displayText;  // three letters, as the host shows them
    int outputCount;          // outputs fed; the rest are idle
    double makeUpGain;        // g
    OutputWeights weights[kMaxOutputs];
};

// The layout a "Layout" value selects. The float value is compared with double thresholds
// from the top down. Values below 0.0 (and NaN) are never produced by hosts or the editor;
// they decode as the cube, the layout of 0.0.
Layout layoutForValue(float value);

const LayoutGains& gainsFor(Layout layout);

// Decodes `frames` samples of one layout. `inputs` are W, X, Y, Z; `outputs` the eight
// feeds. Accumulate adds the narrowed results to the outputs and leaves idle outputs as
// they are (the host's accumulating entry, whose inputs carry the denormal offsets);
// otherwise results overwrite the outputs and idle outputs become 0.0. Inputs and outputs
// may be the same buffers.
void decodeFrames(Layout layout, const float* const* inputs, float* const* outputs, std::int32_t offset,
                  std::int32_t frames, bool accumulate);

// Instruction sets the decode is compiled for. Decoding uses the widest the processor and
// build support, up to a limit that tests lower to compare every variant.
enum class DecodeWidth : int { Sse2, Avx2, Avx512 };
DecodeWidth widestDecodeWidth();
void limitDecodeWidth(DecodeWidth limit);

}  // namespace decoder
