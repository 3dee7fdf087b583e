// The panner's gain formulas written out plainly, as expected values for the tests.
#pragma once

#include <cmath>

namespace firstorder {

inline double referenceVolumeGain(double v) {
    if (v >= 0.5) return std::pow(10.0, (v - 1.0) * 2.0);
    if (v >= 0.2) return std::pow(10.0, (v - 0.625) * 8.0);
    return std::pow(10.0, (v - 0.483333333333) * 12.0);
}

// −6 × dfact dB per doubling of distance beyond the centre radius.
inline double referenceDistanceGain(double dist, double centre, double dfact) {
    return std::pow(10.0, -6.0 * dfact * std::log2(dist / centre) / 20.0);
}

// Host indices of one source's parameters in one variant.
struct SourceIndices {
    int az, el, centre, vol, dist, dfact, zero, first;
};

// Master indices; the effect variant's are four lower.
constexpr SourceIndices kLeftMaster{4, 5, 6, 7, 8, 9, 10, 11};
constexpr SourceIndices kRightMaster{12, 13, 17, 14, 15, 16, 18, 19};

inline SourceIndices shifted(SourceIndices s, int by) {
    return {s.az - by, s.el - by, s.centre - by, s.vol - by, s.dist - by, s.dfact - by, s.zero - by, s.first - by};
}

}  // namespace firstorder
