// One program of the zoom: Azimuth, Elevation and Zoom (normalised 0..1) and a name of at
// most 23 characters plus NUL. A new program means azimuth 0, elevation 0, no zoom.
#pragma once

#include "SoundFieldPlugin.h"

using ZoomProgram = bformat::SoundFieldProgram<3>;

constexpr ZoomProgram kNewZoomProgram = {{0.0f, 0.25f, 0.5f}, "Ambisonic zoom control"};
