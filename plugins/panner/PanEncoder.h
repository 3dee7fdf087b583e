// The panner's sample loop: encodes a left and a right source into W, X, Y, Z with eight
// gliding gains (source × channel). No host needed; the plug-in sets the targets once per
// block and runs the loop.
//
// [audio-thread] Allocates nothing, takes no lock, makes no virtual call.
#pragma once

#include <cstdint>

class PanEncoder {
public:
    static constexpr int kChannels = 4;  // W, X, Y, Z

    // Targets of the coming block, per channel W, X, Y, Z. A non-finite target holds its
    // coefficient where it is.
    void setTargets(const double leftTargets[kChannels], const double rightTargets[kChannels]);

    // Outputs may be the same arrays as the inputs: each frame's inputs are read before
    // any of its outputs is written.
    void processReplacing(const float* left, const float* right, float* const* outputs, std::int32_t frames);
    void processAccumulating(const float* left, const float* right, float* const* outputs, std::int32_t frames);

    double leftCoefficient(int channel) const { return current_[channel]; }
    double rightCoefficient(int channel) const { return current_[kChannels + channel]; }

private:
    static constexpr int kCoefficients = 2 * kChannels;  // left W X Y Z, right W X Y Z

    template <bool Accumulate>
    void run(const float* left, const float* right, float* const* outputs, std::int32_t frames);

    double current_[kCoefficients] = {};
    double target_[kCoefficients] = {};
};
