// A DrawContext over a memory surface, copied to a window context in one transfer (faders
// draw through one so the handle never flickers over its track). [ui-thread]
#pragma once

#include <memory>

#include "DrawContext.h"

class Bitmap;

class OffscreenContext : public DrawContext {
public:
    // A surface of width x height filled and framed in `background`.
    OffscreenContext(EditorFrame* frame, int widthPx, int heightPx, Colour background = colours::black);
    // A surface of the bitmap's size (20 x 20 without one) holding the bitmap, or black.
    OffscreenContext(DrawContext* context, Bitmap* bitmap = nullptr);
    ~OffscreenContext() override;

    // Copies the rect's size from `source` of the surface to `destRect` (plus the
    // destination's offset), opaquely.
    void blitTo(DrawContext& destination, const Rect& destRect, Point source = Point());

    int getWidth() const { return width; }
    int getHeight() const { return height; }

private:
    OffscreenContext(EditorFrame* frame, std::unique_ptr<Canvas> surface, int widthPx, int heightPx);

    std::unique_ptr<Canvas> surface;
    int width;
    int height;
    Bitmap* bitmap = nullptr;
};
