// The palette edit window's rules: the grid, range operations, its own undo, the
// sliders and "Exclude".

#include "palette/palette_edit_model.h"

#include <gtest/gtest.h>

#include "palette/palette_documents.h"

namespace quillor {
namespace {

using testing::PaletteDocument;

class PaletteEdit : public ::testing::Test {
protected:
    PaletteDocument d;
    PaletteEditModel model;

    COXDIB& Picture(ColourMode mode = ColourMode::Colours256) {
        COXDIB& image = *d.AddFrame(mode).image;
        model.Open(d.document);
        return image;
    }
    ColourRef Entry(int i) { return PaletteTable(d.document).Get(i); }
    void SetEntry(int i, ColourRef c) { PaletteTable(d.document).Set(i, c); }
    // Entry i holds (i, i, i) for every i.
    void Greys() {
        for (int i = 0; i < 256; ++i) SetEntry(i, 0x010101u * std::uint32_t(i));
    }
};

TEST(PaletteEditGrid, CellsRunDownTheColumns) {
    EXPECT_EQ(PaletteEditModel::EntryAt(11 + 22 * 2, 118 + 13 * 5), 37);
    EXPECT_EQ(PaletteEditModel::EntryAt(11, 118), 0);
    EXPECT_EQ(PaletteEditModel::EntryAt(362, 325), 255);
    EXPECT_EQ(PaletteEditModel::EntryAt(10, 118), std::nullopt);
    EXPECT_EQ(PaletteEditModel::EntryAt(363, 200), std::nullopt);
    EXPECT_EQ(PaletteEditModel::EntryAt(100, 326), std::nullopt);
    for (int entry = 0; entry < 256; ++entry) {
        const IntRect cell = PaletteEditModel::CellOf(entry);
        EXPECT_EQ(PaletteEditModel::EntryAt(cell.left, cell.top), entry);
        EXPECT_EQ(PaletteEditModel::EntryAt(cell.right - 1, cell.bottom - 1), entry);
    }
}

TEST_F(PaletteEdit, ClicksChooseThePaintingColoursWithinTheColourCount) {
    Picture(ColourMode::Colours16);
    d.document.SetForeground(3);
    model.Open(d.document);
    EXPECT_EQ(model.Selected(), 3);
    EXPECT_EQ(model.CurrentColour(), Entry(3));

    model.LeftClick(d.document, 12);
    EXPECT_EQ(d.document.Foreground(), 12);
    EXPECT_EQ(model.Selected(), 12);
    EXPECT_EQ(model.CurrentColour(), Entry(12));
    model.RightClick(d.document, 5);
    EXPECT_EQ(d.document.Background(), 5);
    EXPECT_EQ(d.document.Foreground(), 12);
    model.LeftClick(d.document, 16);  // a 16-colour picture has no entry 16
    model.RightClick(d.document, 200);
    EXPECT_EQ(d.document.Foreground(), 12);
    EXPECT_EQ(d.document.Background(), 5);
    EXPECT_FALSE(PaletteEditModel::Selectable(d.document, 16));
    EXPECT_TRUE(PaletteEditModel::Selectable(d.document, 15));

    // A drag from the anchor names a range.
    model.LeftClick(d.document, 4);
    model.DragTo(d.document, 9);
    EXPECT_EQ(model.SelectionText(), "4 - 9");
    EXPECT_EQ(model.Selected(), 9);
    model.DragTo(d.document, 2);
    EXPECT_EQ(model.SelectionText(), "2 - 4");
    model.LeftClick(d.document, 2);  // the selected entry, but a range was selected
    EXPECT_EQ(model.SelectionText(), "2");
}

TEST_F(PaletteEdit, CopyStopsAtTheTablesEnd) {
    Picture();
    Greys();
    model.LeftClick(d.document, 250);
    model.DragTo(d.document, 255);
    model.PressCopy(d.document);
    EXPECT_EQ(model.StatusText(7), "COPY (7)");
    model.LeftClick(d.document, 253);
    EXPECT_EQ(model.PendingOperation(), PaletteEditModel::Pending::None);
    EXPECT_EQ(model.StatusText(7), "(7)");
    for (int i = 0; i < 253; ++i) EXPECT_EQ(Entry(i), 0x010101u * std::uint32_t(i));
    EXPECT_EQ(Entry(253), 0x010101u * 250);
    EXPECT_EQ(Entry(254), 0x010101u * 251);
    EXPECT_EQ(Entry(255), 0x010101u * 252);
    EXPECT_EQ(model.CurrentColour(), Entry(253));
}

TEST_F(PaletteEdit, SwapExchangesRangesAndSkipsWhatFallsOffTheEnd) {
    Picture();
    Greys();
    model.LeftClick(d.document, 10);
    model.DragTo(d.document, 12);
    model.PressSwap(d.document);
    EXPECT_EQ(model.StatusText(1), "SWAP (1)");
    model.LeftClick(d.document, 100);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Entry(10 + k), 0x010101u * std::uint32_t(100 + k));
        EXPECT_EQ(Entry(100 + k), 0x010101u * std::uint32_t(10 + k));
    }
    EXPECT_EQ(Entry(13), 0x010101u * 13);

