// GDI drawing for the Win32 backend.
#include <cstring>

#include "Win32Backend.h"

COLORREF toColorRef(Colour c) { return RGB(c.red, c.green, c.blue); }

namespace {

// A memory device context holding one bitmap for the duration of a draw.
class MemoryDc {
public:
    MemoryDc(HDC compatible, HBITMAP bitmap) : dc(CreateCompatibleDC(compatible)) {
        old = dc ? SelectObject(dc, bitmap) : nullptr;
    }
    ~MemoryDc() {
        if (!dc) return;
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    HDC dc;

private:
    HGDIOBJ old;
};

}  // namespace

GdiCanvas::~GdiCanvas() {
    if (inContext) endContext();
}

void GdiCanvas::beginContext() {
    savedPen = GetCurrentObject(dc, OBJ_PEN);
    savedBrush = GetCurrentObject(dc, OBJ_BRUSH);
    savedFont = GetCurrentObject(dc, OBJ_FONT);
    SetBkMode(dc, TRANSPARENT);
    inContext = true;
}

void GdiCanvas::releaseOwned() {
    if (pen) DeleteObject(pen);
    if (brush) DeleteObject(brush);
    if (font) DeleteObject(font);
    pen = nullptr;
    brush = nullptr;
    font = nullptr;
}

void GdiCanvas::endContext() {
    if (!inContext) return;
    SelectObject(dc, savedBrush);
    SelectObject(dc, savedPen);
    SelectObject(dc, savedFont);
    releaseOwned();
    inContext = false;
}

void GdiCanvas::setPen(Colour colour, int widthPx, int style) {
    HPEN created = CreatePen(style == 1 ? PS_DOT : PS_SOLID, widthPx, toColorRef(colour));
    if (!created) return;
    SelectObject(dc, created);
    if (pen) DeleteObject(pen);
    pen = created;
}

void GdiCanvas::setBrush(Colour colour) {
    HBRUSH created = CreateSolidBrush(toColorRef(colour));
    if (!created) {
        GetLastError();  // the previous brush stays selected
        return;
    }
    SelectObject(dc, created);
    if (brush) DeleteObject(brush);
    brush = created;
}

void GdiCanvas::setTextColour(Colour colour) { SetTextColor(dc, toColorRef(colour)); }
void GdiCanvas::setTextBackground(Colour colour) { SetBkColor(dc, toColorRef(colour)); }

void GdiCanvas::setPenRop(PenRop rop) {
    SetROP2(dc, rop == PenRop::Or ? R2_MERGEPEN : rop == PenRop::NotXor ? R2_NOTXORPEN : R2_COPYPEN);
}

void GdiCanvas::setClip(const Rect& r) {
    HRGN region = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    SelectClipRgn(dc, region);
    if (region) DeleteObject(region);
}

void GdiCanvas::moveTo(Point p) { MoveToEx(dc, p.h, p.v, nullptr); }
void GdiCanvas::lineTo(Point p) { LineTo(dc, p.h, p.v); }

// Point and POINT are both two 32-bit signed integers.
static_assert(sizeof(Point) == sizeof(POINT), "Point must match POINT");

void GdiCanvas::polyline(const Point* points, int count) {
    Polyline(dc, reinterpret_cast<const POINT*>(points), count);
}

void GdiCanvas::fillPolygon(const Point* points, int count) {
    HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, reinterpret_cast<const POINT*>(points), count);
    SelectObject(dc, old);
}

void GdiCanvas::fillRect(const Rect& r) {
    const RECT rc{r.left, r.top, r.right, r.bottom};
    FillRect(dc, &rc, brush ? brush : static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
}

void GdiCanvas::ellipse(const Rect& box, bool outline, bool fill) {
    HGDIOBJ oldPen = outline ? nullptr : SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = fill ? nullptr : SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    if (oldPen) SelectObject(dc, oldPen);
    if (oldBrush) SelectObject(dc, oldBrush);
}

void GdiCanvas::arc(const Rect& box, Point start, Point end) {
    Arc(dc, box.left, box.top, box.right, box.bottom, start.h, start.v, end.h, end.v);
}

void GdiCanvas::fillPie(const Rect& box, Point start, Point end) {
    HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_PEN));
    Pie(dc, box.left, box.top, box.right, box.bottom, start.h, start.v, end.h, end.v);
    SelectObject(dc, old);
}

void GdiCanvas::setPixel(Point p, Colour colour) { SetPixel(dc, p.h, p.v, toColorRef(colour)); }

