#include "RasterCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "RasterBitmapImage.h"
#include "ToolkitConstants.h"

namespace {

using toolkit::kPi;

std::uint32_t applyRop(PenRop rop, std::uint32_t dst, std::uint32_t src) {
    switch (rop) {
        case PenRop::Or: return dst | src;
        case PenRop::NotXor: return ~(dst ^ src) & 0xFFFFFFu;
        default: return src;
    }
}

Rect intersect(const Rect& a, const Rect& b) {
    Rect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom));
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

// Counter-clockwise angle (v up) of a point around a centre, in 0..2pi.
double angleOf(double dx, double dy) {
    double a = std::atan2(-dy, dx);
    return a < 0 ? a + 2 * kPi : a;
}

bool angleWithin(double a, double start, double end) {
    const double span = std::fmod(end - start + 4 * kPi, 2 * kPi);
    const double rel = std::fmod(a - start + 4 * kPi, 2 * kPi);
    return span == 0.0 || rel <= span;
}

}  // namespace

RasterCanvas::RasterCanvas(RasterImage& target) : target_(&target), clip_(0, 0, target.width, target.height) {}

void RasterCanvas::setPen(Colour colour, int widthPx, int style) {
    pen_ = RasterImage::pack(colour);
    penWidth_ = widthPx < 1 ? 1 : widthPx;
    penStyle_ = style;
}

void RasterCanvas::setClip(const Rect& deviceRect) {
    clip_ = intersect(deviceRect, Rect(0, 0, target_->width, target_->height));
}

void RasterCanvas::plotFill(int x, int y) {
    if (clipped(x, y)) return;
    std::uint32_t& dst = target_->at(x, y);
    dst = applyRop(rop_, dst, brush_);
}

void RasterCanvas::plotPen(int x, int y) {
    if (penStyle_ == 1 && (dotPhase_++ & 1u)) return;  // dotted: every other pixel
    const int lo = -(penWidth_ - 1) / 2;
    for (int dy = lo; dy < lo + penWidth_; ++dy)
        for (int dx = lo; dx < lo + penWidth_; ++dx) {
            if (clipped(x + dx, y + dy)) continue;
            std::uint32_t& dst = target_->at(x + dx, y + dy);
            dst = applyRop(rop_, dst, pen_);
        }
}

