// Building brushes: the shape table, custom sizes, colours, the previous brush and the
// frames of animated brushes.

#include "brush/paint_brush.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_interaction.h"
#include "brush/brush_shapes.h"

namespace quillor {
namespace {

using testing::ScriptedInteraction;
using Bytes = std::vector<std::uint8_t>;

struct Canvas {
    explicit Canvas(int bits) {
        image.CreateBlank(std::uint16_t(bits), 40, 30);
        table = {MakeColour(255, 255, 255), MakeColour(200, 10, 60), MakeColour(0, 90, 250)};
        target.image = &image;
        target.mode = bits == 24 ? ColourMode::TrueColour : ColourMode::Colours256;
        target.table = &table;
    }
    COXDIB image;
    std::array<ColourRef, 256> table{};
    PaintTarget target;
};

// Opaque pixels per row of the palette brush; -1 for a row that is not one centred run.
std::vector<int> RowWidths(const BrushRecord& brush) {
    std::vector<int> widths;
    for (int y = 0; y < brush.height; ++y) {
        int first = -1, count = 0;
        bool gap = false;
        for (int x = 0; x < brush.width; ++x) {
            if (brush.CurrentPixels()[y * brush.width + x] == 0) continue;
            if (first < 0) first = x;
            gap = gap || first + count != x;
            ++count;
        }
        widths.push_back(count == 0 || (!gap && first == (brush.width - count) / 2) ? count : -1);
    }
    return widths;
}

// A brush as a grab leaves it: frame f of `frames` holds 10 + f everywhere.
void GiveGrabbedBrush(PaintBrush& brush, std::uint32_t frames) {
    BrushRecord& b = brush.Current(false);
    b.borrowed = false;
    b.frameCount = frames;
    b.currentFrame = 0;
    b.width = b.height = 2;
    b.frames.clear();
    for (std::uint32_t f = 0; f < frames; ++f) b.frames.emplace_back(4, std::uint8_t(10 + f));
    brush.kind = BrushKind::Grabbed;
}

TEST(PaintBrushTest, EveryShapeHasTheTableRowWidthsAndACentredHandle) {
    struct Row {
        int choice;
        std::string label;
        std::vector<int> widths;
    };
    std::vector<Row> rows = {
        {1027, "Diam 3", {1, 3, 1}},
        {1031, "Diam 5", {3, 5, 5, 5, 3}},
        {1032, "Diam 7", {3, 5, 7, 7, 7, 5, 3}},
        {1033, "Diam 11", {5, 7, 9, 11, 11, 11, 11, 11, 9, 7, 5}},
        {1034, "Diam 15", {5, 9, 11, 13, 13, 15, 15, 15, 15, 15, 13, 13, 11, 9, 5}},
        {1035, "Diam 21", {7,  11, 13, 15, 17, 19, 19, 21, 21, 21, 21,
                           21, 21, 21, 19, 19, 17, 15, 13, 11, 7}},
        {1036, "Diam 25", {7,  11, 15, 17, 19, 21, 21, 23, 23, 25, 25, 25, 25,
                           25, 25, 25, 23, 23, 21, 21, 19, 17, 15, 11, 7}},
        {1037, "Diam 31", {7,  13, 17, 19, 21, 23, 25, 27, 27, 29, 29, 29, 31, 31, 31, 31,
                           31, 31, 31, 29, 29, 29, 27, 27, 25, 23, 21, 19, 17, 13, 7}},
        {1300, "Single Pixel", {1}},
    };
    const std::pair<int, int> squares[] = {{1028, 2}, {1039, 3},  {1040, 5},  {1041, 7},
                                           {1042, 9}, {1043, 11}, {1044, 13}, {1045, 17}};
    for (auto [choice, side] : squares)
        rows.push_back({choice, std::to_string(side) + " x " + std::to_string(side),
                        std::vector<int>(side, side)});

    Canvas canvas(8);
    ScriptedInteraction ui;
    PaintBrush brush;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.choice);
        ASSERT_NE(FindBrushShape(row.choice), nullptr);
        EXPECT_EQ(FindBrushShape(row.choice)->label, row.label);
        brush.BuildShapeBrush(row.choice, canvas.target, ui);
        const BrushRecord& b = brush.Current(false);
        const int side = int(row.widths.size());
        ASSERT_EQ(b.width, side);
        ASSERT_EQ(b.height, side);
        EXPECT_EQ(RowWidths(b), row.widths);
        EXPECT_EQ(b.handleX, side / 2 + 1);
        EXPECT_EQ(b.handleY, side / 2 + 1);
    }
    EXPECT_EQ(BrushShapes().size(), rows.size());
}

