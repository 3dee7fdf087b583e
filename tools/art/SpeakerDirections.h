// Where the decoder's layouts and the rig decoder's rigs put their loudspeakers, derived
// from the plug-ins' own tables (so the editor pictures follow the decoding, not a second
// hand-typed copy). Directions are in degrees: azimuth from the front towards the left,
// elevation upwards.
#pragma once

#include <optional>
#include <vector>

namespace art {

struct Direction {
    double azimuthDeg;
    double elevationDeg;
};

// One entry per output in output order; no direction where an output carries no
// directional part (mono carries W alone). A decoder output points along its X, Y, Z weights.
std::vector<std::optional<Direction>> decoderOutputDirections(int layoutIndex);

// One entry per speaker in output order; empty for the index without a rig. A speaker's
// direction is the plane-wave direction whose strict second-order decode comes closest to
// that speaker alone: exactly that speaker for the Square, Pentagon and Surround, and the
// speaker's own direction, by symmetry, for the other rigs. Stereo follows its fixed rule
// (+Y to output 1, -Y to output 2).
std::vector<Direction> rigSpeakerDirections(int rigIndex);

}  // namespace art
