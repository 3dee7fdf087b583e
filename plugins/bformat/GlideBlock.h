// One block's worth of glide bookkeeping for a kernel with N gliding values: local copies
// of the values, the per-block products kGlideStep × target, and whether every value
// already sits on the glide's fixed point (then a step changes nothing and the kernel may
// skip it, giving the same samples).
#pragma once

#include "Glide.h"

namespace bformat {

template <int N>
struct GlideBlock {
    double value[N];
    double stepTarget[N];
    bool settled = true;

    GlideBlock(const double* current, const double* target) {
        for (int i = 0; i < N; ++i) {
            value[i] = current[i];
            stepTarget[i] = kGlideStep * target[i];
            settled = settled && glideStep(value[i], stepTarget[i]) == value[i];
        }
    }

    // Once per sample frame, after the frame's outputs.
    void step() {
        for (int i = 0; i < N; ++i) value[i] = glideStep(value[i], stepTarget[i]);
    }

    void storeInto(double* current) const {
        for (int i = 0; i < N; ++i) current[i] = value[i];
    }
};

}  // namespace bformat
