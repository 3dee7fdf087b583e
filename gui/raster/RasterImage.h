// A 32-bit pixel surface (0x00RRGGBB per pixel, rows top to bottom): the drawing target of
// the software rasteriser and the decoded form of bitmap resources.
#pragma once

#include <cstdint>
#include <vector>

#include "Colour.h"

struct RasterImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    RasterImage() = default;
    RasterImage(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

    std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    static constexpr std::uint32_t pack(Colour c) { return std::uint32_t(c.red) << 16 | c.green << 8 | c.blue; }
    static constexpr Colour unpack(std::uint32_t p) {
        return Colour{std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p), 0};
    }
};
