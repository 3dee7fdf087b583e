// The knob of the first-order editors: a 45-frame strip of 48 x 48 pictures turned over a
// full circle that starts straight up and grows clockwise (up 0.0 and 1.0, right 0.25,
// down 0.5, left 0.75). Only editor sources include this (it needs the editor toolkit).
#pragma once

#include <cstdint>

#include "RotaryKnob.h"
#include "ToolkitConstants.h"

namespace bformat {

constexpr int kKnobFrameCount = 45;
constexpr int kKnobFrameHeightPx = 48;
constexpr float kKnobSweepRad = -toolkit::kTwoPiF;   // a full turn, clockwise
constexpr float kKnobMinimumRad = toolkit::kHalfPiF;  // straight up

inline FilmstripKnob* newFullTurnKnob(const Rect& size, ControlListener* listener, std::int32_t tag, Bitmap* strip) {
    auto* knob = new FilmstripKnob(size, listener, tag, kKnobFrameCount, kKnobFrameHeightPx, strip, Point());
    knob->setSweepAngle(kKnobSweepRad);
    knob->setMinimumAngle(kKnobMinimumRad);
    return knob;
}

}  // namespace bformat
