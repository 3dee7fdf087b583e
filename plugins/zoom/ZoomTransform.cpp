#include "ZoomTransform.h"

#include <algorithm>
#include <cmath>

#include "FramePair.h"
#include "Glide.h"
#include "GlideBlock.h"
#include "PortableMath.h"

using bformat::finiteTargetOr;

namespace {

using bformat::FramePair;

constexpr double kOmniBoost = 0.414;

// What the dominance needs from the smoothed zoom z, worked out once per use.
struct Dominance {
    double zoom;
    double omniGain;  // |z| × 0.414 + 1
    double halfZoom;
    double q;  // √(1 − z²)

    explicit Dominance(double z)
        : zoom(z),
          omniGain(std::fabs(z) * kOmniBoost + 1.0),
          halfZoom(z / 2.0),
          // Hosts do not clamp parameters, so |z| may pass 1 with values outside 0..1; the
          // square root then stays at 0 instead of turning NaN.
          q(std::sqrt(std::max(0.0, 1.0 - z * z))) {}
};

// u' = c·u − s·v, v' = s·u + c·v.
template <typename Lane>
inline void turn(Lane& u, Lane& v, double c, double s) {
    const Lane turned = c * u - s * v;
    v = s * u + c * v;
    u = turned;
}

// The frames at n (one or a pair, by lane type) with coefficients c: all four inputs are
// read before any output is written.
template <bool Accumulate, typename Lane>
inline void zoomFrames(const double* c, const Dominance& d, const float* const* in, float* const* out,
                       std::int32_t n) {
    using T = ZoomTransform;
    Lane w = bformat::loadFrames<Lane>(in[0] + n);
    Lane x = bformat::loadFrames<Lane>(in[1] + n);
    Lane y = bformat::loadFrames<Lane>(in[2] + n);
    Lane z = bformat::loadFrames<Lane>(in[3] + n);
    // Turn the chosen direction onto +X: about Z, then in the X–Z plane.
    turn(x, y, c[T::kCosAz], c[T::kSinAz]);
    turn(x, z, c[T::kCosEl], c[T::kSinEl]);
    // Dominance along X.
    const Lane dominantW = d.omniGain * w + d.halfZoom * x;
    x = x + d.zoom * w;
    y = d.q * y;
    z = d.q * z;
    // Turn back: in the X–Z plane, then about Z.
    turn(x, z, c[T::kCosBackEl], c[T::kSinBackEl]);
    turn(x, y, c[T::kCosBackAz], c[T::kSinBackAz]);
    bformat::emitFrames<Accumulate>(out[0] + n, dominantW);
    bformat::emitFrames<Accumulate>(out[1] + n, x);
    bformat::emitFrames<Accumulate>(out[2] + n, y);
    bformat::emitFrames<Accumulate>(out[3] + n, z);
}

}  // namespace

void ZoomTransform::setTargets(double az, double el, double zoomTarget) {
    const double targets[kCount] = {portable::cos(az),  portable::cos(el),  portable::sin(az),  portable::sin(el), portable::cos(-az),
                                    portable::cos(-el), portable::sin(-az), portable::sin(-el), zoomTarget};
    for (int i = 0; i < kCount; ++i) target_[i] = finiteTargetOr(targets[i], current_[i]);
}

// While gliding every value moves after each frame; once all sit on the glide's fixed
// point they stay, and frames go in pairs with the same arithmetic.
template <bool Accumulate>
void ZoomTransform::run(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    // Channel pointers in locals: stores into the buffers cannot then be taken to change them.
    const float* const in[kChannels] = {inputs[0], inputs[1], inputs[2], inputs[3]};
    float* const out[kChannels] = {outputs[0], outputs[1], outputs[2], outputs[3]};
    bformat::GlideBlock<kCount> glide(current_, target_);
    const double* c = glide.value;
    std::int32_t n = 0;
    if (glide.settled) {
        const Dominance dominance(c[kZoom]);
        for (; n + 2 <= frames; n += 2) zoomFrames<Accumulate, FramePair>(c, dominance, in, out, n);
        for (; n < frames; ++n) zoomFrames<Accumulate, double>(c, dominance, in, out, n);
        return;
    }
    for (; n < frames; ++n) {
        zoomFrames<Accumulate, double>(c, Dominance(c[kZoom]), in, out, n);
        glide.step();
    }
    glide.storeInto(current_);
}

void ZoomTransform::processReplacing(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<false>(inputs, outputs, frames);
}

void ZoomTransform::processAccumulating(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<true>(inputs, outputs, frames);
}
