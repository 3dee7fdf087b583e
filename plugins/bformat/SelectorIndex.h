// Five-step selectors (the panner's mirror type, the field rotator's order of processing)
// turn a parameter value into an index as trunc(value × 5 + 0.51), with 5 and 0.51 as
// float32 constants and the product and sum taken exactly in double.
#pragma once

#include <cmath>

namespace bformat {

inline int selectorIndex(float value) {
    const double sum = static_cast<double>(value) * static_cast<double>(5.0f) + static_cast<double>(0.51f);
    if (std::isnan(sum)) return 0;
    // Values far outside 0..1 (hosts do not clamp) must not overflow the conversion.
    constexpr double kLimit = 1.0e9;
    return static_cast<int>(std::fmin(std::fmax(sum, -kLimit), kLimit));  // truncates toward zero
}

}  // namespace bformat
