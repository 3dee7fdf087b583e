#include "RigDecoding.h"

#include <algorithm>

namespace rig {

namespace {

constexpr std::int32_t kChunkFrames = 64;

// Inputs of one chunk, widened to double, densely in the order of the table's channels.
struct InputChunk {
    double in[kChannelCount][kChunkFrames];
};

struct OutputChunk {
    float out[kMaxSpeakers][kChunkFrames];
};

// The channel count is a template argument so the compiler unrolls the sum over channels
// and vectorises across frames; summation order stays the table's channel order.
template <int channelCount>
void sumChunk(const double (*coefficients)[kChannelCount], int speakers, const InputChunk& c, std::int32_t n,
              double volume, OutputChunk& r) {
    for (int k = 0; k < speakers; ++k) {
        double row[channelCount];
        for (int j = 0; j < channelCount; ++j) row[j] = coefficients[k][j];
        for (std::int32_t i = 0; i < n; ++i) {
            double sum = row[0] * c.in[0][i];
            for (int j = 1; j < channelCount; ++j) sum = sum + row[j] * c.in[j][i];
            r.out[k][i] = static_cast<float>(sum * volume);
        }
    }
}

using SumFunction = void (*)(const double (*)[kChannelCount], int, const InputChunk&, std::int32_t, double,
                             OutputChunk&);

SumFunction sumFor(int channelCount) {
    switch (channelCount) {
        case 3: return sumChunk<3>;
        case 4: return sumChunk<4>;
        case 5: return sumChunk<5>;
        case 8: return sumChunk<8>;
        default: return sumChunk<9>;
    }
}

void storeChunk(const OutputChunk& r, int speakers, float* const* outputs, std::int32_t start, std::int32_t n) {
    for (int k = 0; k < speakers; ++k) std::copy(r.out[k], r.out[k] + n, outputs[k] + start);
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

void BlendedMatrix::decode(const float* const* inputs, float* const* outputs, std::int32_t offset,
                           std::int32_t frames, float volume) const {
    if (!table_) return;
    const RigTable& table = *table_;
    const SumFunction sum = sumFor(table.channelCount);
    InputChunk chunk;
    OutputChunk result;
    for (std::int32_t done = 0; done < frames; done += kChunkFrames) {
        const std::int32_t start = offset + done;
        const std::int32_t n = std::min(kChunkFrames, frames - done);
        for (int j = 0; j < table.channelCount; ++j) {
            const float* in = inputs[table.channels[j]] + start;
            for (std::int32_t i = 0; i < n; ++i) chunk.in[j][i] = in[i];
        }
        sum(coefficients_, table.speakerCount, chunk, n, volume, result);
        storeChunk(result, table.speakerCount, outputs, start, n);
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
