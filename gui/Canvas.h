// The drawing device a DrawContext talks to. Each backend implements it once: GDI device
// contexts on Windows, the software rasteriser (gui/raster) on X11 and headless. All
// coordinates are device pixels; the DrawContext has already applied its offset and the
// toolkit's rectangle conventions, so a Canvas follows plain GDI rules:
//   - lines include their start pixel and exclude their end pixel;
//   - rectangles and ellipse boxes are half-open (right and bottom excluded).
#pragma once

#include <cstdint>

#include "Colour.h"
#include "Geometry.h"

namespace platform {
struct BitmapImage;
}

enum class PenRop { Copy, Or, NotXor };

struct FontSpec {
    int id = 0;             // 0..7, selects the face (7 is the decorative symbol face)
    int heightPx = 12;      // character (em) height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Called by DrawContext construction and destruction: a device remembers the
    // selections it had and restores them at end.
    virtual void beginContext() {}
    virtual void endContext() {}

    virtual void setPen(Colour colour, int widthPx, int style) = 0;  // style 0 solid, 1 dotted
    virtual void setBrush(Colour colour) = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual void setTextBackground(Colour colour) = 0;
    virtual void setPenRop(PenRop rop) = 0;
    virtual void setClip(const Rect& deviceRect) = 0;

    virtual void moveTo(Point p) = 0;
    virtual void lineTo(Point p) = 0;
    virtual void polyline(const Point* points, int count) = 0;
    virtual void fillPolygon(const Point* points, int count) = 0;  // brush, no outline
    virtual void fillRect(const Rect& r) = 0;                       // brush colour, no pen
    virtual void ellipse(const Rect& box, bool outline, bool fill) = 0;
    // Counter-clockwise from the ray through start to the ray through end.
    virtual void arc(const Rect& box, Point start, Point end) = 0;
    virtual void fillPie(const Rect& box, Point start, Point end) = 0;
    virtual void setPixel(Point p, Colour colour) = 0;

    virtual void selectFont(const FontSpec& font) = 0;
    virtual int textWidth(const char* text) = 0;
    // One line vertically centred in r; alignment 0 left, 1 centred, 2 right. Opaque fills
    // the text cells with the text background colour.
    virtual void drawText(const char* text, const Rect& r, int alignment, bool opaque) = 0;

    virtual void drawBitmap(platform::BitmapImage* image, const Rect& dest, Point source) = 0;
    // Pixels equal to the key leave the destination unchanged. The image's mask is made on
    // the first keyed draw and kept, whatever key later draws pass.
    virtual void drawBitmapKeyed(platform::BitmapImage* image, const Rect& dest, Point source, Colour key) = 0;
    virtual void drawBitmapBlended(platform::BitmapImage* image, const Rect& dest, Point source,
                                   std::uint8_t alpha) = 0;
    // Opaque copy from another canvas of the same backend (an off-screen surface).
    virtual void copyFrom(Canvas& source, const Rect& dest, Point sourcePoint) = 0;
};
