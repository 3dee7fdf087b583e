// Per-block arithmetic of the panner: the volume curve, the distance gain, the pan
// position's angle and distance, the master variant's pan modes and each source's four
// channel targets. Plain functions in double precision; the plug-in calls them once per
// block and hands the targets to the encoder.
#pragma once

#include "AngleConstants.h"

namespace pangains {

using bformat::kPi;
using bformat::kTwoPi;
constexpr double kDenormalGuard = 1e-20;
constexpr double kDistanceExponent = -0.3;
constexpr double kSmallestCentre = 0.001;
// A source is never taken as nearer than this in the far-field formula, which would
// otherwise give an infinite gain at distance 0 (reachable in the master's pan modes).
constexpr double kSmallestFarDistance = kSmallestCentre;
// Pan-mode substitutes for the working centre of both sources.
constexpr double kPanModeCentre = 0.1;

// A Vol value (0..1) as a linear gain: 0 dB at 1, −20 dB at 0.5, −68 dB at 0.2.
double volumeGain(double vol);

// 10^(ln(distance / centre) × dfact × exponent / ln 2): −6 × dfact dB per doubling of
// distance beyond the centre radius, 1 at distance = centre.
double distanceGain(double distance, double centre, double dfact, double exponent);

// Clockwise angle of the pan point seen from the listener, negated: (−2π, 0].
double panAngle(double lrPan, double fbPan);
// Distance of the pan point from the centre of the square.
double panDistance(double lrPan, double fbPan);

struct SourceWork {
    double azimuthRad;
    double elevationRad;
    double distance;
    double centre;
    double level;
    double zeroWeight;
    double firstWeight;
};

struct Direction {
    double x;
    double y;
    double z;
};

Direction directionOf(double azimuthRad, double elevationRad);

struct PanPoint {
    double lrPan;
    double fbPan;
    double angleRad;
    double distance;
};

// The master variant's substitution: mode 1 rotates both sources by the pan angle, modes
// 2 to 5 (and above) set their horizontal directions from the pan point, the right source
// mirrored; modes 1 and up use the pan distance and centre 0.1. Mode 0 and below change
// nothing. Writes the direction factors of both sources.
void applyPanMode(int mode, const PanPoint& point, SourceWork& left, SourceWork& right, Direction& leftDir,
                  Direction& rightDir);

bool inNearField(const SourceWork& source);

// W, X, Y, Z targets of one source. `farGain` is used outside the near field only.
void sourceTargets(const SourceWork& source, const Direction& dir, double farGain, double targets[4]);

}  // namespace pangains
