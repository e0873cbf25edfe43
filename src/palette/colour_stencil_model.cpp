#include "palette/colour_stencil_model.h"

#include "document/anim_doc.h"
#include "palette/palette_table.h"

namespace quillor {

namespace {

constexpr int kColumnStep = 17;
constexpr int kRowStep = 13;

// One of the picture's own entries at the point, or nothing.
std::optional<int> PictureEntryAt(CAnimDoc& document, int x, int y) {
    const std::optional<int> entry = ColourStencilModel::EntryAt(x, y);
    if (!entry || *entry >= PaletteTable(document).Count()) return std::nullopt;
    return entry;
}

}  // namespace

std::optional<int> ColourStencilModel::EntryAt(int x, int y) {
    if (!kGrid.Contains(x, y)) return std::nullopt;
    return (x - kGrid.left) / kColumnStep * 16 + (y - kGrid.top) / kRowStep;
}

IntRect ColourStencilModel::SwatchOf(int entry) {
    const int column = entry / 16, row = entry % 16;
    return {column * kColumnStep + 18, row * kRowStep + 13, column * kColumnStep + 28, row * kRowStep + 25};
}

IntRect ColourStencilModel::MarkerOf(int entry) {
    const int column = entry / 16, row = entry % 16;
    return {column * kColumnStep + 12, row * kRowStep + 13, column * kColumnStep + 17, row * kRowStep + 25};
}

void ColourStencilModel::Mark(CAnimDoc& document, int x, int y, bool protect) {
    if (const std::optional<int> entry = PictureEntryAt(document, x, y))
        document.stencil.Set(std::uint8_t(*entry), protect);
}

std::string ColourStencilModel::HoverText(CAnimDoc& document, int x, int y) {
    const std::optional<int> entry = PictureEntryAt(document, x, y);
    return entry ? "Colour: " + std::to_string(*entry) : std::string();
}

}  // namespace quillor
