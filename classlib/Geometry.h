// Points, sizes and rectangles over the Windows records, so they pass to GDI as they are.
#pragma once

#include "classlib/Win.h"

struct TPoint : POINT {
    constexpr TPoint() : POINT{0, 0} {}
    constexpr TPoint(LONG ax, LONG ay) : POINT{ax, ay} {}
    bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
};

struct TSize : SIZE {
    constexpr TSize() : SIZE{0, 0} {}
    constexpr TSize(LONG w, LONG h) : SIZE{w, h} {}
    bool operator==(const TSize& o) const { return cx == o.cx && cy == o.cy; }
};

struct TRect : RECT {
    constexpr TRect() : RECT{0, 0, 0, 0} {}
    constexpr TRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    constexpr TRect(const RECT& r) : RECT(r) {}
    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
    constexpr bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const TRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

constexpr TRect Bounds(LONG left, LONG top, LONG width, LONG height)
{
    return TRect(left, top, left + width, top + height);
}
