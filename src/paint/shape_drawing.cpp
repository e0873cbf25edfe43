#include "paint/shape_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quillor {

namespace {

// Half the width of an ellipse's row (or half the height of its column) at distance
// `along` from the centre, for semi-axes whose squares are `across` and `alongSquared`.
// A zero semi-axis makes the ellipse a straight span: its one row (or column) reaches
// the full length of the other axis instead of dividing 0 by 0.
int HalfChord(double across, int along, double alongSquared) {
    const double ratio = alongSquared == 0.0 ? 0.0 : double(along) * double(along) / alongSquared;
    return int(std::sqrt(across * (1.0 - ratio)) + 0.5);
}

// Both passes of the ellipse inscribed in `band`. The row pass alone leaves gaps where
// the outline is flat, the column pass where it is steep; together they close it.
template <typename Emit>
void EllipsePasses(const IntRect& band, Emit&& emit) {
    if (band.Empty()) return;
    const int a = band.Width() / 2;
    const int b = band.Height() / 2;
    const int cx = band.left + a;
    const int cy = band.top + b;
    const double aa = double(a) * a;
    const double bb = double(b) * b;
    int m = b;
    for (int y = band.top; y < band.bottom; ++y, --m) {
        const int s = HalfChord(aa, m, bb);
        emit(IntPoint{cx - s, y}, IntPoint{cx + s, y});
    }
    int n = a;
    for (int x = band.left; x < band.right; ++x, --n) {
        // (1 - n²/A) × B: the same chord with the axes' roles exchanged.
        const int s = HalfChord(bb, n, aa);
        emit(IntPoint{x, cy - s}, IntPoint{x, cy + s});
    }
}

int Round(double value) { return int(value + 0.5); }

}  // namespace

void DrawRectangleOutline(const IntRect& band, bool useBrush, const SegmentSink& sink) {
    if (band.Empty()) return;
    const int r = band.right - 1;
    const int b = band.bottom - 1;
    sink({band.left, band.top}, {r, band.top}, useBrush);
    sink({r, band.top}, {r, b}, useBrush);
    sink({r, b}, {band.left, b}, useBrush);
    sink({band.left, b}, {band.left, band.top}, useBrush);
}

// A segment leaves out its end pixel (the next segment of an outline starts there), so a
// filled span is handed over one past its last pixel: a filled shape covers the same
// pixels as its outline, on the right and bottom too.
void DrawFilledRectangle(const IntRect& band, const SegmentSink& sink) {
    if (band.Empty()) return;
    for (int y = band.top; y < band.bottom; ++y) sink({band.left, y}, {band.right, y}, false);
}

void DrawEllipseOutline(const IntRect& band, bool useBrush, const SegmentSink& sink) {
    EllipsePasses(band, [&](IntPoint first, IntPoint second) {
        sink(first, first, useBrush);
        sink(second, second, useBrush);
    });
}

void DrawFilledEllipse(const IntRect& band, const SegmentSink& sink) {
    EllipsePasses(band, [&](IntPoint from, IntPoint to) {
        const IntPoint pastEnd = from.y == to.y ? IntPoint{to.x + 1, to.y} : IntPoint{to.x, to.y + 1};
        sink(from, pastEnd, false);
    });
}

void DrawCurve(IntPoint start, IntPoint control, IntPoint end, bool useBrush, const SegmentSink& sink) {
    IntPoint previous = start;
    // t accumulates its steps, so it falls just short of 1 at the last one; the closing
    // segment to `end` makes up for it.
    for (double t = 0.0; t <= 1.0; t += 0.01) {
        const double u = 1.0 - t;
        const double w0 = u * u;
        const double w1 = 2.0 * t * u;
        const double w2 = t * t;
        const IntPoint q{Round(w0 * start.x + w1 * control.x + w2 * end.x),
                         Round(w0 * start.y + w1 * control.y + w2 * end.y)};
        sink(previous, q, useBrush);
        previous = q;
    }
    sink(previous, end, useBrush);
}

IntRect SquareBand(IntPoint press, IntPoint pointer, bool squaresOnly) {
    int dx = pointer.x - press.x;
    int dy = pointer.y - press.y;
    if (squaresOnly) {
        const int side = std::max(std::abs(dx), std::abs(dy));
        dx = dx < 0 ? -side : side;
        dy = dy < 0 ? -side : side;
    }
    return {std::min(press.x, press.x + dx), std::min(press.y, press.y + dy),
            std::max(press.x, press.x + dx) + 1, std::max(press.y, press.y + dy) + 1};
}

IntRect CircleBand(IntPoint press, IntPoint pointer, bool circlesOnly) {
    int rx = std::abs(pointer.x - press.x);
    int ry = std::abs(pointer.y - press.y);
    if (circlesOnly) rx = ry = std::max(rx, ry);
    return {press.x - rx, press.y - ry, press.x + rx + 1, press.y + ry + 1};
}

IntPoint CurveControl(IntPoint start, IntPoint end, IntPoint bend) {
    return {2 * bend.x - (end.x - start.x) / 2 - start.x, 2 * bend.y - (end.y - start.y) / 2 - start.y};
}

}  // namespace quillor
