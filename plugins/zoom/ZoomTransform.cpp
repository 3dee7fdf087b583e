#include "ZoomTransform.h"

#include <algorithm>
#include <cmath>

#include "Glide.h"

using bformat::finiteTargetOr;
using bformat::glideStep;
using bformat::kGlideStep;

namespace {

constexpr double kOmniBoost = 0.414;

template <bool Accumulate>
inline void store(float* out, double value) {
    *out = Accumulate ? static_cast<float>(*out + value) : static_cast<float>(value);
}

}  // namespace

void ZoomTransform::setTargets(double az, double el, double zoomTarget) {
    const double targets[kCount] = {std::cos(az),  std::cos(el),  std::sin(az),  std::sin(el), std::cos(-az),
                                    std::cos(-el), std::sin(-az), std::sin(-el), zoomTarget};
    for (int i = 0; i < kCount; ++i) target_[i] = finiteTargetOr(targets[i], current_[i]);
}

template <bool Accumulate>
void ZoomTransform::run(const float* const* in, float* const* out, std::int32_t frames) {
    double c[kCount];
    double stepTarget[kCount];
    for (int i = 0; i < kCount; ++i) {
        c[i] = current_[i];
        stepTarget[i] = kGlideStep * target_[i];
    }
    for (std::int32_t n = 0; n < frames; ++n) {
        const double w = in[0][n];
        const double x = in[1][n];
        const double y = in[2][n];
        const double z = in[3][n];
        const double zoom = c[kZoom];
        // Turn the chosen direction onto +X: about Z, then in the X–Z plane.
        const double x1 = c[kCosAz] * x - c[kSinAz] * y;
        const double y1 = c[kSinAz] * x + c[kCosAz] * y;
        const double x2 = c[kCosEl] * x1 - c[kSinEl] * z;
        const double z2 = c[kSinEl] * x1 + c[kCosEl] * z;
        // Dominance along X. Hosts do not clamp parameters, so |zoom| may pass 1 with values
        // outside 0..1; the square root then stays at 0 instead of turning NaN.
        const double q = std::sqrt(std::max(0.0, 1.0 - zoom * zoom));
        const double w3 = (std::fabs(zoom) * kOmniBoost + 1.0) * w + (zoom / 2.0) * x2;
        const double x3 = x2 + zoom * w;
        const double y3 = q * y1;
        const double z3 = q * z2;
        // Turn back.
        const double x4 = c[kCosBackEl] * x3 - c[kSinBackEl] * z3;
        const double z4 = c[kSinBackEl] * x3 + c[kCosBackEl] * z3;
        const double x5 = c[kCosBackAz] * x4 - c[kSinBackAz] * y3;
        const double y5 = c[kSinBackAz] * x4 + c[kCosBackAz] * y3;
        store<Accumulate>(out[0] + n, w3);
        store<Accumulate>(out[1] + n, x5);
        store<Accumulate>(out[2] + n, y5);
        store<Accumulate>(out[3] + n, z4);
        for (int i = 0; i < kCount; ++i) c[i] = glideStep(c[i], stepTarget[i]);
    }
    for (int i = 0; i < kCount; ++i) current_[i] = c[i];
}

void ZoomTransform::processReplacing(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<false>(inputs, outputs, frames);
}

void ZoomTransform::processAccumulating(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<true>(inputs, outputs, frames);
}
