// The panner's stored parameter values and its program record. Values are normalised
// (0..1 as the host sees them); the record's field order is the panner's program layout.
// What a new program holds is declared in the parameter table (PanParameters.h).
#pragma once

#include <cstddef>

// The eight values of one source, in program-record order.
struct PanSourceValues {
    float az = 0.0f;
    float el = 0.0f;
    float zero = 0.0f;
    float first = 0.0f;
    float vol = 0.0f;
    float dist = 0.0f;
    float dfact = 0.0f;
    float centre = 0.0f;
};

// Every stored value of the panner. The effect variant leaves the last three unused.
struct PanValues {
    PanSourceValues left;
    PanSourceValues right;
    float lrPan = 0.0f;
    float fbPan = 0.0f;
    float mirrorType = 0.0f;
};

constexpr std::size_t kPanMasterNameSize = 28;  // NUL included
constexpr std::size_t kPanEffectNameSize = 24;

struct PanProgram {
    PanValues values;  // the plug-in fills in the table's defaults
    // Sized for the master variant; the effect variant uses the first kPanEffectNameSize.
    char name[kPanMasterNameSize] = "Ambisonic pan control";
};
