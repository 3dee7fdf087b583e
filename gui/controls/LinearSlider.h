// Faders: a handle bitmap moved along a track over a background, drawn through an
// off-screen surface (created in onAttached, deleted in onRemoved) so the handle never
// flickers. A click centres the handle on the mouse (free click) or must hit the handle
// and keeps the grab offset; Shift moves it a tenth as fast from where Shift went down.
//
// Style bits: 1 horizontal, 2 vertical (set by the subclass); 8 or 32 the value grows with
// the coordinate when drawn; 16 or 64 inverted mouse mapping. [ui-thread]
#pragma once

#include <memory>

#include "Control.h"

class OffscreenContext;

class LinearSlider : public Control {
public:
    enum StyleBits : int {
        kHorizontal = 1, kVertical = 2, kGrowsWithCoordinate = 8 | 32, kInvertedMouse = 16 | 64
    };

    LinearSlider(const Rect& size, ControlListener* listener, std::int32_t tag, int minimumPosition,
                 int maximumPosition, Bitmap* handle, Bitmap* background, Point backgroundOffset, int style);
    ~LinearSlider() override;

    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
    bool onAttached(View* parent) override;
    bool onRemoved(View* parent) override;

    void setHandleOffset(Point offset);
    void setFreeClick(bool on) { freeClick = on; }
    void setTransparentHandle(bool on) { transparentHandle = on; }
    void setFineDivisor(float divisor) { fineDivisor = divisor; }
    bool hasSurface() const { return surface != nullptr; }
    // The handle's rectangle relative to the control's top-left for the current value.
    Rect handleRect() const;

private:
    bool horizontal() const { return (style & kHorizontal) != 0; }
    void recomputeHandleLimits();

    Point backgroundOffset;
    Point handleOffset;
    Bitmap* handleBitmap;
    int handleWidth;
    int handleHeight;
    int range;
    int style;
    int minimumPositionOffset;
    int handleMinimum = 0;
    int handleMaximum = 0;
    int width;
    int height;
    float fineDivisor = 10.0f;
    bool transparentHandle = true;
    bool freeClick = true;
    std::unique_ptr<OffscreenContext> surface;
};

class VerticalFader : public LinearSlider {
public:
    VerticalFader(const Rect& size, ControlListener* listener, std::int32_t tag, int minimumPosition,
                  int maximumPosition, Bitmap* handle, Bitmap* background, Point backgroundOffset, int style = 0)
        : LinearSlider(size, listener, tag, minimumPosition, maximumPosition, handle, background, backgroundOffset,
                       style | kVertical) {}
};

class HorizontalFader : public LinearSlider {
public:
    HorizontalFader(const Rect& size, ControlListener* listener, std::int32_t tag, int minimumPosition,
                    int maximumPosition, Bitmap* handle, Bitmap* background, Point backgroundOffset, int style = 0)
        : LinearSlider(size, listener, tag, minimumPosition, maximumPosition, handle, background, backgroundOffset,
                       style | kHorizontal) {}
};
