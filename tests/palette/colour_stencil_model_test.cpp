// The "Colour Stencil" window's grid: where each entry and its marker lie, what a press
// or drag does to the protected entries, and the entries the picture does not have.

#include "palette/colour_stencil_model.h"

#include <gtest/gtest.h>

#include "palette/palette_documents.h"

namespace quillor {
namespace {

using testing::PaletteDocument;

TEST(ColourStencilGrid, EntriesRunDownSixteenRowsThenAcrossSixteenColumns) {
    EXPECT_EQ(ColourStencilModel::EntryAt(12, 13), 0);
    EXPECT_EQ(ColourStencilModel::EntryAt(12, 26), 1);   // the next row down
    EXPECT_EQ(ColourStencilModel::EntryAt(29, 13), 16);  // the next column
    EXPECT_EQ(ColourStencilModel::EntryAt(283, 220), 255);
    EXPECT_EQ(ColourStencilModel::EntryAt(11, 100), std::nullopt);
    EXPECT_EQ(ColourStencilModel::EntryAt(284, 100), std::nullopt);
    EXPECT_EQ(ColourStencilModel::EntryAt(100, 221), std::nullopt);
    EXPECT_EQ(ColourStencilModel::SwatchOf(17), (IntRect{35, 26, 45, 38}));
    EXPECT_EQ(ColourStencilModel::MarkerOf(17), (IntRect{29, 26, 34, 38}));
    for (int entry = 0; entry < 256; ++entry) {
        const IntRect swatch = ColourStencilModel::SwatchOf(entry);
        EXPECT_EQ(ColourStencilModel::EntryAt(swatch.left, swatch.top), entry);
        EXPECT_EQ(ColourStencilModel::EntryAt(ColourStencilModel::MarkerOf(entry).left, swatch.top), entry);
    }
}

TEST(ColourStencil, PressesProtectAndFreeOnlyThePicturesOwnEntries) {
    PaletteDocument d;
    d.AddFrame(ColourMode::Colours16);
    const IntRect entry3 = ColourStencilModel::SwatchOf(3);
    ColourStencilModel::Mark(d.document, entry3.left, entry3.top, true);
    EXPECT_TRUE(d.document.stencil.Protects(3));
    EXPECT_EQ(ColourStencilModel::HoverText(d.document, entry3.left, entry3.top), "Colour: 3");
    const IntRect entry20 = ColourStencilModel::SwatchOf(20);  // beyond a 16-colour picture
    ColourStencilModel::Mark(d.document, entry20.left, entry20.top, true);
    EXPECT_FALSE(d.document.stencil.Protects(20));
    EXPECT_EQ(ColourStencilModel::HoverText(d.document, entry20.left, entry20.top), "");
    ColourStencilModel::Mark(d.document, entry3.left, entry3.top, false);
    EXPECT_FALSE(d.document.stencil.Protects(3));

    d.document.stencil.Set(7, true);
    d.document.stencil.Invert();
    EXPECT_FALSE(d.document.stencil.Protects(7));
    EXPECT_TRUE(d.document.stencil.Protects(200));
    d.document.stencil.Invert();  // twice: as it was
    EXPECT_TRUE(d.document.stencil.Protects(7));
    EXPECT_FALSE(d.document.stencil.Protects(200));
    d.document.stencil.Clear();
    EXPECT_FALSE(d.document.stencil.Protects(7));
}

}  // namespace
}  // namespace quillor
