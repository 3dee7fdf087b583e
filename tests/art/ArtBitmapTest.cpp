// The editors' bitmaps as the toolkit loads them from one resource script (this program is
// built once per script, ORVA_ART_SCRIPT naming it): every id at the size and frame layout
// its editor draws, strips whose frames all differ, the key colour only where a keyed draw
// should let the background through, and opaque strips that meet the background without a
// seam where the editor places them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "Bitmap.h"
#include "BitmapPixels.h"

namespace {

constexpr std::uint32_t kKey = 0xFFFFFF;

enum class Draw { Opaque, Keyed };

struct Art {
    const char* script;
    int id;
    int width;
    int height;
    int frames;
    Draw draw;
    // top-left corners where the editor draws it over its background (opaque strips)
    std::vector<Point> placements;
};

const std::vector<Art> kArt = {
    {"panner_master", 128, 373, 207, 1, Draw::Opaque, {}},
    {"panner_master",
     129,
     16,
     160,
     1,
     Draw::Opaque,
     {{15, 28}, {50, 28}, {85, 28}, {120, 28}, {238, 28}, {273, 28}, {308, 28}, {343, 28}}},
    {"panner_master", 130, 14, 12, 1, Draw::Keyed, {}},
    {"panner_master", 132, 48, 2160, 45, Draw::Opaque, {{162, 28}, {162, 118}}},
    {"panner_master", 133, 48, 90, 5, Draw::Opaque, {{162, 98}}},
    {"panner_master", 134, 373, 207, 1, Draw::Opaque, {}},
    {"panner_effect", 128, 373, 207, 1, Draw::Opaque, {}},
    {"panner_effect",
     129,
     16,
     160,
     1,
     Draw::Opaque,
     {{15, 28}, {50, 28}, {85, 28}, {120, 28}, {238, 28}, {273, 28}, {308, 28}, {343, 28}}},
    {"panner_effect", 130, 14, 12, 1, Draw::Keyed, {}},
    {"panner_effect", 132, 48, 2160, 45, Draw::Opaque, {{162, 28}, {162, 118}}},
    {"panner_effect", 134, 373, 207, 1, Draw::Opaque, {}},
    {"field", 128, 186, 190, 1, Draw::Opaque, {}},
    {"field", 132, 48, 2160, 45, Draw::Opaque, {{22, 36}, {70, 36}, {118, 36}}},
    {"field", 133, 144, 480, 6, Draw::Opaque, {{22, 90}}},
    {"field", 134, 186, 190, 1, Draw::Opaque, {}},
    {"zoom", 128, 186, 190, 1, Draw::Opaque, {}},
    {"zoom", 129, 160, 16, 1, Draw::Opaque, {{12, 144}}},
    {"zoom", 130, 12, 14, 1, Draw::Keyed, {}},
    {"zoom", 132, 48, 2160, 45, Draw::Opaque, {{22, 56}, {118, 56}}},
    {"zoom", 133, 186, 190, 1, Draw::Opaque, {}},
    {"decoder", 128, 326, 126, 1, Draw::Opaque, {}},
    {"decoder", 129, 80, 704, 8, Draw::Opaque, {}},
    {"decoder", 130, 218, 13, 1, Draw::Opaque, {}},
    {"decoder", 131, 21, 13, 1, Draw::Keyed, {}},
    {"decoder", 132, 218, 104, 8, Draw::Opaque, {{5, 25}}},
    {"decoder", 134, 326, 126, 1, Draw::Opaque, {}},
    {"rigdecoder", 128, 430, 264, 1, Draw::Opaque, {}},
    {"rigdecoder", 129, 17, 132, 1, Draw::Opaque, {{323, 53}}},
    {"rigdecoder", 130, 17, 25, 1, Draw::Keyed, {}},
    {"rigdecoder", 131, 259, 22, 1, Draw::Opaque, {{20, 203}}},
    {"rigdecoder", 132, 15, 21, 1, Draw::Keyed, {}},
    {"rigdecoder", 133, 18, 36, 2, Draw::Opaque, {{16, 240}}},
    {"rigdecoder", 134, 18, 36, 2, Draw::Opaque, {{347, 240}}},
    {"rigdecoder", 135, 46, 36, 2, Draw::Opaque, {{261, 240}}},
    {"rigdecoder", 136, 274, 1540, 11, Draw::Opaque, {}},
    {"rigdecoder", 137, 430, 264, 1, Draw::Opaque, {}},
};

std::vector<Art> artOfThisScript() {
    std::vector<Art> rows;
    for (const Art& art : kArt)
        if (std::strcmp(art.script, ORVA_ART_SCRIPT) == 0) rows.push_back(art);
    return rows;
}

std::string describe(const Art& art) { return std::string(art.script) + ".rc id " + std::to_string(art.id); }

RasterImage pixelsOf(int id) {
    RasterImage image;
    EXPECT_TRUE(loadResourcePixels(id, image)) << "id " << id << " does not load";
    return image;
}

bool framesEqual(const RasterImage& strip, int frameHeight, int a, int b) {
    for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < strip.width; ++x)
            if (strip.at(x, a * frameHeight + y) != strip.at(x, b * frameHeight + y)) return false;
    return true;
}

int luminance(std::uint32_t p) { return (299 * (p >> 16 & 255) + 587 * (p >> 8 & 255) + 114 * (p & 255)) / 1000; }

class ArtBitmaps : public ::testing::Test {
protected:
    void SetUp() override {
        useTestProgramResources();
        rows = artOfThisScript();
        ASSERT_FALSE(rows.empty()) << "no table rows for " << ORVA_ART_SCRIPT;
    }
    std::vector<Art> rows;
};

