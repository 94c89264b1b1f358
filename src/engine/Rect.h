#pragma once
// Rectangles with exclusive right and bottom edges, and the two tests the
// table uses on them.
#include <algorithm>
#include <cmath>

namespace tandrel {

struct Rect {
    long left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

inline Rect RectAt(long x, long y, long w, long h) { return {x, y, x + w, y + h}; }

inline bool PtInRect(const Rect& r, long x, long y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// True when the two rectangles share at least one pixel.
inline bool IntersectRect(const Rect& a, const Rect& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// Mouse positions arrive as floats and go to whole pixels, halves to even.
inline long ToPixel(float v) { return static_cast<long>(std::nearbyint(v)); }

} // namespace tandrel
