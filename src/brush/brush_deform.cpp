#include "brush/brush_deform.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/image_limits.h"

namespace quillor {

bool DeformBrush(BrushRecord& brush, const BrushRecord& copy, const std::array<IntPoint, 4>& corners,
                 bool trueColour, BrushColour background) {
    int left = corners[0].x, right = corners[0].x, top = corners[0].y, bottom = corners[0].y;
    for (const IntPoint& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int width = right - left, height = bottom - top;
    if (!ImageSideOk(width) || !ImageSideOk(height) || copy.width < 1 || copy.height < 1 ||
        copy.frames.size() != brush.frames.size())
        return false;
    // The bilinear patch through the corners: P0 + u (P1 - P0) + v (P3 - P0) + u v (P0 - P1 + P2 - P3).
    const double x0 = corners[0].x - left, y0 = corners[0].y - top;
    const double ux = corners[1].x - corners[0].x, uy = corners[1].y - corners[0].y;
    const double vx = corners[3].x - corners[0].x, vy = corners[3].y - corners[0].y;
    const double wx = corners[0].x - corners[1].x + corners[2].x - corners[3].x;
    const double wy = corners[0].y - corners[1].y + corners[2].y - corners[3].y;
    // Steps of one over the box's diagonal leave no gaps between the points drawn. Which
    // copy pixel goes where is the same for every frame: worked out once.
    const double step = 1.0 / std::sqrt(double(width) * width + double(height) * height);
    struct Move {
        std::size_t to, from;
    };
    std::vector<Move> moves;
    for (int a = 0;; ++a) {
        const double u = a * step;
        if (!(u < 1.0)) break;
        const int column = int(u * copy.width);
        for (int b = 0;; ++b) {
            const double v = b * step;
            if (!(v < 1.0)) break;
            const int x = int(x0 + u * ux + v * vx + u * v * wx);
            const int y = int(y0 + u * uy + v * vy + u * v * wy);
            const int row = int(v * copy.height);
            if (x < 0 || y < 0 || x >= width || y >= height || column >= copy.width || row >= copy.height) break;
            moves.push_back({std::size_t(y) * std::size_t(width) + std::size_t(x),
                             std::size_t(row) * std::size_t(copy.width) + std::size_t(column)});
        }
    }
    const std::size_t bytes = trueColour ? 3 : 1;
    std::vector<std::vector<std::uint8_t>> frames(copy.frames.size());
    for (std::size_t f = 0; f < frames.size(); ++f) {
        std::vector<std::uint8_t>& to = frames[f];
        to.resize(std::size_t(width) * std::size_t(height) * bytes);
        for (std::size_t i = 0; i < to.size(); i += bytes) background.Put(&to[i], bytes);
        const std::uint8_t* from = copy.frames[f].data();
        for (const Move& m : moves) std::copy_n(from + m.from * bytes, bytes, &to[m.to * bytes]);
    }
    brush.frames = std::move(frames);
    brush.width = width;
    brush.height = height;
    return true;
}

}  // namespace quillor