TEST_F(ArtBitmaps, EveryIdLoadsAtItsTableSize) {
    for (const Art& art : rows) {
        SCOPED_TRACE(describe(art));
        Bitmap* bitmap = new Bitmap(art.id);
        EXPECT_TRUE(bitmap->isLoaded());
        EXPECT_EQ(bitmap->getWidth(), art.width);
        EXPECT_EQ(bitmap->getHeight(), art.height);
        bitmap->release();
        const RasterImage pixels = pixelsOf(art.id);
        EXPECT_EQ(pixels.width, art.width);
        EXPECT_EQ(pixels.height, art.height);
        EXPECT_EQ(art.height % art.frames, 0) << "frames must split the strip evenly";
    }
}

TEST_F(ArtBitmaps, NeighbouringStripFramesDiffer) {
    for (const Art& art : rows) {
        if (art.frames < 2) continue;
        SCOPED_TRACE(describe(art));
        const RasterImage strip = pixelsOf(art.id);
        ASSERT_EQ(strip.height, art.height);
        const int frameHeight = art.height / art.frames;
        for (int k = 0; k + 1 < art.frames; ++k)
            EXPECT_FALSE(framesEqual(strip, frameHeight, k, k + 1)) << "frames " << k << " and " << k + 1;
    }
}

// Keyed handles: the rounded corners are the key colour, the body (two pixels in from the
// edge) has none of it. Opaque pictures have no key colour at all, since a keyed draw of
// them (the rig decoder's labels draw the background keyed) would punch holes.
TEST_F(ArtBitmaps, KeyColourOnlyWhereAKeyedDrawLetsTheBackgroundThrough) {
    for (const Art& art : rows) {
        SCOPED_TRACE(describe(art));
        const RasterImage image = pixelsOf(art.id);
        ASSERT_EQ(image.width, art.width);
        if (art.draw == Draw::Keyed) {
            const int right = image.width - 1, bottom = image.height - 1;
            for (Point corner : {Point{0, 0}, Point{right, 0}, Point{0, bottom}, Point{right, bottom}})
                EXPECT_EQ(image.at(corner.h, corner.v), kKey) << "corner " << corner.h << "," << corner.v;
            for (int y = 2; y < image.height - 2; ++y)
                for (int x = 2; x < image.width - 2; ++x)
                    ASSERT_NE(image.at(x, y), kKey) << "white inside the handle at " << x << "," << y;
        } else {
            for (int y = 0; y < image.height; ++y)
                for (int x = 0; x < image.width; ++x)
                    ASSERT_NE(image.at(x, y), kKey) << "key colour at " << x << "," << y;
        }
    }
}

// An opaque strip drawn over the background shows the background's own pixels at its
// corners, in every frame and at every place the editor puts it.
TEST_F(ArtBitmaps, OpaqueStripsMeetTheBackgroundWithoutASeam) {
    const RasterImage background = pixelsOf(128);
    for (const Art& art : rows) {
        if (art.placements.empty()) continue;
        SCOPED_TRACE(describe(art));
        const RasterImage strip = pixelsOf(art.id);
        ASSERT_EQ(strip.height, art.height);
        const int frameHeight = art.height / art.frames;
        for (Point place : art.placements)
            for (int k = 0; k < art.frames; ++k)
                for (Point corner : {Point{0, 0}, Point{art.width - 1, 0}, Point{0, frameHeight - 1},
                                     Point{art.width - 1, frameHeight - 1}}) {
                    ASSERT_TRUE(background.inside(place.h + corner.h, place.v + corner.v));
                    EXPECT_EQ(strip.at(corner.h, k * frameHeight + corner.v),
                              background.at(place.h + corner.h, place.v + corner.v))
                        << "frame " << k << " corner " << corner.h << "," << corner.v << " placed at " << place.h << ","
                        << place.v;
                }
    }
}

// The rig decoder's rig menu draws white text over the background; its click labels show
// the background's printed words and nothing else, so the words must lie inside them.
TEST_F(ArtBitmaps, RigDecoderTextAreasAreReadable) {
    if (std::strcmp(ORVA_ART_SCRIPT, "rigdecoder") != 0) GTEST_SKIP() << "rig decoder only";
    const RasterImage background = pixelsOf(128);
    ASSERT_EQ(background.width, 430);
    long sum = 0;
    int brightest = 0;
    const Rect menu{18, 15, 287, 28};
    for (int y = menu.top; y < menu.bottom; ++y)
        for (int x = menu.left; x < menu.right - 16; ++x) {  // the drop-down arrow sits at the right end
            sum += luminance(background.at(x, y));
            brightest = std::max(brightest, luminance(background.at(x, y)));
        }
    EXPECT_LT(sum / ((menu.right - 16 - menu.left) * (menu.bottom - menu.top)), 40) << "menu field too light";
    EXPECT_LT(brightest, 90) << "something printed where the menu writes its entry";
    struct Words {
        const char* text;
        Rect rect;
    };
    for (const Words& words : {Words{"FORCE 1ST ORDER", {39, 240, 134, 255}},
                               Words{"TEST SPEAKERS:", {261, 225, 411, 240}}, Words{"LOOP", {317, 240, 347, 258}}}) {
        SCOPED_TRACE(words.text);
        int lit = 0;
        for (int y = words.rect.top; y < words.rect.bottom; ++y)
            for (int x = words.rect.left; x < words.rect.right; ++x) lit += luminance(background.at(x, y)) > 150;
        EXPECT_GT(lit, 4 * static_cast<int>(std::strlen(words.text))) << "the printed words are not in the click area";
    }
}

}  // namespace
