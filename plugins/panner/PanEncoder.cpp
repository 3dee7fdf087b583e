#include "PanEncoder.h"

#include "Glide.h"
#include "PanGains.h"

using bformat::finiteTargetOr;
using bformat::glideStep;
using bformat::kGlideStep;
using pangains::kDenormalGuard;

void PanEncoder::setTargets(const double leftTargets[kChannels], const double rightTargets[kChannels]) {
    for (int k = 0; k < kChannels; ++k) {
        target_[k] = finiteTargetOr(leftTargets[k], current_[k]);
        target_[kChannels + k] = finiteTargetOr(rightTargets[k], current_[kChannels + k]);
    }
}

// Each output sample is rounded to float32 twice per frame: once with the left source's
// share, once more with the right source's added.
template <bool Accumulate, bool Settled>
void PanEncoder::run(const float* left, const float* right, float* const* outputs, std::int32_t frames) {
    double c[kCoefficients];
    double stepTarget[kCoefficients];
    for (int i = 0; i < kCoefficients; ++i) {
        c[i] = current_[i];
        stepTarget[i] = kGlideStep * target_[i];
    }
    float* const w = outputs[0];
    float* const x = outputs[1];
    float* const y = outputs[2];
    float* const z = outputs[3];
    for (std::int32_t n = 0; n < frames; ++n) {
        const double l = left[n];
        const double r = right[n];
        float* const out[kChannels] = {w + n, x + n, y + n, z + n};
        float leftShare[kChannels];
        for (int k = 0; k < kChannels; ++k) {
            const double product = l * c[k] + kDenormalGuard;
            leftShare[k] = Accumulate ? static_cast<float>(*out[k] + product) : static_cast<float>(product);
        }
        for (int k = 0; k < kChannels; ++k)
            *out[k] = static_cast<float>(leftShare[k] + (r * c[kChannels + k] + kDenormalGuard));
        if (!Settled)
            for (int i = 0; i < kCoefficients; ++i) c[i] = glideStep(c[i], stepTarget[i]);
    }
    for (int i = 0; i < kCoefficients; ++i) current_[i] = c[i];
}

// Once every coefficient sits on the glide's fixed point the step changes nothing, so the
// loop without it gives the same samples.
template <bool Accumulate>
void PanEncoder::dispatch(const float* left, const float* right, float* const* outputs, std::int32_t frames) {
    bool settled = true;
    for (int i = 0; i < kCoefficients; ++i)
        settled = settled && glideStep(current_[i], kGlideStep * target_[i]) == current_[i];
    if (settled)
        run<Accumulate, true>(left, right, outputs, frames);
    else
        run<Accumulate, false>(left, right, outputs, frames);
}

void PanEncoder::processReplacing(const float* left, const float* right, float* const* outputs,
                                  std::int32_t frames) {
    dispatch<false>(left, right, outputs, frames);
}

void PanEncoder::processAccumulating(const float* left, const float* right, float* const* outputs,
                                     std::int32_t frames) {
    dispatch<true>(left, right, outputs, frames);
}
