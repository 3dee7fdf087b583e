// Points and rectangles in editor pixels (frame coordinates: origin at the top-left of the
// frame's window, v growing downwards).
#pragma once

#include <algorithm>
#include <cstdint>

struct Point {
    std::int32_t h = 0;
    std::int32_t v = 0;

    constexpr Point() = default;
    constexpr Point(std::int32_t hPx, std::int32_t vPx) : h(hPx), v(vPx) {}
    Point& offset(std::int32_t dh, std::int32_t dv) {
        h += dh;
        v += dv;
        return *this;
    }
    constexpr bool operator==(const Point& o) const { return h == o.h && v == o.v; }
    constexpr bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
        : left(l), top(t), right(r), bottom(b) {}
    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    // Both edges are inside: a click on the right or bottom edge hits the rect.
    constexpr bool contains(Point p) const { return left <= p.h && p.h <= right && top <= p.v && p.v <= bottom; }
    Rect& offset(std::int32_t dh, std::int32_t dv) {
        left += dh;
        right += dh;
        top += dv;
        bottom += dv;
        return *this;
    }
    Rect offsetBy(Point d) const { return Rect(left + d.h, top + d.v, right + d.h, bottom + d.v); }
    constexpr bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const Rect& o) const { return !(*this == o); }
};