TEST(PaintBrushTest, ShapesTakeTheDepthsColoursAndWarnOnceOfAColourClash) {
    ScriptedInteraction ui;
    PaintBrush brush;
    Canvas palette(8);
    palette.target.foreground = 7;
    palette.target.background = 3;
    palette.image.SetColour(7, MakeColour(1, 2, 3));
    brush.BuildShapeBrush(1027, palette.target, ui);
    EXPECT_EQ(brush.Current(false).frames[0], (Bytes{3, 7, 3, 7, 7, 7, 3, 7, 3}));
    EXPECT_EQ(brush.Current(false).palette[7], MakeColour(1, 2, 3));

    // True colour: the table's colours, stored red, green, blue.
    Canvas rgb(24);
    rgb.target.background = 2;
    brush.BuildShapeBrush(1028, rgb.target, ui);
    EXPECT_EQ(brush.Current(true).frames[0],
              (Bytes{200, 10, 60, 200, 10, 60, 200, 10, 60, 200, 10, 60}));
    EXPECT_EQ(brush.Current(true).rememberedBackground, MakeColour(0, 90, 250));
    EXPECT_TRUE(ui.Messages().empty());

    // Different indices of one colour clash too; the brush is then wholly transparent.
    rgb.table[5] = rgb.table[2];
    rgb.target.foreground = 5;
    brush.BuildShapeBrush(1037, rgb.target, ui);
    for (std::uint8_t p : brush.Current(true).frames[0]) ASSERT_NE(p, 200);
    palette.target.foreground = 3;
    brush.UseSinglePixel(palette.target, ui);
    EXPECT_EQ(brush.Current(false).frames[0], Bytes{3});
    EXPECT_TRUE(
        ui.OnlyMessageIs(" Caution: Having the foreground and background colour the same\n"
                         "may alter the way your brush transparency operates.",
                         "Colour Clash", MessageIcon::Information));
}

