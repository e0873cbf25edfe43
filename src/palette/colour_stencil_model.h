#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/geometry.h"

namespace quillor {

class CAnimDoc;

// The "Colour Stencil" window: the picture's palette as 16 columns of 16 entries, each
// with a marker showing whether the stencil protects it. The left button protects the
// entries it presses or drags over, the right button frees them; entries past the
// picture's colour count are left alone.
class ColourStencilModel {
public:
    static constexpr std::string_view kTitle = "Colour Stencil";
    static constexpr std::string_view kInvertText = "&Invert";
    static constexpr std::string_view kClearText = "&Clear";
    static constexpr std::string_view kRefusalText = "Stencil is only available for 256, 16 or 2 colour images.";
    static constexpr std::string_view kRefusalTitle = "Stencil Not Available";
    // Window-client geometry: the points the grid takes.
    static constexpr IntRect kGrid{12, 13, 284, 221};

    // The entry at window point (x, y): entry i lies in column i / 16, row i % 16.
    static std::optional<int> EntryAt(int x, int y);
    // The entry's colour swatch, and the marker left of it.
    static IntRect SwatchOf(int entry);
    static IntRect MarkerOf(int entry);

    // A press or a drag with a button held at (x, y): protect (left) or free (right).
    static void Mark(CAnimDoc& document, int x, int y, bool protect);
    // "Colour: %u" for a point over one of the picture's entries, else empty.
    static std::string HoverText(CAnimDoc& document, int x, int y);
};

}  // namespace quillor
