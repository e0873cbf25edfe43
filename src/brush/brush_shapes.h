#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillor {

// One entry of the "Paint Brush Shape" table: a round or square brush described by the
// widths of its rows, each row centred. Round brushes are symmetric top to bottom, so
// only the rows above the full-width middle are listed.
struct BrushShape {
    int choice;
    std::string_view label;
    int size;                                // width and height
    std::span<const std::uint8_t> edgeRows;  // widths above the middle, top first
    int fullRows;                            // rows of the full width in the middle

    int RowWidth(int row) const;
};

// The shapes in the order the dialog shows them: round, square, then the single pixel.
std::span<const BrushShape> BrushShapes();
// Null when `choice` names no shape (the custom and "Restore Previous" entries).
const BrushShape* FindBrushShape(int choice);

// Which pixels of a brush are painted: one byte per pixel, rows top-down, 1 inside.
struct BrushMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> inside;
};

BrushMask ShapeMask(const BrushShape& shape);
BrushMask FilledSquareMask(int width, int height);
// The filled ellipse inscribed in a width x height box, by the same two passes of spans
// as the filled-ellipse tool: rows from the top with m counting down from the vertical
// semi-axis, then columns from the left with n counting down from the horizontal one.
BrushMask FilledEllipseMask(int width, int height);

}  // namespace quillor
