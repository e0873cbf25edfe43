#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/geometry.h"

namespace quillor {

class CAnimDoc;

// The small palette window (`CSmallPaletteDlg`, "Palette View"): 16 columns of 16 cells
// for choosing the painting colours, the left button the foreground and the right the
// background, with "Fore: %u", "Back: %u" and the entry under the pointer.
class SmallPaletteModel {
public:
    static constexpr std::string_view kTitle = "Palette";
    // Window-client geometry.
    static constexpr IntRect kClickArea{3, 45, 115, 189};

    // The entry at window point (x, y), or nothing outside the cells.
    static std::optional<int> EntryAt(int x, int y);
    static IntRect CellOf(int entry);

    void LeftClick(CAnimDoc& document, int entry);
    void RightClick(CAnimDoc& document, int entry);
    std::string ForeText(const CAnimDoc& document) const;
    std::string BackText(const CAnimDoc& document) const;
    // "(%u)" for an entry the picture allows, else empty.
    std::string HoverText(CAnimDoc& document, std::optional<int> entry) const;
    // The entry last chosen, framed in white.
    std::optional<int> LastChosen() const { return lastChosen_; }

private:
    std::optional<int> lastChosen_;
};

}  // namespace quillor
