// The bitmap image of the software-rasterised backends (X11, headless): decoded pixels and
// the one-bit key mask cached by the first keyed draw.
#pragma once

#include <cstdint>
#include <vector>

#include "RasterImage.h"

namespace platform {
struct BitmapImage {
    RasterImage pixels;
    std::vector<std::uint8_t> keyMask;  // 1 where the pixel had the key colour; empty until made
};
}  // namespace platform
