// Decodes Windows BMP files (uncompressed 1, 4, 8, 24 and 32 bits per pixel), the format of
// the editors' bitmap resources. Every read is bounds-checked: a damaged file gives false.
#pragma once

#include <cstddef>
#include <cstdint>

#include "RasterImage.h"

bool decodeBmp(const std::uint8_t* data, std::size_t size, RasterImage& out);
