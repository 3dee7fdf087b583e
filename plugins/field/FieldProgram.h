// One program of the field rotator: Angle1, Angle2, Angle3 and Order of Processing
// (normalised 0..1) and a name of at most 23 characters plus NUL.
#pragma once

constexpr int kFieldParamCount = 4;
constexpr int kFieldNameSize = 24;

struct FieldProgram {
    float values[kFieldParamCount] = {0.0f, 0.0f, 0.0f, 0.0f};
    char name[kFieldNameSize] = "Ambisonic field control";
};
