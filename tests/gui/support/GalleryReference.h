// The gallery editor rendered in-process on the headless backend: the reference that the
// Win32 and X11 windows of the built gallery library are compared with.
#pragma once

#include <string>
#include <vector>

#include "Geometry.h"
#include "ImageComparison.h"
#include "RasterImage.h"

constexpr int kGalleryWidthPx = 240;
constexpr int kGalleryHeightPx = 360;
// Where the gallery draws text; other pixels must match exactly.
const std::vector<Rect>& galleryTextAreas();

// Opens a fresh gallery plug-in's editor with these parameter values, paints it once and
// runs one idle pass; answers the window's pixels.
RasterImage renderGalleryReference(const std::vector<float>& values);
