// Two sample frames side by side in one vector of doubles. The settled sample loops run
// frames in pairs; each lane goes through the same IEEE operations as a single frame in
// `double`, so both give the same samples. Kernels are written once over a lane type
// (double or FramePair) with loadFrames/storeFrames/roundedToFloat.
#pragma once

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bformat {

using FramePair = double __attribute__((vector_size(16)));
using FloatPair = float __attribute__((vector_size(8)));

template <typename Lane>
inline Lane loadFrames(const float* samples);

template <>
inline double loadFrames<double>(const float* samples) {
    return *samples;
}

// With SSE2 a pair of samples moves as one 64-bit load or store and one conversion.
template <>
inline FramePair loadFrames<FramePair>(const float* samples) {
#if defined(__SSE2__)
    return FramePair(_mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(samples)))));
#else
    FloatPair pair;
    std::memcpy(&pair, samples, sizeof pair);
    return __builtin_convertvector(pair, FramePair);
#endif
}

inline void storeFrames(float* samples, double value) { *samples = static_cast<float>(value); }

inline void storeFrames(float* samples, FramePair value) {
#if defined(__SSE2__)
    _mm_storel_epi64(reinterpret_cast<__m128i*>(samples), _mm_castps_si128(_mm_cvtpd_ps(__m128d(value))));
#else
    const FloatPair pair = __builtin_convertvector(value, FloatPair);
    std::memcpy(samples, &pair, sizeof pair);
#endif
}

// The value as a float32 sample would hold it.
inline double roundedToFloat(double value) { return static_cast<float>(value); }

inline FramePair roundedToFloat(FramePair value) {
    return __builtin_convertvector(__builtin_convertvector(value, FloatPair), FramePair);
}

// Stores into an output buffer, adding to what it holds when accumulating.
template <bool Accumulate, typename Lane>
inline void emitFrames(float* samples, Lane value) {
    if (Accumulate)
        storeFrames(samples, loadFrames<Lane>(samples) + value);
    else
        storeFrames(samples, value);
}

}  // namespace bformat
