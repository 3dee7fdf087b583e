// The one-pole coefficient glide shared by the panner, the field rotator and the zoom:
// once per sample frame, value = 0.999 × value + (1 − 0.999) × target, a time constant of
// about 1000 frames. Targets are rebuilt at each block start.
#pragma once

#include <cmath>

namespace bformat {

constexpr double kGlideKeep = 0.999;
// Evaluated in double: 0.0010000000000000009, not 0.001.
constexpr double kGlideStep = 1.0 - kGlideKeep;

// One glide step. `stepTarget` is kGlideStep × target, computed once per block.
inline double glideStep(double current, double stepTarget) { return kGlideKeep * current + stepTarget; }

// A target that came out NaN or infinite (from a host's NaN or infinite parameter value)
// is replaced by the coefficient's present value: the glide holds where it is instead of
// being poisoned for ever, and moves on once finite targets return.
inline double finiteTargetOr(double target, double current) { return std::isfinite(target) ? target : current; }

}  // namespace bformat
