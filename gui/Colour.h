// RGB colours of the toolkit. The fourth byte is carried but ignored by all drawing.
#pragma once

#include <cstdint>

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t unused = 0;

    // Compares red, green and blue only.
    constexpr bool sameRgb(const Colour& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

namespace colours {
constexpr Colour white{255, 255, 255, 0};
constexpr Colour black{0, 0, 0, 0};
constexpr Colour grey{127, 127, 127, 0};
constexpr Colour red{255, 0, 0, 0};
constexpr Colour green{0, 255, 0, 0};
constexpr Colour blue{0, 0, 255, 0};
constexpr Colour yellow{255, 255, 0, 0};
constexpr Colour magenta{255, 0, 255, 0};
constexpr Colour cyan{0, 255, 255, 0};
// Default key colour of every Bitmap: pixels of this colour are left out by keyed draws.
constexpr Colour transparentKey{255, 255, 255, 0};
}  // namespace colours
