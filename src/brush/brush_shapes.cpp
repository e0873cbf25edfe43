#include "brush/brush_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillor {
namespace {

constexpr std::array<std::uint8_t, 1> kDiam3{1};
constexpr std::array<std::uint8_t, 1> kDiam5{3};
constexpr std::array<std::uint8_t, 2> kDiam7{3, 5};
constexpr std::array<std::uint8_t, 3> kDiam11{5, 7, 9};
constexpr std::array<std::uint8_t, 5> kDiam15{5, 9, 11, 13, 13};
constexpr std::array<std::uint8_t, 7> kDiam21{7, 11, 13, 15, 17, 19, 19};
constexpr std::array<std::uint8_t, 9> kDiam25{7, 11, 15, 17, 19, 21, 21, 23, 23};
constexpr std::array<std::uint8_t, 12> kDiam31{7, 13, 17, 19, 21, 23, 25, 27, 27, 29, 29, 29};

const std::array<BrushShape, 17> kShapes{{
    {1027, "Diam 3", 3, kDiam3, 1},
    {1031, "Diam 5", 5, kDiam5, 3},
    {1032, "Diam 7", 7, kDiam7, 3},
    {1033, "Diam 11", 11, kDiam11, 5},
    {1034, "Diam 15", 15, kDiam15, 5},
    {1035, "Diam 21", 21, kDiam21, 7},
    {1036, "Diam 25", 25, kDiam25, 7},
    {1037, "Diam 31", 31, kDiam31, 7},
    {1028, "2 x 2", 2, {}, 2},
    {1039, "3 x 3", 3, {}, 3},
    {1040, "5 x 5", 5, {}, 5},
    {1041, "7 x 7", 7, {}, 7},
    {1042, "9 x 9", 9, {}, 9},
    {1043, "11 x 11", 11, {}, 11},
    {1044, "13 x 13", 13, {}, 13},
    {1045, "17 x 17", 17, {}, 17},
    {1300, "Single Pixel", 1, {}, 1},
}};

void MarkSpan(BrushMask& mask, int y, int from, int to) {
    if (y < 0 || y >= mask.height) return;
    from = std::max(from, 0);
    to = std::min(to, mask.width - 1);
    if (from > to) return;
    std::fill_n(mask.inside.begin() + std::ptrdiff_t(y) * mask.width + from, to - from + 1, 1);
}

BrushMask BlankMask(int width, int height) {
    BrushMask mask;
    mask.width = std::max(width, 1);
    mask.height = std::max(height, 1);
    mask.inside.assign(std::size_t(mask.width) * std::size_t(mask.height), 0);
    return mask;
}

}  // namespace

int BrushShape::RowWidth(int row) const {
    const int edges = int(edgeRows.size());
    if (row < 0 || row >= size) return 0;
    if (row < edges) return edgeRows[std::size_t(row)];
    if (row < edges + fullRows) return size;
    return edgeRows[std::size_t(size - 1 - row)];
}

std::span<const BrushShape> BrushShapes() {
    return kShapes;
}

const BrushShape* FindBrushShape(int choice) {
    for (const BrushShape& shape : kShapes)
        if (shape.choice == choice) return &shape;
    return nullptr;
}

BrushMask ShapeMask(const BrushShape& shape) {
    BrushMask mask = BlankMask(shape.size, shape.size);
    for (int y = 0; y < shape.size; ++y) {
        const int width = shape.RowWidth(y);
        const int left = (shape.size - width) / 2;
        MarkSpan(mask, y, left, left + width - 1);
    }
    return mask;
}

BrushMask FilledSquareMask(int width, int height) {
    BrushMask mask = BlankMask(width, height);
    std::fill(mask.inside.begin(), mask.inside.end(), 1);
    return mask;
}

BrushMask FilledEllipseMask(int width, int height) {
    BrushMask mask = BlankMask(width, height);
    const int a = mask.width / 2;
    const int b = mask.height / 2;
    const double aa = double(a) * a;
    const double bb = double(b) * b;
    // Spans include both ends so the brush stays symmetric about its handle. A zero
    // semi-axis would divide by zero: the ellipse is then a straight line across.
    for (int y = 0, m = b; y < mask.height; ++y, --m) {
        const double reach = bb > 0 ? aa * (1.0 - double(m) * m / bb) : aa;
        const int s = int(std::sqrt(std::max(reach, 0.0)) + 0.5);
        MarkSpan(mask, y, a - s, a + s);
    }
    for (int x = 0, n = a; x < mask.width; ++x, --n) {
        const double reach = aa > 0 ? (1.0 - double(n) * n / aa) * bb : bb;
        const int s = int(std::sqrt(std::max(reach, 0.0)) + 0.5);
        for (int y = std::max(b - s, 0); y <= std::min(b + s, mask.height - 1); ++y)
            mask.inside[std::size_t(y) * std::size_t(mask.width) + std::size_t(x)] = 1;
    }
    return mask;
}

}  // namespace quillor
