// The editors' bitmaps read from their files in resources/ (the art the libraries embed),
// and checks that a rendering shows a bitmap at a place.
#pragma once

#include <string>

#include "Geometry.h"
#include "RasterImage.h"

// Decoded once per process; an empty image when the file is missing or damaged.
const RasterImage& resourceBitmap(const std::string& relativePath);
// True when `image` at `size` shows `source` from `sourceTop` rows down (`size`'s extent).
// `keyed` leaves out the source's key-coloured (white) pixels, as a keyed draw does.
bool showsBitmapAt(const RasterImage& image, const Rect& size, const RasterImage& source, int sourceTop,
                   bool keyed = false);
// True when `area` of the image shows the same area of `background` (nothing drawn over it).
bool showsBackgroundAt(const RasterImage& image, const Rect& area, const RasterImage& background);
// "same", or how many pixels differ and where the first one is (or that the sizes differ).
std::string describeDifference(const RasterImage& actual, const RasterImage& expected);
