// The zoom's sample loop: turns a first-order field so that the chosen direction lies on
// +X, applies a dominance transform along X, and turns it back. The eight rotation
// coefficients and the zoom amount glide towards their block targets. No host needed.
//
// [audio-thread] Allocates nothing, takes no lock, makes no virtual call.
#pragma once

#include <cstdint>

class ZoomTransform {
public:
    static constexpr int kChannels = 4;  // W, X, Y, Z
    // Smoothed values in their glide order: forward cosines and sines, then the back turn's.
    enum Coefficient { kCosAz, kCosEl, kSinAz, kSinEl, kCosBackAz, kCosBackEl, kSinBackAz, kSinBackEl, kZoom, kCount };

    // Targets of the coming block. zoomTarget is −1..1: positive strengthens sound from
    // the direction. A non-finite target holds its value where it is.
    void setTargets(double azimuthRad, double elevationRad, double zoomTarget);

    // Outputs may be the same arrays as the inputs.
    void processReplacing(const float* const* inputs, float* const* outputs, std::int32_t frames);
    void processAccumulating(const float* const* inputs, float* const* outputs, std::int32_t frames);

    double value(Coefficient which) const { return current_[which]; }

private:
    template <bool Accumulate>
    void run(const float* const* inputs, float* const* outputs, std::int32_t frames);

    // Starts as the untransformed field: cosines 1, sines 0, zoom 0.
    double current_[kCount] = {1.0, 1.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0, 0.0};
    double target_[kCount] = {1.0, 1.0, 0.0, 0.0, 1.0, 1.0, 0.0, 0.0, 0.0};
};