    model.LeftClick(d.document, 0);
    model.DragTo(d.document, 3);
    model.PressSwap(d.document);
    model.LeftClick(d.document, 254);  // 0 and 1 swap with 254 and 255; 2 and 3 have no partner
    EXPECT_EQ(Entry(0), 0x010101u * 254);
    EXPECT_EQ(Entry(1), 0x010101u * 255);
    EXPECT_EQ(Entry(2), 0x010101u * 2);
    EXPECT_EQ(Entry(3), 0x010101u * 3);
    EXPECT_EQ(Entry(254), 0x010101u * 0);
    EXPECT_EQ(Entry(255), 0x010101u * 1);
}

TEST_F(PaletteEdit, SpreadBlendsFromTheRangesStartToTheEntryClicked) {
    Picture();
    SetEntry(10, MakeColour(0, 0, 0));
    SetEntry(20, MakeColour(255, 255, 255));
    model.LeftClick(d.document, 10);
    model.PressSpread(d.document);
    EXPECT_EQ(model.StatusText(20), "SPRD (20)");
    model.LeftClick(d.document, 20);
    EXPECT_EQ(Entry(15), MakeColour(127, 127, 127));  // 5 x 25.5, truncated
    EXPECT_EQ(Entry(11), MakeColour(25, 25, 25));
    EXPECT_EQ(Entry(19), MakeColour(229, 229, 229));
    EXPECT_EQ(Entry(20), MakeColour(255, 255, 255));
    EXPECT_EQ(Entry(10), MakeColour(0, 0, 0));

    // Downwards too: from 40 back to 36.
    SetEntry(40, MakeColour(200, 0, 100));
    SetEntry(36, MakeColour(0, 200, 0));
    model.LeftClick(d.document, 40);
    model.PressSpread(d.document);
    model.LeftClick(d.document, 36);
    EXPECT_EQ(Entry(38), MakeColour(100, 100, 50));
    EXPECT_EQ(Entry(36), MakeColour(0, 200, 0));
}

