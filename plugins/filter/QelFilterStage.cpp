#include "QelFilterStage.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// A NaN counts as silence too, so it cannot stay in the state.
bool isSilent(float v) { return !(v > 0.0f || v < 0.0f); }

// Resonance as the stage uses it: 0 to 1 (NaN as 0). Outside that range the damping turns
// negative or the input gain grows without bound.
float usableResonance(float resonance) {
    if (!(resonance >= 0.0f)) return 0.0f;
    return resonance > 1.0f ? 1.0f : resonance;
}

// The two-integrator loop is stable while f^2 + 2 f q < 4 (f > 0); its gain near half the
// sample rate grows without bound as that sum approaches 4. Up to 3520 Hz at 32 kHz and
// above the sum stays below 3.3, so the limit of 3.5 leaves those rates exactly as the
// plain formula gives them and only holds back a cutoff too close to half a low rate.
float usableFrequency(float frequency, float damping) {
    constexpr double kLoopLimit = 3.5;
    if (!(frequency > 0.0f)) return 0.0f;  // negative, NaN: a still stage
    const double q = damping;
    const float largest = static_cast<float>(std::sqrt(q * q + kLoopLimit) - q);
    return frequency < largest ? frequency : largest;
}

bool isFinite(float v) { return v - v == 0.0f; }

}  // namespace

void TQelFilter1::configure(float cutoffHz, float resonance, float sampleRateHz) {
    if (cutoffHz != cutoffHz_ || sampleRateHz != sampleRateHz_) {
        cutoffHz_ = cutoffHz;
        sampleRateHz_ = sampleRateHz;
        // Without a positive sample rate there is no meaningful frequency; the stage then
        // stays still instead of filling its state with NaN.
        plainFrequency_ =
            sampleRateHz > 0.0f
                ? static_cast<float>(2.0L * std::sin(kPi * cutoffHz / static_cast<long double>(sampleRateHz)))
                : 0.0f;
    }
    resonance_ = resonance;
    const float r = usableResonance(resonance);
    damping_ = (1.0f - r) * 2.0f + 0.025f;
    inputGain_ = std::min(1.5f - r, 1.0f);
    frequency_ = usableFrequency(plainFrequency_, damping_);
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
    // A non-finite input (or an overflow) would otherwise stay in the loop for ever.
    if (!isFinite(low_) || !isFinite(band_) || !isFinite(high_)) reset();
}

void TQelFilter1::reset() { low_ = band_ = high_ = lastInput_ = 0.0f; }
