#include "PanGains.h"

#include <algorithm>

#include "PortableMath.h"

namespace pangains {

namespace {

// 2π rounded to float32, as the pan angle's wrap uses it.
constexpr double kTwoPiFloat = static_cast<float>(kTwoPi);
const double kLn2 = portable::log(2.0);

}  // namespace

double volumeGain(double v) {
    if (v >= 0.5) return portable::pow(10.0, (v - 1.0) * 2.0);
    if (v >= 0.2) return portable::pow(10.0, (v - 0.625) * 8.0);
    return portable::pow(10.0, (v - 0.483333333333) * 12.0);
}

double distanceGain(double distance, double centre, double dfact, double exponent) {
    const double nearest = std::max(distance, kSmallestFarDistance);
    return portable::pow(10.0, portable::log(nearest / centre) * (dfact * exponent) / kLn2);
}

double panAngle(double lrPan, double fbPan) {
    double t = portable::atan2(lrPan - 0.5, 0.5 - fbPan);
    if (t < 0) t += kTwoPiFloat;
    return -t;
}

double panDistance(double lrPan, double fbPan) { return portable::hypot(lrPan - 0.5, fbPan - 0.5); }

Direction directionOf(double az, double el) {
    return {portable::cos(az) * portable::cos(el), portable::sin(az) * portable::cos(el), portable::sin(el)};
}

void applyPanMode(int mode, const PanPoint& p, SourceWork& left, SourceWork& right, Direction& leftDir,
                  Direction& rightDir) {
    if (mode >= 1) {
        for (SourceWork* s : {&left, &right}) {
            s->distance = p.distance;
            s->centre = kPanModeCentre;
        }
    }
    if (mode == 1) {
        left.azimuthRad = left.azimuthRad + p.angleRad;
        right.azimuthRad = right.azimuthRad + p.angleRad + kTwoPi;
    }
    if (mode < 2) {
        leftDir = directionOf(left.azimuthRad, left.elevationRad);
        rightDir = directionOf(right.azimuthRad, right.elevationRad);
        return;
    }
    const double front = 2.0 * (0.5 - p.fbPan);
    const double leftward = 2.0 * (0.5 - p.lrPan);
    leftDir = {front, leftward, portable::sin(left.elevationRad)};
    const bool mirrorFrontBack = mode >= 3;
    const bool mirrorLeftRight = mode != 3;
    rightDir = {mirrorFrontBack ? -front : front, mirrorLeftRight ? -leftward : leftward,
                portable::sin(right.elevationRad)};
}

bool inNearField(const SourceWork& s) { return s.distance < s.centre; }

void sourceTargets(const SourceWork& s, const Direction& dir, double farGain, double targets[4]) {
    double omniGain;
    double directionalGain;
    if (inNearField(s)) {
        const double ratio = s.distance / s.centre;
        omniGain = s.level * s.zeroWeight * (2.0 - ratio);
        directionalGain = s.level * s.firstWeight * ratio;
    } else {
        omniGain = s.level * s.zeroWeight * farGain;
        directionalGain = s.level * s.firstWeight * farGain;
    }
    targets[0] = omniGain + kDenormalGuard;
    targets[1] = directionalGain * dir.x + kDenormalGuard;
    targets[2] = directionalGain * dir.y + kDenormalGuard;
    targets[3] = directionalGain * dir.z + kDenormalGuard;
}

}  // namespace pangains