TEST_F(PaletteEdit, TheRingKeepsFiftyTablesAndUndoExchanges) {
    Picture();
    model.Undo(d.document);  // nothing to undo: nothing happens
    EXPECT_FALSE(model.CanUndo());

    // 51 operations, each first keeping the table and then marking entry 0 with its number.
    for (int n = 1; n <= 51; ++n) {
        model.LeftClick(d.document, 0);
        model.PressCopy(d.document);
        SetEntry(5, MakeColour(std::uint8_t(n), 0, 0));
        model.LeftClick(d.document, 5);  // copies entry 0 onto 5: nothing visible
        SetEntry(0, MakeColour(std::uint8_t(n), 0, 0));
    }
    // Undo goes back through the 50 kept tables; the first one was dropped.
    for (int n = 51; n >= 2; --n) {
        ASSERT_TRUE(model.CanUndo());
        model.Undo(d.document);
        EXPECT_EQ(RedOf(Entry(0)), n - 1) << n;
    }
    EXPECT_FALSE(model.CanUndo());
    model.Undo(d.document);
    EXPECT_EQ(RedOf(Entry(0)), 1);

    // Redo comes forward again as far as the newest, and no further.
    for (int n = 2; n <= 51; ++n) {
        model.Redo(d.document);
        EXPECT_EQ(RedOf(Entry(0)), n) << n;
    }
    EXPECT_FALSE(model.CanRedo());
    model.Redo(d.document);
    EXPECT_EQ(RedOf(Entry(0)), 51);

    // Short of a full ring, redo stops at the newest table too.
    PaletteDocument fresh;
    fresh.AddFrame(ColourMode::Colours256);
    PaletteEditModel small;
    small.Open(fresh.document);
    for (int n = 1; n <= 3; ++n) {
        small.LeftClick(fresh.document, 0);
        small.PressCopy(fresh.document);
        small.LeftClick(fresh.document, 9);
        PaletteTable(fresh.document).Set(0, MakeColour(std::uint8_t(n), 0, 0));
    }
    small.Undo(fresh.document);
    small.Undo(fresh.document);
    small.Redo(fresh.document);
    small.Redo(fresh.document);
    small.Redo(fresh.document);  // nothing newer
    EXPECT_EQ(RedOf(PaletteTable(fresh.document).Get(0)), 3);
    small.Undo(fresh.document);
    EXPECT_EQ(RedOf(PaletteTable(fresh.document).Get(0)), 2);
}

TEST_F(PaletteEdit, UndoWhileACopyWaitsOnlyCancelsIt) {
    Picture();
    Greys();
    model.LeftClick(d.document, 1);
    model.PressCopy(d.document);
    model.LeftClick(d.document, 2);  // entry 2 takes entry 1's colour
    EXPECT_EQ(Entry(2), 0x010101u);
    model.PressCopy(d.document);
    model.Undo(d.document);
    EXPECT_EQ(model.PendingOperation(), PaletteEditModel::Pending::None);
    EXPECT_EQ(Entry(2), 0x010101u);  // the copy before stays done
    model.Undo(d.document);
    EXPECT_EQ(Entry(2), 0x020202u);
    EXPECT_EQ(model.CurrentColour(), Entry(2));
    model.Redo(d.document);
    EXPECT_EQ(Entry(2), 0x010101u);
    // The picture's own history saw none of it.
    EXPECT_FALSE(d.document.Undo().CanUndo());
}

