#include "QelFilterStage.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// A NaN counts as silence too, so it cannot stay in the state.
bool isSilent(float v) { return !(v > 0.0f || v < 0.0f); }

}  // namespace

void TQelFilter1::configure(float cutoffHz, float resonance, float sampleRateHz) {
    if (cutoffHz != cutoffHz_ || sampleRateHz != sampleRateHz_) {
        cutoffHz_ = cutoffHz;
        sampleRateHz_ = sampleRateHz;
        // Without a positive sample rate there is no meaningful frequency; the stage then
        // stays still instead of filling its state with NaN.
        frequency_ = sampleRateHz > 0.0f
                         ? static_cast<float>(2.0L * std::sin(kPi * cutoffHz / static_cast<long double>(sampleRateHz)))
                         : 0.0f;
    }
    resonance_ = resonance;
    damping_ = (1.0f - resonance) * 2.0f + 0.025f;
    inputGain_ = std::min(1.5f - resonance, 1.0f);
}

void TQelFilter1::tick(float input) {
    if (isSilent(lastInput_) && isSilent(input)) {
        reset();
        return;
    }
    lastInput_ = input;
    const float x = inputGain_ * input;
    high_ = x - low_ - damping_ * band_;
    band_ = frequency_ * high_ + band_;
    low_ = frequency_ * band_ + low_;
}

void TQelFilter1::reset() { low_ = band_ = high_ = lastInput_ = 0.0f; }
