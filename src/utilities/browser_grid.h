#pragma once

#include <optional>

#include "core/colour.h"
#include "core/geometry.h"
#include "utilities/thumbnail_image.h"

namespace quillor {

// Where the image browser's cells lie in its dialog. The thumbnail area is a fixed
// rectangle; columns and rows divide it into cells of real (not whole) pixel sizes, and
// every drawn position is taken from those real sizes, cut to whole pixels.
class BrowserGrid {
public:
    static constexpr int kLeft = 12;
    static constexpr int kTop = 48;
    static constexpr int kWidth = 463;
    static constexpr int kHeight = 343;
    static constexpr int kMinCount = 1;
    static constexpr int kMaxCount = 25;

    static constexpr ColourRef kFrameColour = MakeColour(0, 0, 0);
    static constexpr ColourRef kSelectedFrameColour = MakeColour(255, 255, 255);
    static constexpr ColourRef kCellColour = MakeColour(133, 128, 138);
    static constexpr ColourRef kNameColour = MakeColour(240, 235, 255);
    // The names' font: 12 pixels high, 6 wide.
    static constexpr int kFontHeight = 12;
    static constexpr int kFontWidth = 6;

    // Columns and rows below 1 become 1, above 25 become 25.
    static int ClampCount(int count);

    BrowserGrid() = default;
    BrowserGrid(int columns, int rows, bool names);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    bool Names() const { return names_; }
    void SetColumns(int columns) { columns_ = ClampCount(columns); }
    void SetRows(int rows) { rows_ = ClampCount(rows); }
    void SetNames(bool names) { names_ = names; }

    double CellWidth() const { return double(kWidth) / columns_; }
    double CellHeight() const { return double(kHeight) / rows_; }
    int PageSize() const { return columns_ * rows_; }

    // The room a thumbnail has in a cell: 10 pixels less than the cell across, and 25 less
    // down when names are shown (10 when not).
    ThumbnailBox Box() const;

    // Slot s of the page is column s % columns of row s / columns.
    // The cell's outline: one pixel outside the cell on every side.
    IntRect Frame(int slot) const;
    // Inside the outline, filled with the cell colour.
    IntRect Fill(int slot) const;
    // The cell itself; "LOCKED" is centred in it.
    IntRect Cell(int slot) const;
    // Where a thumbnail of `size` goes: centred across, 5 pixels below the cell's top.
    IntPoint ThumbnailAt(int slot, ThumbnailSize size) const;
    // The strip a name is written in: 14 high and the cell's width less 6, 5 pixels in
    // from the cell's left, its top 15 pixels above the cell's bottom.
    IntRect NameStrip(int slot) const;

    // True for dialog points inside the thumbnail area (x 12 to 474, y 48 to 390).
    static bool InGrid(int x, int y);
    // The slot under a dialog point, when it is inside the thumbnail area.
    std::optional<int> SlotAt(int x, int y) const;

private:
    double CellX(int slot) const { return (slot % columns_) * CellWidth(); }
    double CellY(int slot) const { return (slot / columns_) * CellHeight(); }

    int columns_ = 5;
    int rows_ = 3;
    bool names_ = true;
};

}  // namespace quillor
