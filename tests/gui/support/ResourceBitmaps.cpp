#include "ResourceBitmaps.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "BmpDecode.h"

const RasterImage& resourceBitmap(const std::string& relativePath) {
    static std::map<std::string, RasterImage> loaded;
    auto found = loaded.find(relativePath);
    if (found != loaded.end()) return found->second;
    std::ifstream file(std::string(ORVA_RESOURCES_DIR "/") + relativePath, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    RasterImage image;
    if (!decodeBmp(bytes.data(), bytes.size(), image)) image = RasterImage();
    return loaded.emplace(relativePath, std::move(image)).first->second;
}

bool showsBitmapAt(const RasterImage& image, const Rect& size, const RasterImage& source, int sourceTop, bool keyed) {
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            if (!source.inside(x, sourceTop + y) || !image.inside(size.left + x, size.top + y)) return false;
            const std::uint32_t want = source.at(x, sourceTop + y);
            if (keyed && want == 0xFFFFFFu) continue;
            if (image.at(size.left + x, size.top + y) != want) return false;
        }
    return true;
}

bool showsBackgroundAt(const RasterImage& image, const Rect& area, const RasterImage& background) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (!image.inside(x, y) || !background.inside(x, y) || image.at(x, y) != background.at(x, y)) return false;
    return true;
}

std::string describeDifference(const RasterImage& actual, const RasterImage& expected) {
    if (actual.width != expected.width || actual.height != expected.height)
        return "sizes differ: " + std::to_string(actual.width) + "x" + std::to_string(actual.height) + " against " +
               std::to_string(expected.width) + "x" + std::to_string(expected.height);
    int count = 0;
    std::string first;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x)
            if (actual.at(x, y) != expected.at(x, y) && count++ == 0) {
                char text[96];
                std::snprintf(text, sizeof text, " first at (%d, %d): %06x against %06x", x, y,
                              unsigned(actual.at(x, y)), unsigned(expected.at(x, y)));
                first = text;
            }
    return count == 0 ? "same" : std::to_string(count) + " pixels differ;" + first;
}
