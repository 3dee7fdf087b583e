// A reference-counted picture from the library's own bitmap resources, drawn opaquely,
// with its key colour left out, or blended with one constant opacity. A resource that
// does not load gives a 0 x 0 bitmap whose draws do nothing. [ui-thread]
#pragma once

#include <cstdint>

#include "Colour.h"
#include "Geometry.h"

class DrawContext;
namespace platform {
struct BitmapImage;
}

class Bitmap {
public:
    explicit Bitmap(int resourceId);
    // An empty bitmap without image.
    Bitmap(int widthPx, int heightPx);

    void retain() { ++referenceCount; }
    // Deletes the bitmap when the count reaches 0; a count already at 0 stays there.
    void release();
    int getReferenceCount() const { return referenceCount; }

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    bool isLoaded() const { return image != nullptr; }
    // A mask made by an earlier keyed draw stays in use.
    void setKeyColour(Colour colour) { keyColour = colour; }

    // The rect's width and height from `source` of the bitmap to `rect` plus the offset.
    void draw(DrawContext& context, const Rect& rect, Point source = Point());
    void drawKeyed(DrawContext& context, const Rect& rect, Point source = Point());
    void drawBlended(DrawContext& context, const Rect& rect, Point source, std::uint8_t alpha);

private:
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int resourceId = 0;
    int referenceCount = 1;
    int width = 0;
    int height = 0;
    Colour keyColour = colours::transparentKey;
    platform::BitmapImage* image = nullptr;
};
