#pragma once

namespace quillor {

// A point in picture coordinates (y counted from the top line) or in window pixels.
struct IntPoint {
    int x = 0;
    int y = 0;
    bool operator==(const IntPoint&) const = default;
};

// A rectangle, left and top inclusive, right and bottom exclusive: (2, 2, 9, 7) holds
// the 7 x 5 pixels from (2, 2) to (8, 6).
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Contains(IntPoint p) const { return Contains(p.x, p.y); }
    bool operator==(const IntRect&) const = default;
};

// The part `a` and `b` have in common (empty when they do not meet).
constexpr IntRect Intersection(const IntRect& a, const IntRect& b) {
    IntRect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
              a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

}  // namespace quillor
