// Checks shared by the tests that drive the built gallery library in a real window.
#pragma once

#include <vector>

#include "GalleryPlugin.h"
#include "Geometry.h"
#include "TestHost.h"

std::vector<float> galleryValues(testhost::TestHost& host);
// effEditGetRect answers 1 and the gallery's size.
void expectGalleryEditorSize(testhost::TestHost& host);

// A click at a frame point and the parameter it must store.
struct GalleryClick {
    int h, v;
    GalleryParam param;
    float expected;
};
// Strip, toggle (through the disabled glass over it), swatch, and the corner where it
// overlaps the swatch.
const std::vector<GalleryClick>& galleryClicks();
// The click stored its value with one automation call inside a balanced edit gesture.
void expectClickStored(testhost::TestHost& host, const GalleryClick& click);

// A drag in frame coordinates (pressed at `from`, moved along `path`, released) and the
// value it must leave in `param`.
struct GalleryDrag {
    Point from;
    std::vector<Point> path;
    GalleryParam param;
    float expected;
    float tolerance;
};
// The knob from the top round to the right (absolute circular mode: 0.25), and the fader
// from the top of its track (1.0) half way down.
const std::vector<GalleryDrag>& galleryDrags();
// The drag stored its value inside exactly one balanced edit gesture of its parameter.
void expectDragStored(testhost::TestHost& host, const GalleryDrag& drag);
