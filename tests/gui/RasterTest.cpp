// Pixel results of DrawContext, Bitmap and OffscreenContext on the software rasteriser.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Bitmap.h"
#include "BmpEncode.h"
#include "DrawContext.h"
#include "OffscreenContext.h"
#include "RasterCanvas.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

struct Surface {
    RasterImage image;
    RasterCanvas canvas;
    DrawContext context;
    explicit Surface(int w = 40, int h = 40, std::uint32_t fill = kBlack)
        : image(w, h, fill), canvas(image), context(nullptr, &canvas, nullptr) {}
};

// Bounding box of pixels differing from `background` (right/bottom exclusive).
Rect inkBounds(const RasterImage& img, std::uint32_t background, const Rect& area) {
    Rect b(area.right, area.bottom, area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (img.at(x, y) != background) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x + 1);
                b.bottom = std::max(b.bottom, y + 1);
            }
    return b;
}

RasterImage solid(int w, int h, std::uint32_t colour) { return RasterImage(w, h, colour); }

}  // namespace

TEST(Raster, RectOutlineIncludesRightAndBottomAndFillStartsOneIn) {
    struct Case {
        Rect rect;
        Point offset;
    };
    const Case cases[] = {{Rect(0, 0, 10, 10), Point()}, {Rect(2, 3, 7, 12), Point(5, 4)}, {Rect(0, 0, 1, 1), Point()}};
    for (const Case& c : cases) {
        Surface outline, filled;
        outline.context.setOffset(c.offset);
        outline.context.drawRect(c.rect);
        filled.context.setOffset(c.offset);
        filled.context.setFillColour(colours::white);
        filled.context.fillRect(c.rect);
        const Rect r = c.rect.offsetBy(c.offset);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inBox = x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
                const bool onEdge = inBox && (x == r.left || x == r.right || y == r.top || y == r.bottom);
                const bool inFill = x > r.left && x < r.right && y > r.top && y < r.bottom;
                ASSERT_EQ(outline.image.at(x, y) == kWhite, onEdge) << x << "," << y;
                ASSERT_EQ(filled.image.at(x, y) == kWhite, inFill) << x << "," << y;
            }
    }
}

