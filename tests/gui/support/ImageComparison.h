// A window's capture against its reference rendering: exact outside the areas where text
// is drawn, and within a tolerance inside them (font engines differ in hinting and
// smoothing; bitmaps may not).
#pragma once

#include <string>
#include <vector>

#include "Geometry.h"
#include "RasterImage.h"

struct ImageComparison {
    bool sameSize = false;
    int exactMismatches = 0;        // differing pixels outside the text areas
    double textMeanDifference = 0;  // mean absolute channel difference inside them
    std::string describe() const;
};
ImageComparison compareWithReference(const RasterImage& actual, const RasterImage& reference,
                                     const std::vector<Rect>& textAreas);
constexpr double kTextTolerance = 40.0;
