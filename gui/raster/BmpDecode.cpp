#include "BmpDecode.h"

namespace {

std::uint32_t readU32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t readU16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kMaxSidePx = 16384;

struct Header {
    std::uint32_t pixelOffset;
    std::uint32_t infoSize;
    std::int32_t width;
    std::int32_t height;  // negative: rows stored top-down
    std::uint16_t bitsPerPixel;
    std::uint32_t compression;
    std::uint32_t paletteCount;
};

bool readHeader(const std::uint8_t* data, std::size_t size, Header& h) {
    if (size < kFileHeaderBytes + 40 || data[0] != 'B' || data[1] != 'M') return false;
    const std::uint8_t* info = data + kFileHeaderBytes;
    h.pixelOffset = readU32(data + 10);
    h.infoSize = readU32(info);
    h.width = std::int32_t(readU32(info + 4));
    h.height = std::int32_t(readU32(info + 8));
    h.bitsPerPixel = readU16(info + 14);
    h.compression = readU32(info + 16);
    h.paletteCount = readU32(info + 32);
    if (h.infoSize < 40 || h.infoSize > size - kFileHeaderBytes) return false;
    if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) return false;
    const std::uint32_t absHeight = std::uint32_t(h.height < 0 ? -h.height : h.height);
    if (std::uint32_t(h.width) > kMaxSidePx || absHeight > kMaxSidePx) return false;
    // BI_RGB, or BI_BITFIELDS with the standard 32-bit layout.
    return h.compression == 0 || (h.compression == 3 && h.bitsPerPixel == 32);
}

}  // namespace

bool decodeBmp(const std::uint8_t* data, std::size_t size, RasterImage& out) {
    if (!data) return false;
    Header h{};
    if (!readHeader(data, size, h)) return false;
    const int bpp = h.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return false;

    const std::uint8_t* palette = data + kFileHeaderBytes + h.infoSize;
    std::uint32_t paletteEntries = 0;
    if (bpp <= 8) {
        paletteEntries = h.paletteCount ? h.paletteCount : (1u << bpp);
        if (paletteEntries > 256) return false;
        if (std::size_t(palette - data) + paletteEntries * 4u > size) return false;
    }
    const int width = h.width;
    const int height = h.height < 0 ? -h.height : h.height;
    const std::size_t stride = ((std::size_t(width) * bpp + 31) / 32) * 4;
    if (h.pixelOffset > size || stride * height > size - h.pixelOffset) return false;

    RasterImage image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = h.height < 0 ? row : height - 1 - row;
        const std::uint8_t* src = data + h.pixelOffset + stride * row;
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            if (bpp == 24 || bpp == 32) {
                const std::uint8_t* p = src + x * (bpp / 8);
                pixel = std::uint32_t(p[2]) << 16 | p[1] << 8 | p[0];
            } else {
                const std::size_t bit = std::size_t(x) * bpp;
                const unsigned shift = unsigned(8 - bpp - bit % 8);
                const unsigned index = (src[bit / 8] >> shift) & ((1u << bpp) - 1);
                if (index >= paletteEntries) return false;
                const std::uint8_t* q = palette + index * 4;
                pixel = std::uint32_t(q[2]) << 16 | q[1] << 8 | q[0];
            }
            image.at(x, y) = pixel;
        }
    }
    out = std::move(image);
    return true;
}
