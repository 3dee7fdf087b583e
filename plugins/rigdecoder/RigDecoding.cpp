#include "RigDecoding.h"

#include <algorithm>
#include <atomic>


// Clang (the sanitizer and fuzzing builds) takes no vector-width preference here.
#if defined(__clang__)
#define ORVA_TARGET_AVX512 __attribute__((target("avx512f")))
#else
#define ORVA_TARGET_AVX512 __attribute__((target("avx512f", "prefer-vector-width=512")))
#endif
namespace rig {

namespace {

constexpr std::int32_t kChunkFrames = 64;

// Inputs of one chunk, widened to double, densely in the order of the table's channels.
struct InputChunk {
    double in[kChannelCount][kChunkFrames];
};

// On x86-64 Linux the sums also exist compiled for AVX2 and AVX-512 (four and eight doubles
// per instruction), chosen at run time by what the processor has. All do the same IEEE
// additions and multiplications in the same order (never fused), so their results are
// equal. Windows builds keep SSE2 only: their compiler does not align wide stack spills.
#if defined(__x86_64__) && !defined(_WIN32)
#define ORVA_RIG_WIDE_SUMS 1
#endif

// The channel count is a template argument so the compiler unrolls the sum over channels
// and vectorises across frames; summation order stays the table's channel order.
// The chunk's inputs are already widened, so the results may go straight into the host's
// buffers even when they are the input buffers.
template <int channelCount>
inline __attribute__((always_inline)) void sumBody(const double (*coefficients)[kChannelCount], int speakers,
                                                   const InputChunk& c, std::int32_t n, double volume,
                                                   float* const* outputs, std::int32_t start) {
    for (int k = 0; k < speakers; ++k) {
        double row[channelCount];
        for (int j = 0; j < channelCount; ++j) row[j] = coefficients[k][j];
        float* __restrict out = outputs[k] + start;
        for (std::int32_t i = 0; i < n; ++i) {
            double sum = row[0] * c.in[0][i];
            for (int j = 1; j < channelCount; ++j) sum = sum + row[j] * c.in[j][i];
            out[i] = static_cast<float>(sum * volume);
        }
    }
}

template <int channelCount>
inline __attribute__((always_inline)) void widen(const RigTable& table, const float* const* inputs, std::int32_t start,
                                                 std::int32_t n, InputChunk& c) {
    for (int j = 0; j < channelCount; ++j) {
        const float* in = inputs[table.channels[j]] + start;
        for (std::int32_t i = 0; i < n; ++i) c.in[j][i] = in[i];
    }
}

// Frames [offset, offset + frames) in chunks; full chunks get a constant frame count,
// which lets the compiler drop the loop tails.
template <int channelCount>
inline __attribute__((always_inline)) void runBody(const RigTable& table, const double (*coefficients)[kChannelCount],
                                                   const float* const* inputs, float* const* outputs,
                                                   std::int32_t offset, std::int32_t frames, double volume) {
    InputChunk chunk;
    for (std::int32_t done = 0; done < frames; done += kChunkFrames) {
        const std::int32_t start = offset + done;
        const std::int32_t n = std::min(kChunkFrames, frames - done);
        if (n == kChunkFrames) {
            widen<channelCount>(table, inputs, start, kChunkFrames, chunk);
            sumBody<channelCount>(coefficients, table.speakerCount, chunk, kChunkFrames, volume, outputs, start);
        } else {
            widen<channelCount>(table, inputs, start, n, chunk);
            sumBody<channelCount>(coefficients, table.speakerCount, chunk, n, volume, outputs, start);
        }
    }
}

using RunFunction = void (*)(const RigTable&, const double (*)[kChannelCount], const float* const*, float* const*,
                             std::int32_t, std::int32_t, double);

// One compiled variant of runBody per instruction set.
template <int channelCount>
void runSse2(const RigTable& table, const double (*coefficients)[kChannelCount], const float* const* inputs,
             float* const* outputs, std::int32_t offset, std::int32_t frames, double volume) {
    runBody<channelCount>(table, coefficients, inputs, outputs, offset, frames, volume);
}

#if ORVA_RIG_WIDE_SUMS
template <int channelCount>
__attribute__((target("avx2"))) void runAvx2(const RigTable& table, const double (*coefficients)[kChannelCount],
                                             const float* const* inputs, float* const* outputs, std::int32_t offset,
                                             std::int32_t frames, double volume) {
    runBody<channelCount>(table, coefficients, inputs, outputs, offset, frames, volume);
}

template <int channelCount>
ORVA_TARGET_AVX512 void runAvx512(
    const RigTable& table, const double (*coefficients)[kChannelCount], const float* const* inputs,
    float* const* outputs, std::int32_t offset, std::int32_t frames, double volume) {
    runBody<channelCount>(table, coefficients, inputs, outputs, offset, frames, volume);
}
#endif

template <template <int> class Variant>
RunFunction forChannels(int channelCount) {
    switch (channelCount) {
        case 3: return Variant<3>::function;
        case 4: return Variant<4>::function;
        case 5: return Variant<5>::function;
        case 8: return Variant<8>::function;
        default: return Variant<9>::function;
    }
}

template <int c>
struct Sse2Run {
    static constexpr RunFunction function = runSse2<c>;
};
#if ORVA_RIG_WIDE_SUMS
template <int c>
struct Avx2Run {
    static constexpr RunFunction function = runAvx2<c>;
};
template <int c>
struct Avx512Run {
    static constexpr RunFunction function = runAvx512<c>;
};
#endif

SumWidth processorWidth() {
#if ORVA_RIG_WIDE_SUMS
    if (__builtin_cpu_supports("avx512f")) return SumWidth::Avx512;
    if (__builtin_cpu_supports("avx2")) return SumWidth::Avx2;
#endif
    return SumWidth::Sse2;
}

std::atomic<int> widthLimit{static_cast<int>(SumWidth::Avx512)};

RunFunction runFor(int channelCount) {
    const int width = std::min(static_cast<int>(widestSumWidth()), widthLimit.load(std::memory_order_relaxed));
#if ORVA_RIG_WIDE_SUMS
    if (width == static_cast<int>(SumWidth::Avx512)) return forChannels<Avx512Run>(channelCount);
    if (width == static_cast<int>(SumWidth::Avx2)) return forChannels<Avx2Run>(channelCount);
#endif
    (void)width;
    return forChannels<Sse2Run>(channelCount);
}

}  // namespace

SumWidth widestSumWidth() {
    static const SumWidth available = processorWidth();
    return available;
}

void limitSumWidth(SumWidth limit) { widthLimit.store(static_cast<int>(limit), std::memory_order_relaxed); }

void BlendedMatrix::prepare(const RigTable& table, float blend) {
    if (table_ == &table && blend_ == blend) return;
    table_ = &table;
    blend_ = blend;
    const double m = blend;
    for (int k = 0; k < table.speakerCount; ++k)
        for (int j = 0; j < table.channelCount; ++j)
            coefficients_[k][j] =
                static_cast<double>(table.controlledAt(k, j)) + m * static_cast<double>(table.differenceAt(k, j));
}

void BlendedMatrix::decode(const float* const* inputs, float* const* outputs, std::int32_t offset, std::int32_t frames,
                           float volume) const {
    if (!table_) return;
    const RigTable& table = *table_;
    runFor(table.channelCount)(table, coefficients_, inputs, outputs, offset, frames, volume);
    silence(outputs, table.speakerCount, offset, frames);
}

void decodeStereo(const float* const* inputs, float* const* outputs, std::int32_t offset, std::int32_t frames,
                  float volume) {
    const double g = volume;
    const double w = kStereoW;
    for (std::int32_t i = offset; i < offset + frames; ++i) {
        const double inW = inputs[W][i];
        const double inY = inputs[Y][i];
        const float left = static_cast<float>((kStereoY * inY + w * inW) * g);
        const float right = static_cast<float>((w * inW - kStereoY * inY) * g);
        outputs[0][i] = left;
        outputs[1][i] = right;
    }
    silence(outputs, 2, offset, frames);
}

void silence(float* const* outputs, int firstOutput, std::int32_t offset, std::int32_t frames) {
    for (int k = firstOutput; k < kMaxSpeakers; ++k) std::fill(outputs[k] + offset, outputs[k] + offset + frames, 0.0f);
}

}  // namespace rig
