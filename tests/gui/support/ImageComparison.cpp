#include "ImageComparison.h"

#include <cstdlib>
#include <sstream>

namespace {
bool insideAny(const std::vector<Rect>& areas, int x, int y) {
    for (const Rect& r : areas)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}
}  // namespace

ImageComparison compareWithReference(const RasterImage& actual, const RasterImage& reference,
                                     const std::vector<Rect>& textAreas) {
    ImageComparison c;
    c.sameSize = actual.width == reference.width && actual.height == reference.height;
    if (!c.sameSize) return c;
    long textSum = 0, textCount = 0;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x) {
            const std::uint32_t a = actual.at(x, y), r = reference.at(x, y);
            if (insideAny(textAreas, x, y)) {
                for (int s = 0; s < 24; s += 8) textSum += std::abs(int((a >> s) & 0xFF) - int((r >> s) & 0xFF));
                textCount += 3;
            } else if ((a & 0xFFFFFF) != (r & 0xFFFFFF)) {
                ++c.exactMismatches;
            }
        }
    c.textMeanDifference = textCount ? double(textSum) / textCount : 0.0;
    return c;
}

std::string ImageComparison::describe() const {
    std::ostringstream s;
    s << "same size " << sameSize << ", mismatches outside text " << exactMismatches << ", text mean difference "
      << textMeanDifference;
    return s.str();
}
