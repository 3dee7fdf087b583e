// The field rotator's sample loop: turns a first-order field (W, X, Y, Z) through three
// axis rotations in one of six orders, with gliding sines and cosines. W passes unchanged.
// No host needed; the plug-in sets the angles once per block and runs the loop.
//
// [audio-thread] Allocates nothing, takes no lock, makes no virtual call; the order is
// chosen once per block, not per sample.
#pragma once

#include <cstdint>

class FieldRotator {
public:
    static constexpr int kChannels = 4;  // W, X, Y, Z
    static constexpr int kOrderCount = 6;
    enum Axis { kAxisZ, kAxisX, kAxisY, kAxisCount };  // rotate, tilt, tumble

    // Targets of the coming block: angle1 drives the axis applied first, and so on (order
    // index 0..5; any other index counts as 0). A non-finite sine or cosine holds its
    // coefficient where it is.
    void setTargets(double angle1Rad, double angle2Rad, double angle3Rad, int orderIndex);

    // Outputs may be the same arrays as the inputs.
    void processReplacing(const float* const* inputs, float* const* outputs, std::int32_t frames);
    void processAccumulating(const float* const* inputs, float* const* outputs, std::int32_t frames);

private:
    static constexpr int kCoefficients = 2 * kAxisCount;  // sZ, sX, sY, cZ, cX, cY

    template <bool Accumulate>
    void run(const float* const* inputs, float* const* outputs, std::int32_t frames);

    // Starts as the unrotated field: sines 0, cosines 1.
    double current_[kCoefficients] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    double target_[kCoefficients] = {0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    int order_ = 0;
};