TEST(Raster, LinesIncludeStartAndExcludeEnd) {
    struct Case {
        Point from, to;
        std::vector<Point> pixels;
    };
    const Case cases[] = {
        {{2, 2}, {6, 2}, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
        {{3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{5, 5}, {2, 5}, {{5, 5}, {4, 5}, {3, 5}}},
    };
    for (const Case& c : cases) {
        Surface s(10, 10);
        s.context.moveTo(c.from);
        s.context.lineTo(c.to);
        int lit = 0;
        for (std::uint32_t p : s.image.pixels) lit += p == kWhite;
        EXPECT_EQ(lit, int(c.pixels.size()));
        for (const Point& p : c.pixels) EXPECT_EQ(s.image.at(p.h, p.v), kWhite) << p.h << "," << p.v;
    }
}

TEST(Raster, DrawModesCombinePenWithScreen) {
    struct Case {
        int mode;
        std::uint32_t screen, pen, expected;
    };
    const Case cases[] = {{0, 0x0000FF, 0xFF0000, 0xFF0000},
                          {1, 0x0000FF, 0xFF0000, 0xFF00FF},
                          {2, 0x000000, 0xFFFFFF, 0x000000},
                          {2, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
                          {2, 0x00FF00, 0xFF0000, 0x0000FF}};
    for (const Case& c : cases) {
        Surface s(4, 4, c.screen);
        s.context.setDrawMode(c.mode);
        s.context.setFrameColour(RasterImage::unpack(c.pen));
        s.context.moveTo(Point(0, 1));
        s.context.lineTo(Point(4, 1));
        EXPECT_EQ(s.image.at(2, 1), c.expected) << "mode " << c.mode;
        EXPECT_EQ(s.image.at(2, 2), c.screen);
    }
}

TEST(Raster, ClipRectIsInDeviceCoordinates) {
    Surface s(20, 20);
    s.context.setOffset(Point(3, 3));
    s.context.setClipRect(Rect(5, 5, 10, 10));
    s.context.setFillColour(colours::white);
    s.context.fillRect(Rect(-10, -10, 30, 30));
    EXPECT_EQ(inkBounds(s.image, kBlack, Rect(0, 0, 20, 20)), Rect(5, 5, 10, 10));
    s.context.resetClipRect();
    EXPECT_EQ(s.context.getClipRect(), Rect(0, 0, 1000, 1000));
}

TEST(Raster, EllipsesStayInsideTheirBoxes) {
    Surface outline(20, 20), filled(20, 20);
    outline.context.drawEllipse(Rect(0, 0, 10, 10));
    filled.context.setFillColour(colours::white);
    filled.context.fillEllipse(Rect(0, 0, 10, 10));
    EXPECT_EQ(inkBounds(outline.image, kBlack, Rect(0, 0, 20, 20)), Rect(0, 0, 11, 11));
    EXPECT_EQ(outline.image.at(5, 5), kBlack);
    const Rect fillBox = inkBounds(filled.image, kBlack, Rect(0, 0, 20, 20));
    EXPECT_GE(fillBox.left, 1);
    EXPECT_GE(fillBox.top, 1);
    EXPECT_LE(fillBox.right, 11);
    EXPECT_LE(fillBox.bottom, 11);
    EXPECT_EQ(filled.image.at(6, 6), kWhite);
}

TEST(Raster, ArcAndPieFollowCounterClockwiseRays) {
    // From the ray to the right (east) counter-clockwise to the ray up (north): the
    // upper-right quarter only.
    Surface arc(21, 21), pie(21, 21);
    arc.context.drawArc(Rect(0, 0, 20, 20), Point(20, 10), Point(10, 0));
    pie.context.setFillColour(colours::white);
    pie.context.fillPie(Rect(0, 0, 20, 20), Point(20, 10), Point(10, 0));
    const Rect arcBox = inkBounds(arc.image, kBlack, Rect(0, 0, 21, 21));
    EXPECT_GE(arcBox.left, 9);
    EXPECT_LE(arcBox.bottom, 12);
    EXPECT_EQ(pie.image.at(14, 6), kWhite);
    EXPECT_EQ(pie.image.at(6, 6), kBlack);
    EXPECT_EQ(pie.image.at(14, 14), kBlack);
}

TEST(Raster, PolygonsAndPolylinesOfMoreThanThirtyPointsDraw) {
    for (int count : {3, 30, 31, 64}) {
        std::vector<Point> ring;
        for (int i = 0; i < count; ++i) {
            const double a = 6.283185307179586 * i / count;
            ring.push_back(Point(int(std::lround(20 + 15 * std::cos(a))), int(std::lround(20 + 15 * std::sin(a)))));
        }
        Surface filled, outline;
        filled.context.setFillColour(colours::white);
        filled.context.fillPolygon(ring.data(), count);
        outline.context.drawPolyline(ring.data(), count);
        EXPECT_EQ(filled.image.at(20, 20), kWhite) << count;
        EXPECT_EQ(filled.image.at(1, 1), kBlack) << count;
        EXPECT_EQ(outline.image.at(ring[0].h, ring[0].v), kWhite) << count;
        EXPECT_EQ(outline.image.at(20, 20), kBlack) << count;
    }
}

TEST(Raster, FontIdsClampAndStyleBitsSelectTheFace) {
    struct Case {
        int id, size, style;
        int expectId, expectSize;
    };
    const Case cases[] = {{9, 0, 0, 0, 12}, {-1, 0, 0, 0, 12}, {1, 0, 0, 1, 18}, {2, 0, 0, 2, 14}, {3, 0, 0, 3, 12},
                          {4, 0, 0, 4, 11}, {5, 0, 0, 5, 10}, {6, 0, 0, 6, 9},   {7, 0, 0, 7, 13}, {2, 20, 1, 2, 20}};
    for (const Case& c : cases) {
        Surface s;
        s.context.setFont(c.id, c.size, c.style);
        EXPECT_EQ(s.context.getFont(), c.expectId);
        EXPECT_EQ(s.context.getFontSize(), c.expectSize);
    }
    // Id 9 is id 0: Arial 12, always bold, so it draws exactly like id 3 in bold.
    Surface clamped(80, 20), bold(80, 20), regular(80, 20);
    clamped.context.setFont(9);
    bold.context.setFont(3, 0, DrawContext::kBold);
    regular.context.setFont(3);
    for (Surface* s : {&clamped, &bold, &regular}) s->context.drawTextInRect("Mixing", Rect(0, 0, 80, 20), false, 0);
    EXPECT_EQ(clamped.image.pixels, bold.image.pixels);
    EXPECT_NE(bold.image.pixels, regular.image.pixels);
    EXPECT_GT(bold.context.textWidth("Mixing"), regular.context.textWidth("Mixing"));
}

TEST(Raster, TextAlignsInItsRectAndOpaqueFillsTheCell) {
    const Rect box(0, 0, 100, 30);
    Rect ink[3];
    int width = 0;
    for (int align = 0; align < 3; ++align) {
        Surface s(100, 30);
        s.context.setFont(2);
        width = s.context.textWidth("Level");
        s.context.drawTextInRect("Level", box, false, align);
        ink[align] = inkBounds(s.image, kBlack, box);
    }
    EXPECT_GT(width, 20);
    EXPECT_GE(ink[0].left, 1);
    EXPECT_LE(ink[0].left, 3);
    EXPECT_GE(ink[2].right, 100 - 3);
    EXPECT_LE(std::abs((ink[1].left + ink[1].right) - 100), 4);
    for (const Rect& r : ink) EXPECT_LE(std::abs((r.top + r.bottom) - 30), 6);  // vertically centred

    Surface opaque(100, 30);
    opaque.context.setFont(2);
    opaque.context.setFillColour(colours::blue);
    opaque.context.setFontColour(colours::yellow);
    opaque.context.drawTextInRect("Level", box, true, 1);
    EXPECT_EQ(opaque.image.at(50, 2), kBlack);  // above the text cell
    int blue = 0;
    for (std::uint32_t p : opaque.image.pixels) blue += p == 0x0000FF;
    EXPECT_GT(blue, width * 5);
}

TEST(Raster, KeyedDrawLeavesKeyPixelsAndKeepsItsFirstMask) {
    RasterImage allWhite = solid(8, 8, kWhite);
    RasterImage half = solid(8, 8, kWhite);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x) half.at(x, y) = 0x00FF00;
    registerTestBitmap(900, allWhite);
    registerTestBitmap(901, half);

    Bitmap* white = new Bitmap(900);
    Surface s(8, 8, 0x123456);
    white->drawKeyed(s.context, Rect(0, 0, 8, 8));
    EXPECT_EQ(s.image.pixels, solid(8, 8, 0x123456).pixels);
    white->release();

    Bitmap* mixed = new Bitmap(901);
    Surface t(8, 8, 0x123456);
    mixed->drawKeyed(t.context, Rect(0, 0, 8, 8));
    EXPECT_EQ(t.image.at(1, 1), 0x00FF00u);
    EXPECT_EQ(t.image.at(6, 1), 0x123456u);
    // A later key colour does not rebuild the mask made by the first keyed draw.
    mixed->setKeyColour(colours::green);
    Surface u(8, 8, 0x123456);
    mixed->drawKeyed(u.context, Rect(0, 0, 8, 8));
    EXPECT_EQ(u.image.pixels, t.image.pixels);
    mixed->release();
}

TEST(Raster, SourcePointInAStripShowsOnlyThatFrame) {
    const std::uint32_t frames[3] = {0xAA0000, 0x00BB00, 0x0000CC};
    RasterImage strip(10, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 10; ++x) strip.at(x, y) = frames[y / 10];
    registerTestBitmap(902, strip);
    Bitmap* bitmap = new Bitmap(902);
    EXPECT_EQ(bitmap->getWidth(), 10);
    EXPECT_EQ(bitmap->getHeight(), 30);
    for (int frame = 0; frame < 3; ++frame) {
        Surface s(20, 20, kBlack);
        bitmap->draw(s.context, Rect(5, 5, 15, 15), Point(0, frame * 10));
        EXPECT_EQ(inkBounds(s.image, kBlack, Rect(0, 0, 20, 20)), Rect(5, 5, 15, 15));
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x) ASSERT_EQ(s.image.at(x, y), frames[frame]);
    }
    bitmap->release();
}

TEST(Raster, BlendedDrawMixesWithConstantOpacity) {
    registerTestBitmap(903, solid(4, 4, 0xFF0000));
    Bitmap* bitmap = new Bitmap(903);
    struct Case {
        std::uint8_t alpha;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{0, 0x0000FF}, Case{255, 0xFF0000}, Case{128, 0x80007F}}) {
        Surface s(4, 4, 0x0000FF);
        bitmap->drawBlended(s.context, Rect(0, 0, 4, 4), Point(), c.alpha);
        EXPECT_EQ(s.image.at(2, 2), c.expected) << int(c.alpha);
    }
    bitmap->release();
}

