// The software rasteriser: a Canvas over a RasterImage following GDI's pixel rules (lines
// exclude their end pixel, rectangles and ellipse boxes are half-open, polygons fill by the
// alternate rule at pixel centres). Text comes from the baked font tables.
#pragma once

#include "BakedFont.h"
#include "Canvas.h"
#include "RasterImage.h"

class RasterCanvas : public Canvas {
public:
    explicit RasterCanvas(RasterImage& target);

    RasterImage& image() { return *target_; }

    void setPen(Colour colour, int widthPx, int style) override;
    void setBrush(Colour colour) override { brush_ = RasterImage::pack(colour); }
    void setTextColour(Colour colour) override { textColour_ = colour; }
    void setTextBackground(Colour colour) override { textBack_ = RasterImage::pack(colour); }
    void setPenRop(PenRop rop) override { rop_ = rop; }
    void setClip(const Rect& deviceRect) override;

    void moveTo(Point p) override { position_ = p; }
    void lineTo(Point p) override;
    void polyline(const Point* points, int count) override;
    void fillPolygon(const Point* points, int count) override;
    void fillRect(const Rect& r) override;
    void ellipse(const Rect& box, bool outline, bool fill) override;
    void arc(const Rect& box, Point start, Point end) override;
    void fillPie(const Rect& box, Point start, Point end) override;
    void setPixel(Point p, Colour colour) override;

    void selectFont(const FontSpec& font) override;
    int textWidth(const char* text) override;
    void drawText(const char* text, const Rect& r, int alignment, bool opaque) override;

    void drawBitmap(platform::BitmapImage* image, const Rect& dest, Point source) override;
    void drawBitmapKeyed(platform::BitmapImage* image, const Rect& dest, Point source, Colour key) override;
    void drawBitmapBlended(platform::BitmapImage* image, const Rect& dest, Point source,
                           std::uint8_t alpha) override;
    void copyFrom(Canvas& source, const Rect& dest, Point sourcePoint) override;

private:
    enum class Blit { Opaque, Keyed, Blended };
    void plotPen(int x, int y);
    void plotFill(int x, int y);
    void line(Point from, Point to);
    bool clipped(int x, int y) const { return x < clip_.left || y < clip_.top || x >= clip_.right || y >= clip_.bottom; }
    void blit(const RasterImage& src, const std::uint8_t* mask, const Rect& dest, Point source, Blit mode,
              std::uint8_t alpha);
    // Calls plot(x, y) for every pixel of the ellipse in box; edge selects the outline.
    template <typename Plot>
    void forEllipsePixel(const Rect& box, bool edgeOnly, Plot plot);
    void drawGlyph(const bakedfont::Glyph& g, int penX, int baselineY, const Rect& clip);

    RasterImage* target_;
    Rect clip_;
    Point position_;
    std::uint32_t pen_ = 0xFFFFFF;
    int penWidth_ = 1;
    int penStyle_ = 0;
    unsigned dotPhase_ = 0;
    std::uint32_t brush_ = 0;
    Colour textColour_{};
    std::uint32_t textBack_ = 0xFFFFFF;
    PenRop rop_ = PenRop::Copy;
    const bakedfont::Face* face_ = nullptr;
    FontSpec font_{};
};

// A RasterCanvas that owns its surface (off-screen contexts). The surface base is built
// before the canvas base that points at it.
struct RasterSurfaceHolder {
    RasterImage surface;
};

class OwningRasterCanvas : private RasterSurfaceHolder, public RasterCanvas {
public:
    OwningRasterCanvas(int widthPx, int heightPx)
        : RasterSurfaceHolder{RasterImage(widthPx, heightPx)}, RasterCanvas(surface) {}
};
