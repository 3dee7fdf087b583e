// The filter's formulas written out plainly, sample by sample, for comparison: the
// frequency coefficient is computed on every tick.
#pragma once

#include <algorithm>
#include <cmath>

struct ReferenceStage {
    float cutoffHz = 0.0f, resonance = 0.0f, sampleRateHz = 44100.0f;
    float low = 0.0f, band = 0.0f, high = 0.0f, last = 0.0f;

    static bool silent(float v) { return !(v > 0.0f || v < 0.0f); }

    void tick(float x) {
        if (silent(last) && silent(x)) {
            low = band = high = last = 0.0f;
            return;
        }
        last = x;
        const float f = static_cast<float>(2.0L * std::sin(3.14159265358979323846264338327950288L * cutoffHz /
                                                           static_cast<long double>(sampleRateHz)));
        const float q = (1.0f - resonance) * 2.0f + 0.025f;
        const float g = std::min(1.5f - resonance, 1.0f);
        const float in = g * x;
        high = in - low - q * band;
        band = f * high + band;
        low = f * band + low;
    }
    float output(int type) const { return type == 0 ? low : type == 1 ? band : high; }
};