// Bresenham from `from` up to, not including, `to`.
void RasterCanvas::line(Point from, Point to) {
    int x = from.h, y = from.v;
    const int dx = std::abs(to.h - x), sx = x < to.h ? 1 : -1;
    const int dy = -std::abs(to.v - y), sy = y < to.v ? 1 : -1;
    int err = dx + dy;
    while (x != to.h || y != to.v) {
        plotPen(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void RasterCanvas::lineTo(Point p) {
    line(position_, p);
    position_ = p;
}

void RasterCanvas::polyline(const Point* points, int count) {
    for (int i = 1; i < count; ++i) line(points[i - 1], points[i]);
}

void RasterCanvas::fillPolygon(const Point* points, int count) {
    if (count < 3) return;
    int minY = points[0].v, maxY = points[0].v;
    for (int i = 1; i < count; ++i) {
        minY = std::min(minY, points[i].v);
        maxY = std::max(maxY, points[i].v);
    }
    minY = std::max(minY, clip_.top);
    maxY = std::min(maxY, clip_.bottom);
    double crossings[64];
    for (int y = minY; y < maxY; ++y) {
        const double cy = y + 0.5;
        int n = 0;
        for (int i = 0; i < count && n < 64; ++i) {
            const Point a = points[i], b = points[(i + 1) % count];
            if ((a.v <= cy) == (b.v <= cy)) continue;
            crossings[n++] = a.h + (cy - a.v) * double(b.h - a.h) / double(b.v - a.v);
        }
        std::sort(crossings, crossings + n);
        for (int k = 0; k + 1 < n; k += 2) {
            // Pixels whose centre lies inside [x0, x1): the right edge stays outside.
            const int x0 = int(std::ceil(crossings[k] - 0.5));
            const int x1 = int(std::ceil(crossings[k + 1] - 0.5));
            for (int x = x0; x < x1; ++x) plotFill(x, y);
        }
    }
}

void RasterCanvas::fillRect(const Rect& r) {
    const Rect c = intersect(r, clip_);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x) target_->at(x, y) = brush_;
}

template <typename Plot>
void RasterCanvas::forEllipsePixel(const Rect& box, bool edgeOnly, Plot plot) {
    if (box.width() <= 0 || box.height() <= 0) return;
    const double cx = (box.left + box.right - 1) / 2.0, cy = (box.top + box.bottom - 1) / 2.0;
    const double rx = box.width() / 2.0, ry = box.height() / 2.0;
    auto inside = [&](int x, int y) {
        const double nx = (x - cx) / rx, ny = (y - cy) / ry;
        return nx * nx + ny * ny <= 1.0;
    };
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            if (!inside(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (!edgeOnly || edge) plot(x, y, cx, cy);
        }
}

void RasterCanvas::ellipse(const Rect& box, bool outline, bool fill) {
    if (fill) forEllipsePixel(box, false, [&](int x, int y, double, double) { plotFill(x, y); });
    if (outline) forEllipsePixel(box, true, [&](int x, int y, double, double) { plotPen(x, y); });
}

void RasterCanvas::arc(const Rect& box, Point start, Point end) {
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double a0 = angleOf(start.h - cx, start.v - cy), a1 = angleOf(end.h - cx, end.v - cy);
    forEllipsePixel(box, true, [&](int x, int y, double ex, double ey) {
        if (angleWithin(angleOf(x - ex, y - ey), a0, a1)) plotPen(x, y);
    });
}

void RasterCanvas::fillPie(const Rect& box, Point start, Point end) {
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double a0 = angleOf(start.h - cx, start.v - cy), a1 = angleOf(end.h - cx, end.v - cy);
    forEllipsePixel(box, false, [&](int x, int y, double ex, double ey) {
        if (angleWithin(angleOf(x - ex, y - ey), a0, a1)) plotFill(x, y);
    });
}

void RasterCanvas::setPixel(Point p, Colour colour) {
    if (!clipped(p.h, p.v)) target_->at(p.h, p.v) = RasterImage::pack(colour);
}

void RasterCanvas::blit(const RasterImage& src, const std::uint8_t* mask, const Rect& dest, Point source,
                        Blit mode, std::uint8_t alpha) {
    for (int y = 0; y < dest.height(); ++y) {
        const int sy = source.v + y, dy = dest.top + y;
        if (sy < 0 || sy >= src.height) continue;
        for (int x = 0; x < dest.width(); ++x) {
            const int sx = source.h + x, dx = dest.left + x;
            if (sx < 0 || sx >= src.width || clipped(dx, dy)) continue;
            const std::uint32_t s = src.at(sx, sy);
            std::uint32_t& d = target_->at(dx, dy);
            if (mode == Blit::Keyed && mask[std::size_t(sy) * src.width + sx]) continue;
            if (mode == Blit::Blended) {
                std::uint32_t out = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    const unsigned sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                    out |= ((sc * alpha + dc * (255u - alpha) + 127u) / 255u) << shift;
                }
                d = out;
            } else {
                d = s;
            }
        }
    }
}

void RasterCanvas::drawBitmap(platform::BitmapImage* image, const Rect& dest, Point source) {
    if (image) blit(image->pixels, nullptr, dest, source, Blit::Opaque, 255);
}

void RasterCanvas::drawBitmapKeyed(platform::BitmapImage* image, const Rect& dest, Point source, Colour key) {
    if (!image) return;
    if (image->keyMask.empty() && !image->pixels.pixels.empty()) {
        const std::uint32_t k = RasterImage::pack(key);
        image->keyMask.resize(image->pixels.pixels.size());
        for (std::size_t i = 0; i < image->keyMask.size(); ++i) image->keyMask[i] = image->pixels.pixels[i] == k;
    }
    blit(image->pixels, image->keyMask.data(), dest, source, Blit::Keyed, 255);
}

void RasterCanvas::drawBitmapBlended(platform::BitmapImage* image, const Rect& dest, Point source,
                                     std::uint8_t alpha) {
    if (image) blit(image->pixels, nullptr, dest, source, Blit::Blended, alpha);
}

void RasterCanvas::copyFrom(Canvas& source, const Rect& dest, Point sourcePoint) {
    blit(static_cast<RasterCanvas&>(source).image(), nullptr, dest, sourcePoint, Blit::Opaque, 255);
}
