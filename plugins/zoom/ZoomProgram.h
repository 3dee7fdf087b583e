// One program of the zoom: Azimuth, Elevation and Zoom (normalised 0..1) and a name of at
// most 23 characters plus NUL. The defaults mean azimuth 0, elevation 0, no zoom.
#pragma once

constexpr int kZoomParamCount = 3;
constexpr int kZoomNameSize = 24;

struct ZoomProgram {
    float values[kZoomParamCount] = {0.0f, 0.25f, 0.5f};
    char name[kZoomNameSize] = "Ambisonic zoom control";
};
