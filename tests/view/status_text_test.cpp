#include "view/status_text.h"

#include <gtest/gtest.h>

namespace quillor {
namespace {

TEST(StatusTextTest, CoordinatesCountFromOneAndShowTheOverhang) {
    EXPECT_EQ(CoordinateText(0, 100), "1");
    EXPECT_EQ(CoordinateText(99, 100), "100");
    EXPECT_EQ(CoordinateText(100, 100), "+1");
    EXPECT_EQ(CoordinateText(104, 100), "+5");
    EXPECT_EQ(CoordinateText(-1, 100), "-1");
    EXPECT_EQ(CoordinateText(-3, 100), "-3");
    EXPECT_EQ(CoordinateText(2147483647, 10), "+2147483638");
}

TEST(StatusTextTest, PaletteAndTrueColourTexts) {
    StatusReport report;
    report.picture = {100, 50};
    report.pointer = {0, 49};
    report.colour = {true, 7, MakeColour(170, 85, 0)};
    EXPECT_EQ(BuildStatusText(report),
              "Size: (100 x 50)    Coordinates: (1 x 50)    Colour: #7 (R:170 G:85 B:0)    "
              "Magnify: (100%)");
    report.colour = {false, 0, MakeColour(1, 22, 255)};
    report.zoom = 0.5125;
    report.pointer = {104, -3};
    EXPECT_EQ(
        BuildStatusText(report),
        "Size: (100 x 50)    Coordinates: (+5 x -3)    Colour: R:1 G:22 B:255    Magnify: (51%)");
}

TEST(StatusTextTest, MagnificationTruncatesToWholePercent) {
    StatusReport report;
    report.picture = {10, 10};
    for (auto [zoom, text] :
         {std::pair{1.6, "160%"}, {40.0, "4000%"}, {1.0 / 3.0, "33%"}, {0.000001, "0%"}}) {
        report.zoom = zoom;
        EXPECT_NE(BuildStatusText(report).find(std::string("    Magnify: (") + text + ")"),
                  std::string::npos)
            << zoom;
    }
}

TEST(StatusTextTest, DragExtentsCountInclusivelyAndNeverZero) {
    EXPECT_EQ(DragExtent(5, 5), 1);
    EXPECT_EQ(DragExtent(5, 9), 5);
    EXPECT_EQ(DragExtent(5, 4), -1);
    EXPECT_EQ(DragExtent(5, 3), -2);
    EXPECT_EQ(DragExtent(-2147483647 - 1, 2147483647), 4294967296LL);

    StatusReport report;
    report.picture = {20, 20};
    report.pointer = {3, 10};
    report.pressPoint = IntPoint{5, 5};
    const std::string text = BuildStatusText(report);
    EXPECT_EQ(text.substr(text.find("    Magnify")), "    Magnify: (100%)    Drag: (-2 x 6)");
}

TEST(StatusTextTest, ToolAndBrushNotesComeLast) {
    StatusReport report;
    report.picture = {20, 20};
    report.pressPoint = IntPoint{0, 0};
    report.extras.rotationDegrees = -45;
    report.extras.brush = StatusExtras::BrushNote::Animated;
    std::string text = BuildStatusText(report);
    EXPECT_EQ(text.substr(text.find("    Magnify")),
              "    Magnify: (100%)    Rotation: -45\u00B0    (Animated Brush)");

    // Rotation shows only while a button is held; the brush note always.
    report.pressPoint.reset();
    report.extras.brush = StatusExtras::BrushNote::SingleFrame;
    text = BuildStatusText(report);
    EXPECT_EQ(text.substr(text.find("    Magnify")), "    Magnify: (100%)    (Single Frame Brush)");
}

TEST(StatusTextTest, ColourUnderThePointerReadsTheRightBytes) {
    COXDIB palette, trueColour;
    ASSERT_TRUE(palette.CreateBlank(8, 4, 3));
    palette.SetTableWord(9, MakeTableWord(200, 100, 50));
    palette.Line(2)[3] = 9;
    const PointerColour index = ColourAt(palette, {3, 2});
    EXPECT_TRUE(index.palette);
    EXPECT_EQ(index.index, 9);
    EXPECT_EQ(index.colour, MakeColour(200, 100, 50));

    ASSERT_TRUE(trueColour.CreateBlank(24, 4, 3));
    std::uint8_t* pixel = trueColour.Line(1) + 2 * 3;
    pixel[0] = 1, pixel[1] = 2, pixel[2] = 3;  // blue, green, red
    const PointerColour colour = ColourAt(trueColour, {2, 1});
    EXPECT_FALSE(colour.palette);
    EXPECT_EQ(colour.colour, MakeColour(3, 2, 1));
    EXPECT_EQ(ColourText(colour), "    Colour: R:3 G:2 B:1");
}

}  // namespace
}  // namespace quillor