TEST(Raster, MissingBitmapIsEmptyAndDrawsNothing) {
    Bitmap* missing = new Bitmap(31999);
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    Surface s(8, 8, 0x222222);
    missing->draw(s.context, Rect(0, 0, 8, 8));
    missing->drawKeyed(s.context, Rect(0, 0, 8, 8));
    EXPECT_EQ(s.image.pixels, solid(8, 8, 0x222222).pixels);
    missing->retain();
    EXPECT_EQ(missing->getReferenceCount(), 2);
    missing->release();
    EXPECT_EQ(missing->getReferenceCount(), 1);
    missing->release();
}

TEST(Raster, OffscreenSurfacesFillAndBlitOpaquely) {
    OffscreenContext plain(nullptr, 6, 4, colours::cyan);
    Surface target(10, 10, kBlack);
    target.context.setOffset(Point(1, 1));
    plain.blitTo(target.context, Rect(2, 2, 8, 6));
    EXPECT_EQ(inkBounds(target.image, kBlack, Rect(0, 0, 10, 10)), Rect(3, 3, 9, 7));
    EXPECT_EQ(target.image.at(4, 4), 0x00FFFFu);

    registerTestBitmap(904, solid(5, 3, 0x445566));
    Bitmap* bitmap = new Bitmap(904);
    OffscreenContext fromBitmap(&target.context, bitmap);
    EXPECT_EQ(fromBitmap.getWidth(), 5);
    EXPECT_EQ(bitmap->getReferenceCount(), 2);
    OffscreenContext blank(&target.context);
    EXPECT_EQ(blank.getWidth(), 20);
    Surface out(20, 20, kWhite);
    fromBitmap.blitTo(out.context, Rect(0, 0, 5, 3));
    blank.blitTo(out.context, Rect(0, 5, 20, 20));
    EXPECT_EQ(out.image.at(4, 2), 0x445566u);
    EXPECT_EQ(out.image.at(10, 10), kBlack);
    bitmap->release();
}
