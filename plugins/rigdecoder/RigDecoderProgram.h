// The rig decoder's single program record: its six parameter values and its name.
#pragma once

#include <atomic>

#include "RelaxedFloat.h"

struct RigDecoderProgram {
    static constexpr int kNameSize = 24;  // including the terminating NUL
    // Stereo, half-way blend, volume 1.0 (0 dB), second order, test off, no loop. Shared
    // floats: the loudspeaker test switches itself off from the audio thread.
    std::atomic<float> values[6] = {0.0f, 0.5f, 1.0f, 0.0f, 0.0f, 0.0f};
    char name[kNameSize] = "";
};
