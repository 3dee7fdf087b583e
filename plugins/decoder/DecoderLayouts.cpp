#include "DecoderLayouts.h"

#include <algorithm>
#include <atomic>


// Clang (the sanitizer and fuzzing builds) takes no vector-width preference here.
#if defined(__clang__)
#define ORVA_TARGET_AVX512 __attribute__((target("avx512f")))
#else
#define ORVA_TARGET_AVX512 __attribute__((target("avx512f", "prefer-vector-width=512")))
#endif
namespace decoder {

namespace {

constexpr double kCubeGain = 6.025595860743578;            // +15.6 dB
constexpr double kSquareGain = 2.9853826189179595;         // +9.5 dB
constexpr double kHexagonGain = 4.623810213992603;         // +13.3 dB
constexpr double kOctagonBetweenGain = 6.165950018614821;  // +15.8 dB
constexpr double kStereoGain = 1.5488166189124812;         // +3.8 dB

constexpr double kCubeW = 0.1765671930778443;
constexpr double kCubeXyz = 0.075;
constexpr double kSquareW = 0.3531343861556886;
constexpr double kSquareXy = 0.17698644609603448;
constexpr double kRectangleY = 0.125;
constexpr double kHexW = 0.2354229241037924;
constexpr double kHexX = 0.14433333333333334;
constexpr double kHexYNear = 0.08333333333333333;
constexpr double kHexYSide = 0.16666666666666666;
constexpr double kOctW = 0.1765671930778443;
constexpr double kOctP = 0.1154875;
constexpr double kOctQ = 0.0478375;
constexpr double kOctE = 0.125;
constexpr double kOctF = 0.08849322304801724;
constexpr double kStereoW = 0.7079457843841379;

// clang-format off
constexpr LayoutGains kLayouts[kLayoutCount] = {
    {"Cub", 8, kCubeGain,
     {{kCubeW, kCubeXyz, kCubeXyz, -kCubeXyz},
      {kCubeW, kCubeXyz, -kCubeXyz, -kCubeXyz},
      {kCubeW, -kCubeXyz, -kCubeXyz, -kCubeXyz},
      {kCubeW, -kCubeXyz, kCubeXyz, -kCubeXyz},
      {kCubeW, kCubeXyz, kCubeXyz, kCubeXyz},
      {kCubeW, kCubeXyz, -kCubeXyz, kCubeXyz},
      {kCubeW, -kCubeXyz, -kCubeXyz, kCubeXyz},
      {kCubeW, -kCubeXyz, kCubeXyz, kCubeXyz}}},
    {"Squ", 4, kSquareGain,
     {{kSquareW, kSquareXy, kSquareXy, 0},
      {kSquareW, kSquareXy, -kSquareXy, 0},
      {kSquareW, -kSquareXy, -kSquareXy, 0},
      {kSquareW, -kSquareXy, kSquareXy, 0}}},
    {"Rct", 4, kSquareGain,
     {{kSquareW, kSquareXy, kRectangleY, 0},
      {kSquareW, kSquareXy, -kRectangleY, 0},
      {kSquareW, -kSquareXy, -kRectangleY, 0},
      {kSquareW, -kSquareXy, kRectangleY, 0}}},
    {"Hex", 6, kHexagonGain,
     {{kHexW, kHexX, kHexYNear, 0},
      {kHexW, 0, kHexYSide, 0},
      {kHexW, -kHexX, kHexYNear, 0},
      {kHexW, -kHexX, -kHexYNear, 0},
      {kHexW, 0, -kHexYSide, 0},
      {kHexW, kHexX, -kHexYNear, 0}}},
    {"Oc1", 8, kOctagonBetweenGain,
     {{kOctW, kOctP, kOctQ, 0},
      {kOctW, kOctQ, kOctP, 0},
      {kOctW, -kOctQ, kOctP, 0},
      {kOctW, -kOctP, kOctQ, 0},
      {kOctW, -kOctP, -kOctQ, 0},
      {kOctW, -kOctQ, -kOctP, 0},
      {kOctW, kOctQ, -kOctP, 0},
      {kOctW, kOctP, -kOctQ, 0}}},
    {"Oc2", 8, kCubeGain,
     {{kOctW, kOctE, 0, 0},
      {kOctW, kOctF, kOctF, 0},
      {kOctW, 0, kOctE, 0},
      {kOctW, -kOctF, kOctF, 0},
      {kOctW, -kOctE, 0, 0},
      {kOctW, -kOctF, -kOctF, 0},
      {kOctW, 0, -kOctE, 0},
      {kOctW, kOctF, -kOctF, 0}}},
    {"Ste", 2, kStereoGain, {{kStereoW, 0, 0.5, 0}, {kStereoW, 0, -0.5, 0}}},
    {"Mno", 2, 1.0, {}},
};
// clang-format on

// Offsets added to the inputs in the accumulating entry so decaying signals never turn
// denormal on their way through the sums.
constexpr double kDenormalOffset = 1e-20;
constexpr std::int32_t kChunkFrames = 64;

struct InputChunk {
    double w[kChunkFrames], x[kChunkFrames], y[kChunkFrames], z[kChunkFrames];
};

inline __attribute__((always_inline)) void loadChunk(const float* const* in, std::int32_t start, std::int32_t n,
                                                     bool withOffsets, bool withZ, InputChunk& c) {
    const double up = withOffsets ? kDenormalOffset : 0.0;
    for (std::int32_t i = 0; i < n; ++i) {
        c.w[i] = static_cast<double>(in[0][start + i]) + up;
        c.x[i] = static_cast<double>(in[1][start + i]) - up;
        c.y[i] = static_cast<double>(in[2][start + i]) + up;
    }
    if (withZ)
        for (std::int32_t i = 0; i < n; ++i) c.z[i] = static_cast<double>(in[3][start + i]) - up;
}

// Results of one chunk, narrowed to float, before they go to the host's buffers. Working
// on local arrays lets the compiler vectorise the sums across frames.
struct OutputChunk {
    float out[kMaxOutputs][kChunkFrames];
};

// The cube's weights share a and |b| = |c| = |d|, so a*W and 0.075*X, Y, Z are formed once
// per frame; negating a product gives exactly the product with the negated weight.
inline __attribute__((always_inline)) void cubeChunk(const InputChunk& c, std::int32_t n, OutputChunk& r) {
    for (std::int32_t i = 0; i < n; ++i) {
        const double w = kCubeW * c.w[i];
        const double x = kCubeXyz * c.x[i];
        const double y = kCubeXyz * c.y[i];
        const double z = kCubeXyz * c.z[i];
        const double front = w + x, back = w - x;
        const double fl = front + y, fr = front - y, br = back - y, bl = back + y;
        r.out[0][i] = static_cast<float>(kCubeGain * (fl - z));
        r.out[1][i] = static_cast<float>(kCubeGain * (fr - z));
        r.out[2][i] = static_cast<float>(kCubeGain * (br - z));
        r.out[3][i] = static_cast<float>(kCubeGain * (bl - z));
        r.out[4][i] = static_cast<float>(kCubeGain * (fl + z));
        r.out[5][i] = static_cast<float>(kCubeGain * (fr + z));
        r.out[6][i] = static_cast<float>(kCubeGain * (br + z));
        r.out[7][i] = static_cast<float>(kCubeGain * (bl + z));
    }
}

inline __attribute__((always_inline)) void horizontalChunk(const LayoutGains& layout, const InputChunk& c,
                                                           std::int32_t n, OutputChunk& r) {
    for (int k = 0; k < layout.outputCount; ++k) {
        const OutputWeights wt = layout.weights[k];
        for (std::int32_t i = 0; i < n; ++i)
            r.out[k][i] = static_cast<float>(layout.makeUpGain * (wt.a * c.w[i] + wt.b * c.x[i] + wt.c * c.y[i]));
    }
}

inline __attribute__((always_inline)) void monoChunk(const InputChunk& c, std::int32_t n, OutputChunk& r) {
    for (std::int32_t i = 0; i < n; ++i) r.out[0][i] = r.out[1][i] = static_cast<float>(c.w[i]);
}

inline __attribute__((always_inline)) void storeChunk(const OutputChunk& r, int outputCount, float* const* outputs,
                                                      std::int32_t start, std::int32_t n, bool accumulate) {
    for (int k = 0; k < outputCount; ++k) {
        float* o = outputs[k] + start;
        const float* v = r.out[k];
        if (accumulate)
            for (std::int32_t i = 0; i < n; ++i) o[i] = o[i] + v[i];
        else
            std::copy(v, v + n, o);
    }
}

inline __attribute__((always_inline)) void decodeChunk(Layout layout, const LayoutGains& gains,
                                                       const float* const* inputs, float* const* outputs,
                                                       std::int32_t start, std::int32_t n, bool accumulate,
                                                       InputChunk& chunk, OutputChunk& result) {
    loadChunk(inputs, start, n, accumulate, layout == Layout::Cube, chunk);
    if (layout == Layout::Cube)
        cubeChunk(chunk, n, result);
    else if (layout == Layout::Mono)
        monoChunk(chunk, n, result);
    else
        horizontalChunk(gains, chunk, n, result);
    storeChunk(result, gains.outputCount, outputs, start, n, accumulate);
}

// One chunk loop for every layout, compiled once per instruction set below. Full chunks
// get a constant frame count, which lets the compiler drop the loop tails.
inline __attribute__((always_inline)) void decodeBody(Layout layout, const float* const* inputs, float* const* outputs,
                                                      std::int32_t offset, std::int32_t frames, bool accumulate) {
    const LayoutGains& gains = kLayouts[static_cast<int>(layout)];
    InputChunk chunk;
    OutputChunk result;
    for (std::int32_t done = 0; done < frames; done += kChunkFrames) {
        const std::int32_t start = offset + done;
        const std::int32_t n = std::min(kChunkFrames, frames - done);
        if (n == kChunkFrames)
            decodeChunk(layout, gains, inputs, outputs, start, kChunkFrames, accumulate, chunk, result);
        else
            decodeChunk(layout, gains, inputs, outputs, start, n, accumulate, chunk, result);
    }
}

void decodeSse2(Layout layout, const float* const* inputs, float* const* outputs, std::int32_t offset,
                std::int32_t frames, bool accumulate) {
    decodeBody(layout, inputs, outputs, offset, frames, accumulate);
}

// On x86-64 Linux the same loop also exists compiled for AVX2 and AVX-512 (four and eight
// doubles per instruction), chosen at run time by what the processor has. All do the same
// IEEE operations in the same order (never fused), so their results are equal. Windows
// builds keep SSE2 only: their compiler does not align wide stack spills.
#if defined(__x86_64__) && !defined(_WIN32)
#define ORVA_DECODER_WIDE 1
__attribute__((target("avx2"))) void decodeAvx2(Layout layout, const float* const* inputs, float* const* outputs,
                                                std::int32_t offset, std::int32_t frames, bool accumulate) {
    decodeBody(layout, inputs, outputs, offset, frames, accumulate);
}

ORVA_TARGET_AVX512 void decodeAvx512(Layout layout,
                                                                                const float* const* inputs,
                                                                                float* const* outputs,
                                                                                std::int32_t offset,
                                                                                std::int32_t frames, bool accumulate) {
    decodeBody(layout, inputs, outputs, offset, frames, accumulate);
}
#endif

using DecodeFunction = void (*)(Layout, const float* const*, float* const*, std::int32_t, std::int32_t, bool);

DecodeWidth processorWidth() {
#if ORVA_DECODER_WIDE
    if (__builtin_cpu_supports("avx512f")) return DecodeWidth::Avx512;
    if (__builtin_cpu_supports("avx2")) return DecodeWidth::Avx2;
#endif
    return DecodeWidth::Sse2;
}

std::atomic<int> widthLimit{static_cast<int>(DecodeWidth::Avx512)};

DecodeFunction decodeFor(int width) {
#if ORVA_DECODER_WIDE
    if (width == static_cast<int>(DecodeWidth::Avx512)) return decodeAvx512;
    if (width == static_cast<int>(DecodeWidth::Avx2)) return decodeAvx2;
#endif
    (void)width;
    return decodeSse2;
}

}  // namespace

Layout layoutForValue(float value) {
    const double v = value;
    if (v >= 1.0) return Layout::Mono;
    if (v >= 0.85) return Layout::Stereo;
    if (v >= 0.71) return Layout::OctagonOn;
    if (v >= 0.57) return Layout::OctagonBetween;
    if (v >= 0.42) return Layout::Hexagon;
    if (v >= 0.28) return Layout::Rectangle;
    if (v >= 0.14) return Layout::Square;
    return Layout::Cube;
}

DecodeWidth widestDecodeWidth() {
    static const DecodeWidth available = processorWidth();
    return available;
}

void limitDecodeWidth(DecodeWidth limit) { widthLimit.store(static_cast<int>(limit), std::memory_order_relaxed); }

const LayoutGains& gainsFor(Layout layout) { return kLayouts[static_cast<int>(layout)]; }

void decodeFrames(Layout layout, const float* const* inputs, float* const* outputs, std::int32_t offset,
                  std::int32_t frames, bool accumulate) {
    const int width = std::min(static_cast<int>(widestDecodeWidth()), widthLimit.load(std::memory_order_relaxed));
    decodeFor(width)(layout, inputs, outputs, offset, frames, accumulate);
    if (!accumulate)
        for (int k = gainsFor(layout).outputCount; k < kMaxOutputs; ++k)
            std::fill(outputs[k] + offset, outputs[k] + offset + frames, 0.0f);
}

}  // namespace decoder
