#include "paint/shape_drawing.h"

#include "brush/paint_brush.h"
#include "paint/segment_stepping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace quillor {
namespace {

struct Segment {
    IntPoint from;
    IntPoint to;
    bool useBrush;
    bool operator==(const Segment&) const = default;
};

struct Recorder {
    std::vector<Segment> segments;
    SegmentSink Sink() {
        return [this](IntPoint from, IntPoint to, bool useBrush) {
            segments.push_back({from, to, useBrush});
        };
    }
    // Every pixel the segments paint, walked by the brush's own stepper (which leaves a
    // segment's end out); they are all horizontal, vertical or single points.
    std::set<std::pair<int, int>> Pixels() const {
        std::set<std::pair<int, int>> pixels;
        for (const Segment& s : segments) {
            EXPECT_TRUE(s.from.x == s.to.x || s.from.y == s.to.y);
            StepSegment(s.from, s.to, [&](IntPoint p) { pixels.insert({p.x, p.y}); });
        }
        return pixels;
    }
};

TEST(ShapeDrawingTest, SquareBandsHoldBothPixelsAndKeepTheirSigns) {
    EXPECT_EQ(SquareBand({10, 10}, {13, 11}, true), (IntRect{10, 10, 14, 14}));
    EXPECT_EQ(SquareBand({10, 10}, {13, 11}, false), (IntRect{10, 10, 14, 12}));
    // Up and to the left: the larger side grows in the pointer's directions.
    EXPECT_EQ(SquareBand({10, 10}, {7, 11}, true), (IntRect{7, 10, 11, 14}));
    EXPECT_EQ(SquareBand({10, 10}, {9, 4}, true), (IntRect{4, 4, 11, 11}));
    EXPECT_EQ(SquareBand({5, 5}, {5, 5}, true), (IntRect{5, 5, 6, 6}));
}

TEST(ShapeDrawingTest, RectangleOutlineIsFourSegmentsRoundTheBand) {
    Recorder r;
    DrawRectangleOutline(SquareBand({10, 10}, {13, 11}, true), true, r.Sink());
    const std::vector<Segment> expected = {{{10, 10}, {13, 10}, true},
                                           {{13, 10}, {13, 13}, true},
                                           {{13, 13}, {10, 13}, true},
                                           {{10, 13}, {10, 10}, true}};
    EXPECT_EQ(r.segments, expected);

    Recorder band;
    DrawRectangleOutline({0, 0, 0, 0}, false, band.Sink());  // no band shown
    EXPECT_TRUE(band.segments.empty());
}

TEST(ShapeDrawingTest, FilledRectangleIsPlainRows) {
    Recorder r;
    DrawFilledRectangle({2, 3, 5, 6}, r.Sink());
    const std::vector<Segment> expected = {
        {{2, 3}, {5, 3}, false}, {{2, 4}, {5, 4}, false}, {{2, 5}, {5, 5}, false}};
    EXPECT_EQ(r.segments, expected);
    // The band's last column is painted, as the outline of the same band paints it.
    EXPECT_EQ(r.Pixels().count({4, 5}), 1u);
    EXPECT_EQ(r.Pixels().count({5, 5}), 0u);
}

TEST(ShapeDrawingTest, CircleBandIsCentredOnThePress) {
    EXPECT_EQ(CircleBand({20, 20}, {23, 20}, true), (IntRect{17, 17, 24, 24}));
    EXPECT_EQ(CircleBand({20, 20}, {23, 20}, false), (IntRect{17, 20, 24, 21}));
    EXPECT_EQ(CircleBand({20, 20}, {18, 25}, false), (IntRect{18, 15, 23, 26}));
}

TEST(ShapeDrawingTest, EllipseOutlineIsTheRowAndColumnPassesOfPoints) {
    Recorder r;
    DrawEllipseOutline({17, 17, 24, 24}, true, r.Sink());
    // Two points per row and per column, each stamped with the brush.
    ASSERT_EQ(r.segments.size(), 28u);
    for (const Segment& s : r.segments) {
        EXPECT_EQ(s.from, s.to);
        EXPECT_TRUE(s.useBrush);
    }
    // Radius 3: rows 17 to 23 reach 0, 2, 3, 3, 3, 2, 0 from the centre (√5 + 0.5 = 2.7).
    EXPECT_EQ(r.segments[0].from, (IntPoint{20, 17}));
    EXPECT_EQ(r.segments[2].from, (IntPoint{18, 18}));
    EXPECT_EQ(r.segments[3].from, (IntPoint{22, 18}));
    EXPECT_EQ(r.segments[4].from, (IntPoint{17, 19}));
    EXPECT_EQ(r.segments[14].from, (IntPoint{17, 20}));  // the column pass starts on the left
    const std::set<std::pair<int, int>> expected = {
        {20, 17}, {19, 17}, {21, 17}, {18, 18}, {22, 18}, {17, 19}, {23, 19}, {17, 20}, {23, 20},
        {17, 21}, {23, 21}, {18, 22}, {22, 22}, {19, 23}, {20, 23}, {21, 23}};
    EXPECT_EQ(r.Pixels(), expected);

    Recorder band;
    DrawEllipseOutline({17, 17, 24, 24}, false, band.Sink());
    EXPECT_FALSE(band.segments.front().useBrush);
}

TEST(ShapeDrawingTest, FilledEllipseSpansTheOutlineWithoutTheBrush) {
    Recorder outline;
    Recorder filled;
    DrawEllipseOutline({3, 4, 14, 11}, true, outline.Sink());
    DrawFilledEllipse({3, 4, 14, 11}, filled.Sink());
    for (const Segment& s : filled.segments) EXPECT_FALSE(s.useBrush);
    // Every row is filled exactly from the outline's leftmost to its rightmost point.
    std::set<std::pair<int, int>> inside;
    for (int y = 4; y < 11; ++y) {
        int low = 1000, high = -1000;
        for (const auto& [x, py] : outline.Pixels())
            if (py == y) low = std::min(low, x), high = std::max(high, x);
        for (int x = low; x <= high; ++x) inside.insert({x, y});
    }
    EXPECT_EQ(filled.Pixels(), inside);
}

TEST(ShapeDrawingTest, AZeroSemiAxisDrawsAStraightSpan) {
    // One row high: the ellipse's formulas would divide 0 by 0.
    for (const IntRect band : {IntRect{5, 5, 12, 6}, IntRect{5, 5, 6, 12}}) {
        Recorder outline;
        Recorder filled;
        DrawEllipseOutline(band, true, outline.Sink());
        DrawFilledEllipse(band, filled.Sink());
        std::set<std::pair<int, int>> span;
        for (int x = band.left; x < band.right; ++x)
            for (int y = band.top; y < band.bottom; ++y) span.insert({x, y});
        EXPECT_EQ(outline.Pixels(), span);
        EXPECT_EQ(filled.Pixels(), span);
    }
    Recorder dot;
    DrawEllipseOutline(CircleBand({8, 9}, {8, 9}, true), true, dot.Sink());
    EXPECT_EQ(dot.Pixels(), (std::set<std::pair<int, int>>{{8, 9}}));
}

TEST(ShapeDrawingTest, CurvesPassThroughTheBendAndEndOnTheEnd) {
    const IntPoint start{0, 0};
    const IntPoint end{40, 20};
    // A bend in the middle of the two ends makes a straight line.
    const IntPoint control = CurveControl(start, end, {20, 10});
    EXPECT_EQ(control, (IntPoint{20, 10}));
    Recorder straight;
    DrawCurve(start, control, end, true, straight.Sink());
    ASSERT_FALSE(straight.segments.empty());
    EXPECT_EQ(straight.segments.front().from, start);
    EXPECT_EQ(straight.segments.back().to, end);
    for (std::size_t i = 0; i < straight.segments.size(); ++i) {
        const Segment& s = straight.segments[i];
        EXPECT_TRUE(s.useBrush);
        EXPECT_LE(std::abs(2 * s.to.y - s.to.x), 1) << s.to.x << "," << s.to.y;
        if (i > 0) {
            EXPECT_EQ(s.from, straight.segments[i - 1].to);
        }
    }

    // A real bend is on the curve, at its middle.
    const IntPoint bend{20, 10};
    const IntPoint bent = CurveControl({0, 0}, {40, 0}, bend);
    EXPECT_EQ(bent, (IntPoint{20, 20}));
    Recorder curve;
    DrawCurve({0, 0}, bent, {40, 0}, false, curve.Sink());
    bool reached = false;
    int highest = 0;
    for (const Segment& s : curve.segments) {
        reached = reached || s.to == bend;
        highest = std::max(highest, s.to.y);
        EXPECT_FALSE(s.useBrush);
    }
    EXPECT_TRUE(reached);
    EXPECT_EQ(highest, 10);

    // Integer halves truncate towards zero, as the arithmetic is written.
    EXPECT_EQ(CurveControl({0, 0}, {-5, 5}, {0, 0}), (IntPoint{2, -2}));
}

}  // namespace
}  // namespace quillor
