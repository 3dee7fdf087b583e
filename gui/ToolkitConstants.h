// Numbers the toolkit's controls and canvases and the editors share: the circle in
// radians (double where angles are compared, float where they are stored in a control),
// a rotary knob's default angles and how far a linear knob drag moves for its full range.
#pragma once

namespace toolkit {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr float kTwoPiF = float(kTwoPi);
constexpr float kHalfPiF = float(kPi / 2.0);

// A rotary knob starts at the lower left (225 degrees) and turns three quarters clockwise.
constexpr float kKnobDefaultMinimumAngleRad = float(5.0 * kPi / 4.0);
constexpr float kKnobDefaultSweepAngleRad = float(-3.0 * kPi / 2.0);
// Pixels of a linear knob drag that cover the whole range (before the Shift fine factor).
constexpr float kKnobDragRangePx = 200.0f;

}  // namespace toolkit