TEST_F(PaletteEdit, SlidersEditTheSelectedEntryInRgbAndHsv) {
    Picture();
    model.LeftClick(d.document, 7);
    SetEntry(7, MakeColour(10, 20, 30));
    model.LeftClick(d.document, 8);
    model.LeftClick(d.document, 7);
    EXPECT_EQ(model.SliderValues(), (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(model.SliderLabel(0), "R");
    model.SetComponent(d.document, 1, 300);  // pulled down to 255
    EXPECT_EQ(Entry(7), MakeColour(10, 255, 30));
    model.SetComponent(d.document, 2, -5);
    EXPECT_EQ(Entry(7), MakeColour(10, 255, 0));

    model.SetMode(PaletteEditModel::Mode::Hsv);
    EXPECT_EQ(model.SliderLabel(0), "H");
    EXPECT_EQ(model.SliderLabel(2), "V");
    EXPECT_EQ(model.SliderMaximum(0), 359);
    EXPECT_EQ(model.SliderMaximum(1), 100);
    SetEntry(7, MakeColour(255, 0, 0));
    model.LeftClick(d.document, 8);
    model.LeftClick(d.document, 7);
    EXPECT_EQ(model.SliderValues(), (std::array<int, 3>{0, 100, 100}));
    model.SetComponent(d.document, 0, 120);
    EXPECT_EQ(Entry(7), MakeColour(0, 255, 0));
    model.SetComponent(d.document, 2, 50);
    EXPECT_EQ(Entry(7), MakeColour(0, 127, 0));
    EXPECT_EQ(model.SliderValues()[0], 120);  // the hue stayed
    model.SetComponent(d.document, 0, 400);   // pulled down to 359
    EXPECT_EQ(model.SliderValues()[0], 359);
    model.SetComponent(d.document, 1, 0);
    EXPECT_EQ(Entry(7), MakeColour(127, 127, 127));
}

TEST_F(PaletteEdit, TheHueStripPaintsTheSelectedEntryAtFullSaturation) {
    Picture();
    model.LeftClick(d.document, 4);
    const ColourRef before = Entry(4);
    model.HueStripPress(d.document, 10);
    EXPECT_EQ(Entry(4), MakeColour(255, 0, 0));
    model.HueStripDrag(d.document, 130);
    EXPECT_EQ(Entry(4), MakeColour(0, 255, 0));
    model.HueStripDrag(d.document, 900);  // hue 359 at most
    EXPECT_EQ(Entry(4), MakeColour(255, 0, 4));
    model.Undo(d.document);
    EXPECT_EQ(Entry(4), before);
}

TEST_F(PaletteEdit, TrueColourEditsTheDocumentsTable) {
    Picture(ColourMode::TrueColour);
    EXPECT_FALSE(model.ExcludeEnabled(d.document));
    model.LeftClick(d.document, 200);
    EXPECT_EQ(d.document.Foreground(), 200);
    model.SetComponent(d.document, 0, 99);
    EXPECT_EQ(RedOf(d.document.TableColour(200)), 99);
    model.Exclude(d.document, d.environment.ui);  // disabled: no advice, no step
    EXPECT_TRUE(d.environment.ui.Messages().empty());
}

TEST_F(PaletteEdit, ExcludeMovesPixelsToTheNearestEntryOutsideTheRange) {
    COXDIB& image = Picture(ColourMode::Colours16);
    for (int i = 0; i < 16; ++i) SetEntry(i, MakeColour(std::uint8_t(i * 10), 0, 0));
    SetEntry(9, MakeColour(80, 0, 0));  // as near to 7 (70) as 6 (60) is; 6 comes first
    const auto pixels = PaletteDocument::Pixels(image);
    const auto table = PaletteDocument::Table(image);
    model.LeftClick(d.document, 7);
    model.DragTo(d.document, 8);
    model.Exclude(d.document, d.environment.ui);
    EXPECT_TRUE(d.environment.ui.OnlyMessageIs(
        "This will alter the image by excluding the selected colours in the palette.\nTherefore to undo, use "
        "'Undo' on the main tool window.",
        "Advice", MessageIcon::Information));
    EXPECT_EQ(PaletteDocument::Table(image), table);
    const DibSize size = image.GetSize();
    const std::uint8_t expected[16] = {0, 1, 2, 3, 4, 5, 6, 6, 9, 9, 10, 11, 12, 13, 14, 15};
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            ASSERT_EQ(image.Line(y)[x], expected[pixels[std::size_t((size.height - 1 - y) * image.GetStride() + x)]]);
    EXPECT_GE(d.environment.ui.WaitCount(), 1);
    ASSERT_TRUE(d.document.Undo().Undo(d.document));
    EXPECT_EQ(PaletteDocument::Pixels(*d.Frame(0).image), pixels);
}

TEST_F(PaletteEdit, ExcludingTheWholeTableLeavesEntryZero) {
    COXDIB& image = Picture(ColourMode::Mono);
    model.LeftClick(d.document, 0);
    model.DragTo(d.document, 1);
    model.Exclude(d.document, d.environment.ui);
    const DibSize size = image.GetSize();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) ASSERT_EQ(image.Line(y)[x], 0);
}

}  // namespace
}  // namespace quillor