void GdiCanvas::selectFont(const FontSpec& wanted) {
    const bool symbol = wanted.id == 7;
    HFONT created = CreateFontA(-wanted.heightPx, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic, wanted.underline,
                                FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                symbol ? FF_DECORATIVE : (FF_SWISS | VARIABLE_PITCH), symbol ? "Symbol" : "Arial");
    if (!created) return;
    SelectObject(dc, created);
    if (font) DeleteObject(font);
    font = created;
}

int GdiCanvas::textWidth(const char* text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text, int(std::strlen(text)), &size);
    return size.cx;
}

void GdiCanvas::drawText(const char* text, const Rect& r, int alignment, bool opaque) {
    RECT rc{r.left, r.top, r.right, r.bottom};
    const UINT align = alignment == 1 ? DT_CENTER : alignment == 2 ? DT_RIGHT : DT_LEFT;
    SetBkMode(dc, opaque ? OPAQUE : TRANSPARENT);
    DrawTextA(dc, text, -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
    SetBkMode(dc, TRANSPARENT);
}

void GdiCanvas::drawBitmap(platform::BitmapImage* image, const Rect& dest, Point source) {
    if (!image || !image->bitmap) return;
    MemoryDc mem(dc, image->bitmap);
    BitBlt(dc, dest.left, dest.top, dest.width(), dest.height(), mem.dc, source.h, source.v, SRCCOPY);
}

// The mask method: the whole bitmap is combined with the destination under it, then the
// requested part is copied, so key-colour pixels leave the destination unchanged.
void GdiCanvas::drawBitmapKeyed(platform::BitmapImage* image, const Rect& dest, Point source, Colour key) {
    if (!image || !image->bitmap) return;
    const int w = image->width, h = image->height;
    if (!image->mask) {
        image->mask = CreateBitmap(w, h, 1, 1, nullptr);
        if (!image->mask) return;
        MemoryDc bits(dc, image->bitmap), mask(dc, image->mask);
        SetBkColor(bits.dc, toColorRef(key));
        BitBlt(mask.dc, 0, 0, w, h, bits.dc, 0, 0, SRCCOPY);
    }
    HBITMAP inverseBitmap = CreateBitmap(w, h, 1, 1, nullptr);
    HBITMAP compositeBitmap = CreateCompatibleBitmap(dc, w, h);
    HBITMAP savedBitmap = CreateCompatibleBitmap(dc, w, h);
    if (inverseBitmap && compositeBitmap && savedBitmap) {
        MemoryDc bits(dc, image->bitmap), mask(dc, image->mask), inverse(dc, inverseBitmap),
            composite(dc, compositeBitmap), saved(dc, savedBitmap);
        // Monochrome sources expand to white (set bits) and black (clear bits).
        for (HDC target : {bits.dc, composite.dc}) {
            SetBkColor(target, RGB(255, 255, 255));
            SetTextColor(target, RGB(0, 0, 0));
        }
        BitBlt(saved.dc, 0, 0, w, h, bits.dc, 0, 0, SRCCOPY);
        BitBlt(inverse.dc, 0, 0, w, h, mask.dc, 0, 0, NOTSRCCOPY);
        BitBlt(composite.dc, 0, 0, w, h, dc, dest.left - source.h, dest.top - source.v, SRCCOPY);
        BitBlt(composite.dc, 0, 0, w, h, mask.dc, 0, 0, SRCAND);
        BitBlt(bits.dc, 0, 0, w, h, inverse.dc, 0, 0, SRCAND);
        BitBlt(composite.dc, 0, 0, w, h, bits.dc, 0, 0, SRCPAINT);
        BitBlt(dc, dest.left, dest.top, dest.width(), dest.height(), composite.dc, source.h, source.v, SRCCOPY);
        BitBlt(bits.dc, 0, 0, w, h, saved.dc, 0, 0, SRCCOPY);
    }
    if (inverseBitmap) DeleteObject(inverseBitmap);
    if (compositeBitmap) DeleteObject(compositeBitmap);
    if (savedBitmap) DeleteObject(savedBitmap);
}

void GdiCanvas::drawBitmapBlended(platform::BitmapImage* image, const Rect& dest, Point source, std::uint8_t alpha) {
    if (!image || !image->bitmap) return;
    MemoryDc mem(dc, image->bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
    AlphaBlend(dc, dest.left, dest.top, dest.width(), dest.height(), mem.dc, source.h, source.v, dest.width(),
               dest.height(), blend);
}

void GdiCanvas::copyFrom(Canvas& source, const Rect& dest, Point sourcePoint) {
    BitBlt(dc, dest.left, dest.top, dest.width(), dest.height(), static_cast<GdiCanvas&>(source).deviceContext(),
           sourcePoint.h, sourcePoint.v, SRCCOPY);
}
