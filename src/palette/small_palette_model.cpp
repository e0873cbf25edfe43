#include "palette/small_palette_model.h"

#include "document/anim_doc.h"
#include "palette/palette_table.h"

namespace quillor {

namespace {

constexpr int kColumnStep = 7;
constexpr int kRowStep = 9;
constexpr int kCellWidth = 6;
constexpr int kCellHeight = 8;

}  // namespace

std::optional<int> SmallPaletteModel::EntryAt(int x, int y) {
    if (!kClickArea.Contains(x, y)) return std::nullopt;
    // The one-pixel gaps between cells count with the cell before them.
    return (x - kClickArea.left) / kColumnStep * 16 + (y - kClickArea.top) / kRowStep;
}

IntRect SmallPaletteModel::CellOf(int entry) {
    const int left = entry / 16 * kColumnStep + kClickArea.left;
    const int top = entry % 16 * kRowStep + kClickArea.top;
    return {left, top, left + kCellWidth, top + kCellHeight};
}

void SmallPaletteModel::LeftClick(CAnimDoc& document, int entry) {
    if (entry < 0 || entry >= PaletteTable(document).Count()) return;
    lastChosen_ = entry;
    document.SetForeground(std::uint8_t(entry));
}

void SmallPaletteModel::RightClick(CAnimDoc& document, int entry) {
    if (entry < 0 || entry >= PaletteTable(document).Count()) return;
    lastChosen_ = entry;
    document.SetBackground(std::uint8_t(entry));
}

std::string SmallPaletteModel::ForeText(const CAnimDoc& document) const {
    return "Fore: " + std::to_string(document.Foreground());
}

std::string SmallPaletteModel::BackText(const CAnimDoc& document) const {
    return "Back: " + std::to_string(document.Background());
}

std::string SmallPaletteModel::HoverText(CAnimDoc& document, std::optional<int> entry) const {
    if (!entry || *entry < 0 || *entry >= PaletteTable(document).Count()) return {};
    return "(" + std::to_string(*entry) + ")";
}

}  // namespace quillor
