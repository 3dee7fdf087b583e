// The circle in radians and degrees, shared by the B-format plug-ins' signal paths and
// parameter displays. Plain doubles so that plug-ins need nothing from the editor toolkit;
// the values are the nearest doubles, as every block's arithmetic has always used them.
#pragma once

namespace bformat {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace bformat
