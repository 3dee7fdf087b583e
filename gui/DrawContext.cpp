#include "DrawContext.h"

#include <new>

#include "EditorFrame.h"
#include "Platform.h"

namespace {
constexpr int kDefaultFontHeightPx[DrawContext::kFontCount] = {12, 18, 14, 12, 11, 10, 9, 13};
constexpr int kDragStartSquarePx = 5;

Rect frameSizeOr1000(EditorFrame* frame) {
    if (!frame) return Rect(0, 0, 1000, 1000);
    Rect size;
    frame->getSize(size);
    return size;
}
}  // namespace

DrawContext::DrawContext(EditorFrame* frame, Canvas* device, platform::NativeWindow* window)
    : device(device), window(window), frame(frame), clipRect(frameSizeOr1000(frame)) {
    if (window) windowOrigin = platform::windowScreenOrigin(window);
    if (device) {
        device->beginContext();
        applyPen();
        device->setBrush(fillColour);
        device->setTextColour(fontColour);
        device->setTextBackground(fillColour);
    }
}

DrawContext::~DrawContext() {
    if (device) device->endContext();
}

int DrawContext::defaultFontHeight(int id) { return kDefaultFontHeightPx[(id < 0 || id >= kFontCount) ? 0 : id]; }

void DrawContext::applyPen() {
    if (device) device->setPen(frameColour, lineWidth, lineStyle);
}

void DrawContext::moveTo(Point p) {
    if (device) device->moveTo(p.offset(offset.h, offset.v));
}

void DrawContext::lineTo(Point p) {
    if (device) device->lineTo(p.offset(offset.h, offset.v));
}

Point* DrawContext::offsetPoints(const Point* points, int count, Point* fixed) {
    Point* out = count <= kFixedPoints ? fixed : new (std::nothrow) Point[std::size_t(count)];
    if (!out) return nullptr;
    for (int i = 0; i < count; ++i) out[i] = Point(points[i].h + offset.h, points[i].v + offset.v);
    return out;
}

void DrawContext::releasePoints(Point* points, Point* fixed) {
    if (points != fixed) delete[] points;
}

void DrawContext::withOffsetPoints(const Point* points, int count, void (Canvas::*draw)(const Point*, int)) {
    if (!device || !points || count <= 0) return;
    Point fixed[kFixedPoints];
    Point* shifted = offsetPoints(points, count, fixed);
    if (!shifted) return;
    (device->*draw)(shifted, count);
    releasePoints(shifted, fixed);
}

void DrawContext::drawPolyline(const Point* points, int count) { withOffsetPoints(points, count, &Canvas::polyline); }

void DrawContext::fillPolygon(const Point* points, int count) { withOffsetPoints(points, count, &Canvas::fillPolygon); }

void DrawContext::setLineStyle(int style) {
    lineStyle = style == 1 ? 1 : 0;
    applyPen();
}

void DrawContext::setLineWidth(int widthPx) {
    lineWidth = widthPx;
    applyPen();
}

void DrawContext::setDrawMode(int mode) {
    if (mode == drawMode) return;
    drawMode = mode;
    if (device) device->setPenRop(mode == 1 ? PenRop::Or : mode == 2 ? PenRop::NotXor : PenRop::Copy);
}

void DrawContext::setClipRect(const Rect& rect) {
    if (rect == clipRect) return;
    clipRect = rect;
    if (device) device->setClip(rect);
}

void DrawContext::resetClipRect() { setClipRect(frameSizeOr1000(frame)); }

void DrawContext::drawRect(const Rect& r) {
    const Point corners[5] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom},
                              {r.left, r.top}};
    drawPolyline(corners, 5);
}

void DrawContext::fillRect(const Rect& r) {
    if (device) device->fillRect(Rect(r.left + 1, r.top + 1, r.right, r.bottom).offsetBy(offset));
}

void DrawContext::drawEllipse(const Rect& r) {
    if (device) device->ellipse(Rect(r.left, r.top, r.right + 1, r.bottom + 1).offsetBy(offset), true, false);
}

void DrawContext::fillEllipse(const Rect& r) {
    if (device) device->ellipse(Rect(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1).offsetBy(offset), false, true);
}

void DrawContext::drawArc(const Rect& r, Point start, Point end) {
    if (!device) return;
    device->arc(Rect(r.left, r.top, r.right + 1, r.bottom + 1).offsetBy(offset), start.offset(offset.h, offset.v),
                end.offset(offset.h, offset.v));
}

void DrawContext::fillPie(const Rect& r, Point start, Point end) {
    if (!device) return;
    device->fillPie(Rect(r.left, r.top, r.right + 1, r.bottom + 1).offsetBy(offset),
                    start.offset(offset.h, offset.v), end.offset(offset.h, offset.v));
}

void DrawContext::drawPoint(Point p, Colour colour) {
    if (device) device->setPixel(p.offset(offset.h, offset.v), colour);
}

void DrawContext::setFrameColour(Colour colour) {
    frameColour = colour;
    applyPen();
}

void DrawContext::setFillColour(Colour colour) {
    fillColour = colour;
    if (!device) return;
    device->setBrush(colour);
    device->setTextBackground(colour);
}

void DrawContext::setFontColour(Colour colour) {
    fontColour = colour;
    if (device) device->setTextColour(colour);
}

void DrawContext::setFont(int id, int sizePx, int style) {
    if (id < 0 || id >= kFontCount) id = 0;
    fontId = id;
    fontSize = sizePx > 0 ? sizePx : defaultFontHeight(id);
    FontSpec font;
    font.id = id;
    font.heightPx = fontSize;
    font.bold = (style & kBold) || id == 0;
    font.italic = (style & kItalic) != 0;
    font.underline = (style & kUnderline) != 0;
    if (device) device->selectFont(font);
}

int DrawContext::textWidth(const char* text) { return device && text ? device->textWidth(text) : 0; }

void DrawContext::drawTextInRect(const char* text, const Rect& rect, bool opaque, int alignment) {
    if (!device || !text) return;
    Rect r = rect.offsetBy(offset);
    if (alignment == 0) r.left += 1;
    device->drawText(text, r, alignment, opaque);
}

int DrawContext::readMouseButtons() const { return platform::readMouseButtons(); }

void DrawContext::readMouseLocation(Point& point) const {
    const Point screen = platform::cursorScreenPosition();
    point = Point(screen.h - windowOrigin.h, screen.v - windowOrigin.v);
}

bool DrawContext::waitForDoubleClick() {
    const std::uint32_t deadline = platform::lastMessageTimeMs() + platform::doubleClickTimeMs();
    for (;;) {
        if (platform::takeLeftButtonDown()) return true;
        if (std::int32_t(platform::tickCountMs() - deadline) >= 0) return false;
        platform::sleepMs(1);
    }
}

bool DrawContext::waitForDragStart() {
    Point start;
    readMouseLocation(start);
    const int half = kDragStartSquarePx / 2;
    while (readMouseButtons() & (platform::kLeftButton | platform::kMiddleButton | platform::kRightButton)) {
        Point p;
        readMouseLocation(p);
        if (p.h < start.h - half || p.h > start.h + half || p.v < start.v - half || p.v > start.v + half) return true;
        if (frame) frame->serviceDuringDrag();
        else platform::sleepMs(4);
    }
    return false;
}
