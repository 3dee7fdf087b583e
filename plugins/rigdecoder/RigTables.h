// Constant decoding data of the rig decoder's loudspeaker rigs: for each rig and order a
// strict-soundfield table, a controlled-opposites table and their difference, over the
// input channels the rig reads. Plain data, free of the host layer.
#pragma once

#include <cstdint>

namespace rig {

// Input channels of second-order B-format, in buffer order.
enum Channel : int { W, X, Y, Z, R, S, T, U, V, kChannelCount };

constexpr int kMaxSpeakers = 12;
constexpr int kRigCount = 11;  // indices 0 to 10; 0 is stereo, 7 is no rig

// Coefficients are stored densely: row k (speaker k + 1) holds one value per channel read,
// in the order of `channels`.
struct RigTable {
    int speakerCount;
    int channelCount;
    const int* channels;
    const float* strict;      // used alone at blend 1.0
    const float* controlled;  // used alone at blend 0.0
    const float* difference;  // strict - controlled, rounded to single precision

    float strictAt(int speaker, int column) const { return strict[speaker * channelCount + column]; }
    float controlledAt(int speaker, int column) const { return controlled[speaker * channelCount + column]; }
    float differenceAt(int speaker, int column) const { return difference[speaker * channelCount + column]; }
};

// The table for a rig value and order, or null: only the exact values 1.0 to 6.0 and 8.0
// to 10.0 have tables (0.0 is the stereo rule, everything else decodes to silence).
const RigTable* rigTableFor(float rigValue, bool firstOrder);

// Speakers of the rig whose index is `rigValue` truncated towards zero; 0 outside 0 to 10.
int speakerCountForRig(float rigValue);

// The stereo rule's W weight: the single-precision value of the decimal 0.7071.
constexpr float kStereoW = 0.7071f;
constexpr double kStereoY = 0.5;

}  // namespace rig
