#include "PanEncoder.h"

#include "FramePair.h"
#include "Glide.h"
#include "GlideBlock.h"
#include "PanGains.h"

using bformat::finiteTargetOr;
using bformat::FramePair;
using pangains::kDenormalGuard;

namespace {

constexpr int kChannels = PanEncoder::kChannels;

// The frames at n (one or a pair, by lane type) with coefficients c: both inputs are read
// first. Each output sample is rounded to float32 twice: once with the left source's
// share, once more with the right source's added.
template <bool Accumulate, typename Lane>
inline void encodeFrames(const double* c, const float* left, const float* right, float* const* outputs,
                         std::int32_t n) {
    const Lane l = bformat::loadFrames<Lane>(left + n);
    const Lane r = bformat::loadFrames<Lane>(right + n);
    for (int k = 0; k < kChannels; ++k) {
        float* const out = outputs[k] + n;
        const Lane leftProduct = l * c[k] + kDenormalGuard;
        const Lane leftShare =
            bformat::roundedToFloat(Accumulate ? bformat::loadFrames<Lane>(out) + leftProduct : leftProduct);
        bformat::storeFrames(out, leftShare + (r * c[kChannels + k] + kDenormalGuard));
    }
}

}  // namespace

void PanEncoder::setTargets(const double leftTargets[kChannels], const double rightTargets[kChannels]) {
    for (int k = 0; k < kChannels; ++k) {
        target_[k] = finiteTargetOr(leftTargets[k], current_[k]);
        target_[kChannels + k] = finiteTargetOr(rightTargets[k], current_[kChannels + k]);
    }
}

// While gliding every coefficient moves after each frame. Once all sit on the glide's
// fixed point the step changes nothing, so frames go in pairs without it.
template <bool Accumulate>
void PanEncoder::run(const float* left, const float* right, float* const* outputs, std::int32_t frames) {
    // Channel pointers in locals: stores into the buffers cannot then be taken to change them.
    float* const out[kChannels] = {outputs[0], outputs[1], outputs[2], outputs[3]};
    bformat::GlideBlock<kCoefficients> glide(current_, target_);
    std::int32_t n = 0;
    if (glide.settled) {
        for (; n + 2 <= frames; n += 2) encodeFrames<Accumulate, FramePair>(glide.value, left, right, out, n);
        for (; n < frames; ++n) encodeFrames<Accumulate, double>(glide.value, left, right, out, n);
        return;
    }
    for (; n < frames; ++n) {
        encodeFrames<Accumulate, double>(glide.value, left, right, out, n);
        glide.step();
    }
    glide.storeInto(current_);
}

void PanEncoder::processReplacing(const float* left, const float* right, float* const* outputs,
                                  std::int32_t frames) {
    run<false>(left, right, outputs, frames);
}

void PanEncoder::processAccumulating(const float* left, const float* right, float* const* outputs,
                                     std::int32_t frames) {
    run<true>(left, right, outputs, frames);
}
