// BMP decoding of bitmap resources: supported layouts give the same pixels, damaged files
// are refused without reading past the data.
#include <gtest/gtest.h>

#include <functional>

#include "BmpDecode.h"
#include "BmpEncode.h"

namespace {

RasterImage pattern() {
    RasterImage img(5, 3);
    const std::uint32_t colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) img.at(x, y) = colours[(x + y) % 4];
    return img;
}

void put32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = std::uint8_t(v >> (8 * i));
}

// The pattern as an 8-bit palette file (palette order = colours above).
std::vector<std::uint8_t> paletteFile() {
    const RasterImage img = pattern();
    std::vector<std::uint8_t> f = encodeBmp24(img);
    f.resize(54);
    f[28] = 8;                        // bits per pixel
    put32(f, 46, 4);                  // palette entries
    put32(f, 10, 54 + 16);            // pixel offset
    const std::uint32_t colours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (std::uint32_t c : colours) f.insert(f.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16), 0});
    for (int row = 2; row >= 0; --row) {
        for (int x = 0; x < 5; ++x) f.push_back(std::uint8_t((x + row) % 4));
        f.insert(f.end(), 3, 0);  // stride 8
    }
    return f;
}

}  // namespace

TEST(BmpDecode, SupportedLayoutsGiveTheSamePixels) {
    const RasterImage expected = pattern();
    const std::vector<std::vector<std::uint8_t>> files = {encodeBmp24(expected, false), encodeBmp24(expected, true),
                                                          paletteFile()};
    for (const auto& file : files) {
        RasterImage out;
        ASSERT_TRUE(decodeBmp(file.data(), file.size(), out));
        EXPECT_EQ(out.width, 5);
        EXPECT_EQ(out.height, 3);
        EXPECT_EQ(out.pixels, expected.pixels);
    }
}

TEST(BmpDecode, DamagedFilesAreRefused) {
    const std::vector<std::uint8_t> good = encodeBmp24(pattern());
    const std::vector<std::pair<const char*, std::function<void(std::vector<std::uint8_t>&)>>> damage = {
        {"truncated pixels", [](auto& f) { f.resize(f.size() - 1); }},
        {"truncated header", [](auto& f) { f.resize(40); }},
        {"bad magic", [](auto& f) { f[0] = 'X'; }},
        {"zero width", [](auto& f) { put32(f, 18, 0); }},
        {"negative width", [](auto& f) { put32(f, 18, 0xFFFFFFFFu); }},
        {"huge height", [](auto& f) { put32(f, 22, 1u << 30); }},
        {"pixel offset past the end", [](auto& f) { put32(f, 10, 1u << 30); }},
        {"run-length compression", [](auto& f) { put32(f, 30, 1); }},
        {"16 bits per pixel", [](auto& f) { f[28] = 16; }},
        {"info size past the end", [](auto& f) { put32(f, 14, 1u << 30); }},
    };
    for (const auto& d : damage) {
        std::vector<std::uint8_t> f = good;
        d.second(f);
        RasterImage out;
        EXPECT_FALSE(decodeBmp(f.data(), f.size(), out)) << d.first;
    }
    std::vector<std::uint8_t> badIndex = paletteFile();
    badIndex.back() = 0;
    badIndex[badIndex.size() - 8] = 200;  // index beyond the four palette entries
    RasterImage out;
    EXPECT_FALSE(decodeBmp(badIndex.data(), badIndex.size(), out));
    EXPECT_FALSE(decodeBmp(nullptr, 100, out));
}