TEST(PaintBrushTest, CustomBrushesFillTheirRectangle) {
    Canvas canvas(8);
    PaintBrush brush;
    // The two-pass ellipse of 5 and 7 pixels is the round brush of that size.
    brush.BuildCustomBrush({10, 10, 15, 15}, BrushKind::CustomCircle, canvas.target);
    EXPECT_EQ(RowWidths(brush.Current(false)), (std::vector<int>{3, 5, 5, 5, 3}));
    brush.BuildCustomBrush({0, 0, 7, 7}, BrushKind::CustomCircle, canvas.target);
    EXPECT_EQ(RowWidths(brush.Current(false)), (std::vector<int>{3, 5, 7, 7, 7, 5, 3}));
    // A zero semi-axis: a straight line, not an empty brush.
    brush.BuildCustomBrush({0, 0, 9, 1}, BrushKind::CustomCircle, canvas.target);
    EXPECT_EQ(RowWidths(brush.Current(false)), std::vector<int>{9});

    brush.BuildCustomBrush({3, 4, 8, 7}, BrushKind::CustomSquare, canvas.target);
    EXPECT_EQ(RowWidths(brush.Current(false)), (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(brush.Current(false).handleX, 3);
    EXPECT_EQ(brush.Current(false).handleY, 2);
    EXPECT_EQ(brush.kind, BrushKind::Custom);

    // A colour change redoes it from the remembered rectangle.
    ScriptedInteraction ui;
    canvas.target.foreground = 9;
    brush.Rebuild(canvas.target, ui);
    EXPECT_EQ(brush.Current(false).frames[0], Bytes(15, 9));
}

TEST(PaintBrushTest, ThePreviousBrushKeepsAGrabAndSwapsBack) {
    Canvas canvas(8);
    ScriptedInteraction ui;
    PaintBrush brush;
    brush.RestorePreviousBrush(false);  // both records start borrowed and empty
    EXPECT_FALSE(brush.Current(false).Exists());

    GiveGrabbedBrush(brush, 5);
    brush.Current(false).currentFrame = 4;
    // The document has three frames: the kept grab is cut to three.
    EXPECT_EQ(brush.ChooseShape(1040, canvas.target, ui, 3), ShapeChoiceResult::Built);
    EXPECT_EQ(brush.kind, BrushKind::Shape);
    EXPECT_EQ(brush.Previous(false).frames.size(), 3u);
    brush.ChooseShape(1027, canvas.target, ui, 3);  // a shape over a shape keeps the grab
    EXPECT_EQ(brush.Previous(false).width, 2);

    EXPECT_EQ(brush.ChooseShape(kRestorePreviousShape, canvas.target, ui),
              ShapeChoiceResult::RestoredPrevious);
    EXPECT_EQ(brush.Current(false).frames[0], Bytes(4, 10));
    EXPECT_EQ(brush.Current(false).currentFrame, 0u);
    EXPECT_EQ(brush.Previous(false).width, 3);

    // Custom entries only ask for sizing; the single pixel keeps no previous.
    EXPECT_EQ(brush.ChooseShape(kCustomCircleShape, canvas.target, ui),
              ShapeChoiceResult::SizeCustomCircle);
    EXPECT_EQ(brush.ChooseShape(kCustomSquareShape, canvas.target, ui),
              ShapeChoiceResult::SizeCustomSquare);
    EXPECT_EQ(brush.Current(false).width, 2);
    brush.ChooseShape(kSinglePixelShape, canvas.target, ui);
    EXPECT_EQ(brush.kind, BrushKind::SinglePixel);
    EXPECT_EQ(brush.Previous(false).width, 3);

    // Borrowed frames are never kept, recoloured, or brought back.
    GiveGrabbedBrush(brush, 1);
    brush.Current(false).borrowed = true;
    brush.SingleColour(canvas.target, 0);
    EXPECT_EQ(brush.Current(false).frames[0], Bytes(4, 10));
    EXPECT_FALSE(brush.singleColour);
    EXPECT_EQ(brush.Previous(false).width, 3);
    brush.RestorePreviousBrush(false);  // the borrowed brush becomes the previous one
    brush.RestorePreviousBrush(false);
    EXPECT_EQ(brush.Current(false).width, 3);
}

TEST(PaintBrushTest, GrabbedBrushFollowsColourChanges) {
    Canvas canvas(8);
    ScriptedInteraction ui;
    PaintBrush brush;
    GiveGrabbedBrush(brush, 2);
    BrushRecord& b = brush.Current(false);
    b.frames[0] = {10, 10, 0, 0};  // 0: the background it was grabbed on

    canvas.target.background = 6;
    brush.Rebuild(canvas.target, ui);
    EXPECT_EQ(b.frames[0], (Bytes{10, 10, 6, 6}));

    canvas.target.foreground = 8;
    brush.SingleColour(canvas.target, 0);
    EXPECT_EQ(b.frames[0], (Bytes{8, 8, 6, 6}));
    EXPECT_EQ(b.frames[1], Bytes(4, 8));
    EXPECT_EQ(brush.Previous(false).frames[0], (Bytes{10, 10, 6, 6}));

    // Both colours change: the transparent pixels follow, the rest turn the new
    // foreground, and the grab kept as previous survives.
    canvas.target.background = 2;
    canvas.target.foreground = 5;
    brush.Rebuild(canvas.target, ui);
    EXPECT_EQ(b.frames[0], (Bytes{5, 5, 2, 2}));
    EXPECT_EQ(brush.Previous(false).frames[0], (Bytes{10, 10, 6, 6}));
}

TEST(PaintBrushTest, AnimatedFramesStepWithinBrushAndDocument) {
    PaintBrush brush;
    GiveGrabbedBrush(brush, 4);
    const std::uint32_t& frame = brush.Current(false).currentFrame;
    std::vector<std::uint32_t> seen;
    for (int i = 0; i < 4; ++i) brush.Advance(false), seen.push_back(frame);
    // The document's last frame index, 2, keeps the fourth brush frame out of reach.
    for (int i = 0; i < 3; ++i) brush.NextFrame(false, 2), seen.push_back(frame);
    for (int i = 0; i < 2; ++i) brush.PreviousFrame(false, 2), seen.push_back(frame);
    brush.FirstFrame(false);
    brush.PreviousFrame(false, 10), seen.push_back(frame);
    brush.NextFrame(false, 10), seen.push_back(frame);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{1, 2, 3, 0, 1, 2, 0, 2, 1, 3, 0}));
}

}  // namespace
}  // namespace quillor
