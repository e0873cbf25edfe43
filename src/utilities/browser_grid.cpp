#include "utilities/browser_grid.h"

#include <algorithm>

namespace quillor {

int BrowserGrid::ClampCount(int count) { return std::clamp(count, kMinCount, kMaxCount); }

BrowserGrid::BrowserGrid(int columns, int rows, bool names)
    : columns_(ClampCount(columns)), rows_(ClampCount(rows)), names_(names) {}

ThumbnailBox BrowserGrid::Box() const { return {CellWidth() - 10, CellHeight() - (names_ ? 25 : 10)}; }

IntRect BrowserGrid::Frame(int slot) const {
    const double x = CellX(slot), y = CellY(slot);
    return {int(x + kLeft - 1), int(y + kTop - 1), int(x + CellWidth() - 1 + kLeft + 1),
            int(y + CellHeight() - 1 + kTop + 1)};
}

IntRect BrowserGrid::Fill(int slot) const {
    const IntRect frame = Frame(slot);
    return {frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
}

IntRect BrowserGrid::Cell(int slot) const {
    const double x = CellX(slot), y = CellY(slot);
    return {int(x + kLeft), int(y + kTop), int(x + CellWidth() + kLeft), int(y + CellHeight() + kTop)};
}

IntPoint BrowserGrid::ThumbnailAt(int slot, ThumbnailSize size) const {
    return {int(CellX(slot) + kLeft + (CellWidth() - size.width) / 2), int(CellY(slot) + kTop + 5)};
}

IntRect BrowserGrid::NameStrip(int slot) const {
    const int left = int(CellX(slot) + kLeft + 5);
    const int top = int(CellY(slot) + CellHeight() + kTop - 15);
    return {left, top, left + int(CellWidth() - 6), top + 14};
}

bool BrowserGrid::InGrid(int x, int y) {
    return x >= kLeft && x < kLeft + kWidth && y >= kTop && y < kTop + kHeight;
}

std::optional<int> BrowserGrid::SlotAt(int x, int y) const {
    if (!InGrid(x, y)) return std::nullopt;
    const int column = std::min(columns_ - 1, int((x - kLeft) / CellWidth()));
    const int row = std::min(rows_ - 1, int((y - kTop) / CellHeight()));
    return row * columns_ + column;
}

}  // namespace quillor
