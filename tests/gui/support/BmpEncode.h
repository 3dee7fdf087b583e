// Encodes a RasterImage as a 24-bit BMP file in memory (test bitmaps for the resource
// table) and registers such files as bitmap resources of the test program.
#pragma once

#include <cstdint>
#include <vector>

#include "RasterImage.h"

std::vector<std::uint8_t> encodeBmp24(const RasterImage& image, bool topDown = false);
// Registers `image` as bitmap resource `resourceId` for the rest of the program's life.
void registerTestBitmap(int resourceId, const RasterImage& image);
