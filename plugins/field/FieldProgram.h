// One program of the field rotator: Angle1, Angle2, Angle3 and Order of Processing
// (normalised 0..1) and a name of at most 23 characters plus NUL.
#pragma once

#include "SoundFieldPlugin.h"

using FieldProgram = bformat::SoundFieldProgram<4>;

constexpr FieldProgram kNewFieldProgram = {{0.0f, 0.0f, 0.0f, 0.0f}, "Ambisonic field control"};
