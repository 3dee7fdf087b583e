// The panner's parameter table. Indices are the master variant's; the effect variant has
// no pan position, mirror type or pan angle, and its indices are the master's minus four.
#pragma once

#include <cstdint>

#include "PanProgram.h"

enum PanParam : std::int32_t {
    kLrPan,
    kFbPan,
    kMirrorType,
    kPanAngle,  // derived for display only, never stored
    kLeftAz,
    kLeftEl,
    kLeftCentre,
    kLeftVol,
    kLeftDist,
    kLeftDFact,
    kLeftZero,
    kLeftFirst,
    kRhtAz,
    kRhtEl,
    kRhtVol,
    kRhtDist,
    kRhtDFact,
    kRhtCentre,
    kRhtZero,
    kRhtFirst,
    kPanMasterParamCount
};

constexpr std::int32_t kPanEffectIndexOffset = kLeftAz;
constexpr std::int32_t kPanEffectParamCount = kPanMasterParamCount - kPanEffectIndexOffset;

// How a parameter's display text is made from its value.
enum class PanDisplay {
    Value,        // the value itself
    PanMode,      // long2string of the pan mode
    PanAngle,     // the pan angle in degrees, 0..360
    Azimuth,      // 360 − (1 − v) × 360
    Elevation,    // (v − 0.5) × 180
    TimesTen,     // v × 10
    Decibels,     // dB2string(v)
    PerDoubling,  // v × −6
    Percent,      // v × 100
};

struct PanParamInfo {
    const char* name;
    const char* label;
    PanDisplay display;
};

// Indexed by master index.
const PanParamInfo& panParamInfo(std::int32_t masterIndex);

// The live field of a stored parameter, or null for the pan angle and any other index.
float* panValueSlot(PanValues& values, std::int32_t masterIndex);

// The order in which selecting a program replays its values (master indices); the pan
// angle comes last and is sent from the live pan position.
extern const std::int32_t kPanReplayOrder[kPanMasterParamCount];
