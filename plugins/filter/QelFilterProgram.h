// One program of the filter, in the plug-in's own units.
#pragma once

#include <cstdint>

struct Qel_FilterProgram {
    static constexpr int kNameSize = 24;  // including the terminating NUL
    std::int32_t filterType = 0;          // 0 low, 1 band, 2 high pass
    float cutoffHz = 220.0f;
    float resonance = 0.5f;
    float inputGain = 0.8f;
    float outputGain = 1.2f;
    float slope = 0.0f;
    char name[kNameSize] = "Init";
};
