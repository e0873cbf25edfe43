// The small palette window: its cells, its clicks and its labels.

#include "palette/small_palette_model.h"

#include <gtest/gtest.h>

#include "palette/palette_documents.h"

namespace quillor {
namespace {

using testing::PaletteDocument;

TEST(SmallPaletteGrid, SixteenColumnsOfSixteenWithGapsBetween) {
    EXPECT_EQ(SmallPaletteModel::CellOf(0), (IntRect{3, 45, 9, 53}));
    EXPECT_EQ(SmallPaletteModel::CellOf(17), (IntRect{10, 54, 16, 62}));
    EXPECT_EQ(SmallPaletteModel::CellOf(255), (IntRect{108, 180, 114, 188}));
    for (int entry = 0; entry < 256; ++entry) {
        const IntRect cell = SmallPaletteModel::CellOf(entry);
        EXPECT_EQ(SmallPaletteModel::EntryAt(cell.left, cell.top), entry);
        EXPECT_EQ(SmallPaletteModel::EntryAt(cell.right - 1, cell.bottom - 1), entry);
    }
    EXPECT_EQ(SmallPaletteModel::EntryAt(114, 188), 255);  // the click area's far corner
    EXPECT_EQ(SmallPaletteModel::EntryAt(2, 100), std::nullopt);
    EXPECT_EQ(SmallPaletteModel::EntryAt(115, 100), std::nullopt);
    EXPECT_EQ(SmallPaletteModel::EntryAt(50, 44), std::nullopt);
    EXPECT_EQ(SmallPaletteModel::EntryAt(50, 189), std::nullopt);
}

TEST(SmallPalette, ButtonsChooseTheColoursTheColourCountAllows) {
    PaletteDocument d;
    d.AddFrame(ColourMode::Colours16);
    SmallPaletteModel model;
    model.LeftClick(d.document, 14);
    model.RightClick(d.document, 3);
    EXPECT_EQ(model.ForeText(d.document), "Fore: 14");
    EXPECT_EQ(model.BackText(d.document), "Back: 3");
    EXPECT_EQ(model.LastChosen(), 3);
    model.LeftClick(d.document, 16);
    EXPECT_EQ(d.document.Foreground(), 14);
    EXPECT_EQ(model.LastChosen(), 3);
    EXPECT_EQ(model.HoverText(d.document, 15), "(15)");
    EXPECT_EQ(model.HoverText(d.document, 16), "");
    EXPECT_EQ(model.HoverText(d.document, std::nullopt), "");

    PaletteDocument mono;
    mono.AddFrame(ColourMode::Mono);
    model.RightClick(mono.document, 2);
    EXPECT_EQ(mono.document.Background(), 0);
    model.RightClick(mono.document, 1);
    EXPECT_EQ(mono.document.Background(), 1);
}

}  // namespace
}  // namespace quillor
