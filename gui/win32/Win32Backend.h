// Shared pieces of the Win32 backend: the window record, the bitmap record and the GDI
// canvas over a device context.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "Platform.h"

namespace platform {

struct NativeWindow {
    HWND hwnd = nullptr;
    WindowClient* client = nullptr;
    HBRUSH editBrush = nullptr;  // background brush handed out for a native edit box
};

struct BitmapImage {
    HBITMAP bitmap = nullptr;
    HBITMAP mask = nullptr;  // one bit per pixel, set where the pixel had the key colour
    int width = 0;
    int height = 0;
};

}  // namespace platform

// A Canvas on a GDI device context (not owned). Remembers the context's pen, brush and
// font while a DrawContext uses it and puts them back at the end.
class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc(dc) {}
    ~GdiCanvas() override;
    HDC deviceContext() const { return dc; }

    void beginContext() override;
    void endContext() override;
    void setPen(Colour colour, int widthPx, int style) override;
    void setBrush(Colour colour) override;
    void setTextColour(Colour colour) override;
    void setTextBackground(Colour colour) override;
    void setPenRop(PenRop rop) override;
    void setClip(const Rect& deviceRect) override;
    void moveTo(Point p) override;
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

protected:
    HDC dc;

private:
    void releaseOwned();
    HGDIOBJ savedPen = nullptr;
    HGDIOBJ savedBrush = nullptr;
    HGDIOBJ savedFont = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    bool inContext = false;
};

COLORREF toColorRef(Colour c);
HINSTANCE moduleInstance();
