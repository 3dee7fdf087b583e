// Saves a RasterImage as a PNG (stored deflate blocks) so a person can look at captures.
#pragma once

#include <string>

#include "RasterImage.h"

bool writePng(const std::string& path, const RasterImage& image);
// ORVA_CAPTURE_DIR/<name>.png
std::string capturePath(const std::string& name);
