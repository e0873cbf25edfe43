// The browser's grid: cell sizes in real pixels, where each part of a cell is drawn, the
// thumbnail size rule and which cell a point falls in.

#include <gtest/gtest.h>

#include "utilities/browser_grid.h"

namespace quillor {
namespace {

TEST(BrowserGrid, ColumnsAndRowsAreKeptFromOneToTwentyFive) {
    EXPECT_EQ(BrowserGrid::ClampCount(0), 1);
    EXPECT_EQ(BrowserGrid::ClampCount(-7), 1);
    EXPECT_EQ(BrowserGrid::ClampCount(1), 1);
    EXPECT_EQ(BrowserGrid::ClampCount(25), 25);
    EXPECT_EQ(BrowserGrid::ClampCount(40), 25);
    const BrowserGrid grid(0, 40, true);
    EXPECT_EQ(grid.Columns(), 1);
    EXPECT_EQ(grid.Rows(), 25);
}

TEST(BrowserGrid, CellsDivideTheAreaInRealPixels) {
    const BrowserGrid grid(5, 3, true);
    EXPECT_DOUBLE_EQ(grid.CellWidth(), 92.6);
    EXPECT_DOUBLE_EQ(grid.CellHeight(), 343.0 / 3);
    // The outline is one pixel outside the cell; positions are cut to whole pixels.
    EXPECT_EQ(grid.Frame(0), (IntRect{11, 47, 104, 162}));
    EXPECT_EQ(grid.Fill(0), (IntRect{12, 48, 103, 161}));
    // Column 1 of row 1: 92.6 + 11 = 103.6, 114.33 + 47 = 161.33, ...
    EXPECT_EQ(grid.Frame(6), (IntRect{103, 161, 197, 276}));
    // The last cell ends at the area's far edges.
    EXPECT_EQ(grid.Frame(14), (IntRect{381, 275, 475, 391}));
    EXPECT_EQ(grid.Cell(14), (IntRect{382, 276, 475, 391}));
}

TEST(BrowserGrid, ThumbnailsGetTheCellLessTenAcrossAndTwentyFiveOrTenDown) {
    BrowserGrid grid(5, 3, true);
    EXPECT_DOUBLE_EQ(grid.Box().width, 82.6);
    EXPECT_DOUBLE_EQ(grid.Box().height, 343.0 / 3 - 25);
    grid.SetNames(false);
    EXPECT_DOUBLE_EQ(grid.Box().height, 343.0 / 3 - 10);
}

TEST(BrowserGrid, AThumbnailKeepsItsPicturesShape) {
    const ThumbnailBox box{82.6, 343.0 / 3 - 25};  // 82.6 x 89.33
    // Relatively taller than the box: the full height, a proportional width.
    EXPECT_EQ(FitThumbnail(100, 200, box), (ThumbnailSize{44, 89}));
    // Relatively wider: the full width, a proportional height.
    EXPECT_EQ(FitThumbnail(1920, 1080, box), (ThumbnailSize{82, 46}));
    // Exactly the box's shape takes the width branch, which gives the same.
    EXPECT_EQ(FitThumbnail(826, 893, box), (ThumbnailSize{82, 89}));
    // Small pictures grow to the box.
    EXPECT_EQ(FitThumbnail(10, 10, box), (ThumbnailSize{82, 82}));
    // Extreme shapes still get a pixel.
    EXPECT_EQ(FitThumbnail(65535, 1, box), (ThumbnailSize{82, 1}));
    EXPECT_EQ(FitThumbnail(1, 65535, box), (ThumbnailSize{1, 89}));
}

TEST(BrowserGrid, ACellTooSmallForItsMarginsStillHoldsAPixel) {
    const BrowserGrid grid(25, 25, true);  // cells 18.52 x 13.72, less 25 for the name
    EXPECT_LT(grid.Box().height, 0);
    EXPECT_EQ(FitThumbnail(100, 100, grid.Box()), (ThumbnailSize{1, 1}));
    EXPECT_EQ(FitThumbnail(400, 100, grid.Box()), (ThumbnailSize{4, 1}));
}

TEST(BrowserGrid, ThumbnailAndNameSitInTheirPlaces) {
    const BrowserGrid grid(5, 3, true);
    // Centred across (12 + (92.6 - 44) / 2 = 36.3), 5 below the cell's top.
    EXPECT_EQ(grid.ThumbnailAt(0, {44, 89}), (IntPoint{36, 53}));
    EXPECT_EQ(grid.ThumbnailAt(7, {82, 46}), (IntPoint{int(2 * 92.6 + 12 + 5.3), int(343.0 / 3 + 53)}));
    // 5 in from the left, 14 high, the cell's width less 6, its top 15 above the bottom.
    EXPECT_EQ(grid.NameStrip(0), (IntRect{17, 147, 17 + 86, 147 + 14}));
    EXPECT_EQ(grid.NameStrip(14), (IntRect{int(4 * 92.6 + 17), 376, int(4 * 92.6 + 17) + 86, 390}));
}

TEST(BrowserGrid, PointsFindTheirCellInsideTheAreaOnly) {
    const BrowserGrid grid(5, 3, true);
    EXPECT_EQ(grid.SlotAt(12, 48), 0);
    EXPECT_EQ(grid.SlotAt(104, 100), 0);  // 92 pixels in: still column 0
    EXPECT_EQ(grid.SlotAt(105, 100), 1);
    EXPECT_EQ(grid.SlotAt(474, 390), 14);
    EXPECT_EQ(grid.SlotAt(200, 163), 7);
    EXPECT_FALSE(grid.SlotAt(11, 100));
    EXPECT_FALSE(grid.SlotAt(475, 100));
    EXPECT_FALSE(grid.SlotAt(100, 47));
    EXPECT_FALSE(grid.SlotAt(100, 391));
    EXPECT_TRUE(BrowserGrid::InGrid(474, 390));
    EXPECT_FALSE(BrowserGrid::InGrid(474, 391));
}

}  // namespace
}  // namespace quillor
