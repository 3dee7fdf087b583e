#include "RigDecoding.h"

#include <algorithm>

namespace rig {

namespace {

constexpr std::int32_t kChunkFrames = 64;

// Inputs of one chunk, widened to double, densely in the order of the table's channels.
struct InputChunk {
    double in[kChannelCount][kChunkFrames];
};

// On x86-64 Linux the sums also exist compiled for AVX2 (four doubles per instruction),
// chosen at run time when the processor has it. Both do the same IEEE additions and
// multiplications in the same order (no fused multiply-add), so their results are equal.
// Windows builds keep SSE2 only: their compiler does not align 32-byte stack spills.
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
void sumChunk(const double (*coefficients)[kChannelCount], int speakers, const InputChunk& c, std::int32_t n,
              double volume, float* const* outputs, std::int32_t start) {
    sumBody<channelCount>(coefficients, speakers, c, n, volume, outputs, start);
}

using SumFunction = void (*)(const double (*)[kChannelCount], int, const InputChunk&, std::int32_t, double,
                             float* const*, std::int32_t);

template <template <int> class Pick>
SumFunction pickByChannels(int channelCount) {
    switch (channelCount) {
        case 3: return Pick<3>::function;
        case 4: return Pick<4>::function;
        case 5: return Pick<5>::function;
        case 8: return Pick<8>::function;
        default: return Pick<9>::function;
    }
}

template <int channelCount>
struct NarrowSum {
    static constexpr SumFunction function = sumChunk<channelCount>;
};

#if ORVA_RIG_WIDE_SUMS
template <int channelCount>
__attribute__((target("avx2"))) void sumChunkWide(const double (*coefficients)[kChannelCount], int speakers,
                                                  const InputChunk& c, std::int32_t n, double volume,
                                                  float* const* outputs, std::int32_t start) {
    sumBody<channelCount>(coefficients, speakers, c, n, volume, outputs, start);
}

template <int channelCount>
struct WideSum {
    static constexpr SumFunction function = sumChunkWide<channelCount>;
};

bool hasWideSums() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}
#endif

SumFunction sumFor(int channelCount) {
#if ORVA_RIG_WIDE_SUMS
    if (hasWideSums()) return pickByChannels<WideSum>(channelCount);
#endif
    return pickByChannels<NarrowSum>(channelCount);
}

}  // namespace

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
    const SumFunction sum = sumFor(table.channelCount);
    InputChunk chunk;
    for (std::int32_t done = 0; done < frames; done += kChunkFrames) {
        const std::int32_t start = offset + done;
        const std::int32_t n = std::min(kChunkFrames, frames - done);
        for (int j = 0; j < table.channelCount; ++j) {
            const float* in = inputs[table.channels[j]] + start;
            for (std::int32_t i = 0; i < n; ++i) chunk.in[j][i] = in[i];
        }
        sum(coefficients_, table.speakerCount, chunk, n, volume, outputs, start);
    }
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
