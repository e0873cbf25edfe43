// Stretching, turning and deforming the brush: each rebuilds every frame from a copy of
// the brush as it was, so these check where pixels go, what stays transparent, and that
// working from the copy loses nothing.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

#include "brush/brush_deform.h"
#include "brush/brush_deform_model.h"
#include "brush/brush_rotation.h"
#include "brush/brush_stretch.h"
#include "support/test_brushes.h"

namespace quillor {
namespace {

using testing::GrabCounting;
using Bytes = std::vector<std::uint8_t>;

const BrushColour kIndexZero{};

// --- Stretch -----------------------------------------------------------------------------------

TEST(BrushStretch, NearestRepeatsPixelsAndMirrorsPastTheAnchorOnEveryFrame) {
    PaintBrush brush;
    GrabCounting(brush, false, 3, 2, 2);  // rows {0 1 2} {3 4 5}; frame 1 from 50
    BrushRecord& r = brush.Current(false);
    const BrushStretch stretch(r, false, kIndexZero, false);
    ASSERT_TRUE(stretch.StretchTo(r, 6, 2, false, false));
    EXPECT_EQ(r.frames[0], (Bytes{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
    EXPECT_EQ(r.frames[1][11], 55);
    ASSERT_TRUE(stretch.StretchTo(r, 3, 2, true, false));
    EXPECT_EQ(r.frames[0], (Bytes{2, 1, 0, 5, 4, 3}));
    ASSERT_TRUE(stretch.StretchTo(r, 3, 2, false, true));
    EXPECT_EQ(r.frames[0], (Bytes{3, 4, 5, 0, 1, 2}));
    ASSERT_TRUE(stretch.StretchTo(r, 3, 4, true, true));
    EXPECT_EQ(r.frames[0], (Bytes{5, 4, 3, 5, 4, 3, 2, 1, 0, 2, 1, 0}));
    // Down to one pixel and back: each step starts again from the copy.
    ASSERT_TRUE(stretch.StretchTo(r, 1, 1, false, false));
    EXPECT_EQ(r.frames[0], (Bytes{0}));
    ASSERT_TRUE(stretch.StretchTo(r, 3, 2, false, false));
    EXPECT_EQ(r.frames[0], (Bytes{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(r.frames[1], (Bytes{50, 51, 52, 53, 54, 55}));
}

TEST(BrushStretch, ASideOfNothingLeavesTheBrushAsItWas) {
    PaintBrush brush;
    GrabCounting(brush, true, 4, 3);
    BrushRecord& r = brush.Current(true);
    const BrushStretch stretch(r, true, kIndexZero, true);
    ASSERT_TRUE(stretch.StretchTo(r, 8, 6, false, false));
    const Bytes stretched = r.frames[0];
    EXPECT_FALSE(stretch.StretchTo(r, 0, 6, false, false));
    EXPECT_FALSE(stretch.StretchTo(r, 8, 0, false, false));
    EXPECT_EQ(r.width, 8);
    EXPECT_EQ(r.frames[0], stretched);
}

// A 4 x 4 true-colour brush: a red square in the lower right, the rest transparent black.
BrushRecord RedCorner() {
    PaintBrush brush;
    GrabCounting(brush, true, 4, 4);
    BrushRecord r = brush.Current(true);
    r.frames[0].assign(4 * 4 * 3, 0);
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 4; ++x) r.frames[0][std::size_t(y * 4 + x) * 3] = 200;
    return r;
}

TEST(BrushStretch, BilinearKeepsTransparentAreasAndNeverBlendsTheEdgeWithTheTransparentColour) {
    BrushRecord r = RedCorner();
    const BrushRecord before = r;
    const BrushStretch stretch(r, true, BrushColour{{0, 0, 0}}, true);
    ASSERT_TRUE(stretch.StretchTo(r, 9, 9, false, false));
    int red = 0, clear = 0;
    for (std::size_t i = 0; i < r.frames[0].size(); i += 3) {
        const Bytes pixel(r.frames[0].begin() + std::ptrdiff_t(i), r.frames[0].begin() + std::ptrdiff_t(i + 3));
        if (pixel == Bytes{200, 0, 0}) ++red;
        else if (pixel == Bytes{0, 0, 0}) ++clear;
        else ADD_FAILURE() << "a blended pixel at " << i / 3 << ": " << int(pixel[0]);
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(clear, 0);
    EXPECT_EQ(r.frames[0][0], 0);                      // the top-left stays transparent
    EXPECT_EQ(r.frames[0][(9 * 9 - 1) * 3], 200);      // the bottom-right stays red
    EXPECT_EQ(stretch.Copy().frames, before.frames);  // the copy is left as it was
    // Bilinear stretching never mirrors: past the anchor the red stays bottom-right.
    ASSERT_TRUE(stretch.StretchTo(r, 9, 9, true, true));
    EXPECT_EQ(r.frames[0][(9 * 9 - 1) * 3], 200);
}

TEST(BrushStretch, BilinearOnAPaletteBrushKeepsToTheBrushPaletteAndItsTransparentIndex) {
    PaintBrush brush;
    GrabCounting(brush, false, 4, 4);
    BrushRecord& r = brush.Current(false);
    r.frames[0] = {7, 7, 9, 9, 7, 7, 9, 9, 200, 200, 7, 7, 200, 200, 7, 7};
    const BrushStretch stretch(r, false, BrushColour{{7, 0, 0}}, true);
    ASSERT_TRUE(stretch.StretchTo(r, 10, 7, false, false));
    std::set<int> seen;
    for (std::uint8_t v : r.frames[0]) seen.insert(v);
    EXPECT_TRUE(seen.count(7));
    EXPECT_TRUE(seen.count(200));
    EXPECT_EQ(r.frames[0][0], 7);  // transparent corner
    for (int v : seen) EXPECT_TRUE(v == 7 || (v >= 9 && v <= 200)) << v;
}

// --- Rotation ----------------------------------------------------------------------------------

TEST(BrushRotation, TheAngleIsMeasuredFromStraightDownTowardsTheRight) {
    EXPECT_EQ(RotationDegrees(RotationAngle({5, 5}, {5, 30})), 0);
    EXPECT_EQ(RotationDegrees(RotationAngle({5, 5}, {30, 5})), 90);
    EXPECT_EQ(RotationDegrees(RotationAngle({5, 5}, {-30, 5})), -90);
    EXPECT_EQ(RotationDegrees(RotationAngle({5, 5}, {5, -30})), 180);
    EXPECT_EQ(RotationDegrees(RotationAngle({0, 0}, {10, 10})), 45);
}

TEST(BrushRotation, TheTurnedOutlineGivesTheNewSize) {
    const TurnedOutline straight = TurnOutline(3, 2, 0.0);
    EXPECT_EQ(straight.width, 3);
    EXPECT_EQ(straight.height, 2);
    EXPECT_EQ(straight.corners[1], (IntPoint{3, 0}));
    EXPECT_EQ(straight.corners[3], (IntPoint{0, 2}));
    // A quarter to the right of the press turns the brush anticlockwise on screen: its
    // top-right corner goes straight up. The far corner uses the whole-pixel diagonal 3.
    const TurnedOutline quarter = TurnOutline(3, 2, std::numbers::pi / 2);
    EXPECT_EQ(quarter.corners[1], (IntPoint{0, -3}));
    EXPECT_EQ(quarter.corners[2], (IntPoint{1, -2}));
    EXPECT_EQ(quarter.corners[3], (IntPoint{2, 0}));
    EXPECT_EQ(quarter.left, 0);
    EXPECT_EQ(quarter.top, -3);
    EXPECT_EQ(quarter.width, 2);
    EXPECT_EQ(quarter.height, 3);
}

TEST(BrushRotation, StraightDownLeavesTheBrushAsItWas) {
    PaintBrush brush;
    GrabCounting(brush, true, 7, 5, 3);
    BrushRecord& r = brush.Current(true);
    const BrushRecord before = r;
    const BrushRotation rotation(r, true, BrushColour{{1, 2, 3}});
    ASSERT_TRUE(rotation.TurnTo(r, 0.7));
    EXPECT_NE(r.frames, before.frames);
    ASSERT_TRUE(rotation.TurnTo(r, RotationAngle({4, 4}, {4, 9})));
    EXPECT_EQ(r.width, 7);
    EXPECT_EQ(r.height, 5);
    EXPECT_EQ(r.frames, before.frames);
    EXPECT_EQ(r.handleX, before.handleX);
}

// Pixels of `value` that have the value on both sides along their row or column but are
// not it themselves: holes inside a solid shape.
int Holes(const BrushRecord& r, std::uint8_t value) {
    const auto at = [&](int x, int y) { return r.frames[0][std::size_t(y * r.width + x)] == value; };
    int holes = 0;
    for (int y = 0; y < r.height; ++y) {
        int first = r.width, last = -1;
        for (int x = 0; x < r.width; ++x)
            if (at(x, y)) first = std::min(first, x), last = x;
        for (int x = first; x <= last; ++x) holes += !at(x, y);
    }
    for (int x = 0; x < r.width; ++x) {
        int first = r.height, last = -1;
        for (int y = 0; y < r.height; ++y)
            if (at(x, y)) first = std::min(first, y), last = y;
        for (int y = first; y <= last; ++y) holes += !at(x, y);
    }
    return holes;
}

TEST(BrushRotation, ATurnLeavesNoHolesAndTurnsEveryFrameAlike) {
    for (const int degrees : {30, 45, 60, 135, 200, 300}) {
        SCOPED_TRACE(degrees);
        PaintBrush brush;
        GrabCounting(brush, false, 40, 20, 2);
        BrushRecord& r = brush.Current(false);
        r.frames[0].assign(40 * 20, 9);  // solid
        r.frames[1].assign(40 * 20, 11);
        const BrushRotation rotation(r, false, kIndexZero);
        const double angle = degrees / 57.29577951471995;
        ASSERT_TRUE(rotation.TurnTo(r, angle));
        const TurnedOutline outline = TurnOutline(40, 20, angle);
        EXPECT_EQ(r.width, outline.width);
        EXPECT_EQ(r.height, outline.height);
        int solid = 0;
        for (std::size_t i = 0; i < r.frames[0].size(); ++i) {
            EXPECT_TRUE(r.frames[0][i] == 0 || r.frames[0][i] == 9);
            EXPECT_EQ(r.frames[1][i] == 11, r.frames[0][i] == 9);
            solid += r.frames[0][i] == 9;
        }
        EXPECT_GE(solid, 40 * 20 * 9 / 10);
        EXPECT_EQ(Holes(r, 9), 0);
    }
}

// The turn done the long way: every pixel into a square work picture of twice the
// whole-pixel diagonal about its middle, beside its place first and then at it, and the
// turned outline's box cut out.
Bytes TurnedTheLongWay(const BrushRecord& copy, double angle, std::uint8_t background) {
    const int w = copy.width, h = copy.height;
    const int d = int(std::sqrt(double(w * w + h * h)));
    std::vector<std::uint8_t> work(std::size_t(4 * d * d), background);
    const auto put = [&](int row, int column, std::uint8_t v) {
        if (row >= 0 && column >= 0 && row < 2 * d && column < 2 * d) work[std::size_t(row * 2 * d + column)] = v;
    };
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int row = d + int(y * std::cos(angle) - x * std::sin(angle));
                const int column = d + int(y * std::sin(angle) + x * std::cos(angle));
                const std::uint8_t v = copy.frames[0][std::size_t(y * w + x)];
                if (pass == 1) {
                    put(row, column, v);
                    continue;
                }
                if (x != 0) put(row, column - 1, v), put(row, column + 1, v);
                if (y != 0) put(row - 1, column, v), put(row + 1, column, v);
            }
    const TurnedOutline box = TurnOutline(w, h, angle);
    Bytes cut;
    for (int row = 0; row < box.height; ++row)
        for (int column = 0; column < box.width; ++column)
            cut.push_back(work[std::size_t((d + box.top + row) * 2 * d + d + box.left + column)]);
    return cut;
}

TEST(BrushRotation, EveryPixelLandsWhereTheWorkPictureWouldPutIt) {
    PaintBrush brush;
    GrabCounting(brush, false, 9, 5, 1, 1);
    const BrushRecord copy = brush.Current(false);
    const BrushRotation rotation(copy, false, kIndexZero);
    for (const double angle : {0.3, 1.0, 2.2, -0.7, -2.9}) {
        SCOPED_TRACE(angle);
        BrushRecord& r = brush.Current(false);
        ASSERT_TRUE(rotation.TurnTo(r, angle));
        EXPECT_EQ(r.frames[0], TurnedTheLongWay(copy, angle, 0));
    }
}

// --- Deform ------------------------------------------------------------------------------------

TEST(BrushDeform, CornersOnTheBrushsOwnRectangleGiveItBackAndWiderCornersRepeatColumns) {
    PaintBrush brush;
    GrabCounting(brush, false, 5, 3, 2);
    BrushRecord& r = brush.Current(false);
    const BrushRecord copy = r;
    ASSERT_TRUE(DeformBrush(r, copy, {IntPoint{20, 30}, {25, 30}, {25, 33}, {20, 33}}, false, kIndexZero));
    EXPECT_EQ(r.frames, copy.frames);
    ASSERT_TRUE(DeformBrush(r, copy, {IntPoint{0, 0}, {10, 0}, {10, 3}, {0, 3}}, false, kIndexZero));
    EXPECT_EQ(r.width, 10);
    EXPECT_EQ(r.frames[0], (Bytes{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12,
                                  12, 13, 13, 14, 14}));
    EXPECT_EQ(r.frames[1][29], 64);
}

TEST(BrushDeform, ATriangleLeavesTheCutOffCornerInTheBackgroundAndAFlatShapeChangesNothing) {
    PaintBrush brush;
    GrabCounting(brush, true, 8, 8);
    BrushRecord& r = brush.Current(true);
    for (auto& b : r.frames[0]) b = 77;
    const BrushRecord copy = r;
    const BrushColour background{{1, 2, 3}};
    // Top-right pulled onto the top-left: a triangle whose upper right half is empty.
    ASSERT_TRUE(DeformBrush(r, copy, {IntPoint{0, 0}, {0, 0}, {8, 8}, {0, 8}}, true, background));
    EXPECT_EQ(r.width, 8);
    EXPECT_EQ(r.height, 8);
    EXPECT_EQ(Bytes(r.frames[0].begin() + 7 * 3, r.frames[0].begin() + 8 * 3), (Bytes{1, 2, 3}));  // (7, 0)
    EXPECT_EQ(r.frames[0][(7 * 8 + 0) * 3], 77);                                                  // (0, 7)
    const BrushRecord triangle = r;
    EXPECT_FALSE(DeformBrush(r, copy, {IntPoint{0, 4}, {8, 4}, {8, 4}, {0, 4}}, true, background));
    EXPECT_EQ(r.frames, triangle.frames);
}

TEST(BrushDeformModel, TheCornersStartRoundTheCentredBrushAndADragReshapesIt) {
    PaintBrush brush;
    GrabCounting(brush, false, 10, 7, 2);
    const BrushRecord before = brush.Current(false);
    BrushDeformModel model(brush, false, BrushColour{{3, 0, 0}}, 400, 300);
    EXPECT_EQ(model.Title(), "Brush Deform Tool");
    ASSERT_TRUE(model.Fits());
    model.Start(2);
    EXPECT_EQ(brush.Previous(false).frames, before.frames);
    EXPECT_EQ(model.Corners()[0], (IntPoint{205, 157}));
    EXPECT_EQ(model.Corners()[2], (IntPoint{215, 163}));
    // Within 5 of corners 1 and 2: the lower number wins. Exactly 5 away is not within.
    model.Press({211, 160});
    EXPECT_EQ(model.Selected(), 1);
    model.Press({210, 160});
    EXPECT_FALSE(model.Selected());
    model.Press({215, 162});
    ASSERT_EQ(model.Selected(), 2);
    model.Drag({255, 183});
    EXPECT_EQ(model.Corners()[2], (IntPoint{255, 183}));
    const BrushRecord& r = brush.Current(false);
    EXPECT_EQ(r.width, 50);
    EXPECT_EQ(r.height, 26);
    EXPECT_EQ(r.frameCount, 2u);
    EXPECT_EQ(r.frames[1][0], 50);  // every frame reshaped
    // Off the canvas's inner edge the corner stays where it was.
    model.Drag({15, 100});
    model.Drag({300, 305});
    EXPECT_EQ(model.Corners()[2], (IntPoint{255, 183}));
    model.Release();
    EXPECT_FALSE(model.Selected());
    model.Drag({260, 190});
    EXPECT_EQ(model.Corners()[2], (IntPoint{255, 183}));
}

TEST(BrushDeformModel, ThePictureShowsTheBrushOnTheBackgroundWithBoxedCorners) {
    PaintBrush brush;
    GrabCounting(brush, false, 10, 6);
    BrushRecord& r = brush.Current(false);
    r.palette[3] = MakeColour(10, 20, 30);
    r.palette[252] = MakeColour(200, 100, 50);  // the complement of 3
    r.frames[0].assign(60, 40);
    BrushDeformModel model(brush, false, BrushColour{{3, 0, 0}}, 400, 300);
    model.Start(1);
    const std::vector<std::uint32_t> picture = model.Picture();
    ASSERT_EQ(picture.size(), 400u * 300u);
    const auto at = [&](int x, int y) { return picture[std::size_t(y) * 400 + std::size_t(x)]; };
    EXPECT_EQ(at(0, 0), 0xff0a141eu);
    // Corner 0 at (205, 157) of the area is (195, 147) of the canvas; its box runs 5 round it.
    EXPECT_EQ(at(190, 142), 0xffc86432u);
    EXPECT_EQ(at(200, 152), 0xffc86432u);
    EXPECT_EQ(at(197, 149), 0xff282828u);  // a brush pixel, through the brush palette
    EXPECT_EQ(at(205, 149), 0xff0a141eu);  // right of the brush
}

TEST(BrushDeformModel, ABrushThatLeavesLessThanFifteenPixelsOfCanvasDoesNotFit) {
    PaintBrush brush;
    GrabCounting(brush, true, 386, 100);
    EXPECT_FALSE(BrushDeformModel(brush, true, {}, 400, 300).Fits());
    GrabCounting(brush, true, 385, 285);
    EXPECT_TRUE(BrushDeformModel(brush, true, {}, 400, 300).Fits());
    const auto [w, h] = BrushDeformModel::CanvasFor(385, 285);
    EXPECT_GE(w, 385 + 15);
    EXPECT_GE(h, 285 + 15);
    const auto [bigW, bigH] = BrushDeformModel::CanvasFor(5000, 5000);
    EXPECT_FALSE(bigW >= 5000 + 15 && bigH >= 5000 + 15);
}

}  // namespace
}  // namespace quillor
