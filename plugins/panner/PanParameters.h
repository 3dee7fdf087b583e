// The panner's parameter table. Indices are the master variant's; the effect variant has
// no pan position, mirror type or pan angle, and its indices are the master's minus four.
#pragma once

#include <array>
#include <cstdint>

#include "PanProgram.h"
#include "ParameterTable.h"

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

using PanParamInfo = bformat::ParameterRow<PanDisplay>;

// Program slots are positions in PanValues: left source 0..7, right source 8..15 (each in
// PanSourceValues order), then the pan position and the mirror type. Selecting a program
// replays both sources' values first, then the pan values; the pan angle comes last and
// is sent from the live pan position. Labels differ on purpose: "%" for the left source,
// " % " for the right one.
constexpr PanParamInfo kPanParams[kPanMasterParamCount] = {
    {"L_R Pan", "    ", PanDisplay::Value, 0.0f, 16, 16},
    {"F_B Pan", "    ", PanDisplay::Value, 0.0f, 17, 17},
    {"Mirror Type", "mirror", PanDisplay::PanMode, 0.2f, 18, 18},
    {"PanAngle", "degrees", PanDisplay::PanAngle, 0.0f, bformat::kNotStored, 19},
    {"Left Az", "degrees", PanDisplay::Azimuth, 1.0f, 0, 0},
    {"Left El", "degrees", PanDisplay::Elevation, 0.5f, 1, 1},
    {"Left Centre", "    ", PanDisplay::TimesTen, 0.1f, 7, 4},
    {"Left Vol", " dB ", PanDisplay::Decibels, 0.8333333f, 4, 2},
    {"Left Dist", "    ", PanDisplay::TimesTen, 0.1f, 5, 3},
    {"Left DFact", " dB ", PanDisplay::PerDoubling, 0.75f, 6, 5},
    {"Left Zero", "%", PanDisplay::Percent, 0.707f, 2, 6},
    {"Left First", "%", PanDisplay::Percent, 1.0f, 3, 7},
    {"Rht Az", "degrees", PanDisplay::Azimuth, 1.0f, 8, 8},
    {"Rht El", "degrees", PanDisplay::Elevation, 0.5f, 9, 9},
    {"Rht Vol", " dB ", PanDisplay::Decibels, 0.8333333f, 12, 10},
    {"Rht Dist", "    ", PanDisplay::TimesTen, 0.1f, 13, 11},
    {"Rht DFact", " dB ", PanDisplay::PerDoubling, 0.75f, 14, 13},
    {"Rht Centre", "    ", PanDisplay::TimesTen, 0.1f, 15, 12},
    {"Rht Zero", " % ", PanDisplay::Percent, 0.707f, 10, 14},
    {"Rht First", " % ", PanDisplay::Percent, 1.0f, 11, 15},
};

static_assert(bformat::isConsistent(kPanParams, sizeof(PanValues) / sizeof(float)),
              "every program slot and replay position is used once");

// Master indices in the order selecting a program replays them.
constexpr std::array<std::int32_t, kPanMasterParamCount> kPanReplayOrder = bformat::replayOrder(kPanParams);

// The values a new program holds.
PanValues panDefaultValues();
