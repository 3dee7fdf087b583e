#include "BmpEncode.h"

#include <deque>

#include "EmbeddedBitmaps.h"

namespace {
void put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}
}  // namespace

std::vector<std::uint8_t> encodeBmp24(const RasterImage& image, bool topDown) {
    const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * std::uint32_t(image.height);
    std::vector<std::uint8_t> out = {'B', 'M'};
    put(out, 54 + dataSize, 4);
    put(out, 0, 4);
    put(out, 54, 4);
    put(out, 40, 4);
    put(out, std::uint32_t(image.width), 4);
    put(out, std::uint32_t(topDown ? -image.height : image.height), 4);
    put(out, 1, 2);
    put(out, 24, 2);
    put(out, 0, 4);
    put(out, dataSize, 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    for (int row = 0; row < image.height; ++row) {
        const int y = topDown ? row : image.height - 1 - row;
        for (int x = 0; x < image.width; ++x) put(out, image.at(x, y), 3);
        for (std::uint32_t pad = std::uint32_t(image.width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

void registerTestBitmap(int resourceId, const RasterImage& image) {
    static std::deque<std::vector<std::uint8_t>> files;
    static std::deque<EmbeddedBitmap> entries;
    files.push_back(encodeBmp24(image));
    entries.push_back(EmbeddedBitmap{resourceId, files.back().data(), files.back().size()});
    registerEmbeddedBitmaps(&entries.back(), 1);
}
