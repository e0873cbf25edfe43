#pragma once

#include <array>
#include <cstdint>

#include "core/colour.h"

namespace quillor {

class CAnimDoc;
class COXDIB;

// "Dark To Light", "Light To Dark" and "Group R, G && B".
enum class PaletteOrder { DarkToLight = 1, LightToDark = 2, GroupHues = 3 };

// (red + green + blue) div 3.
int Brightness(ColourRef colour);
// The hue in degrees turned by 11 so that reds just below 360 meet those above 0; -999
// for a grey.
int HueKey(ColourRef colour);

// Where each entry goes when the first `count` entries of `table` are put in `order`
// (a bubble sort that never exchanges equal keys): result[position] = original index.
// Entries from `count` on stay where they are.
std::array<std::uint8_t, 256> SortedOrder(const std::array<ColourRef, 256>& table, int count,
                                          PaletteOrder order);

// Every pixel index p of an 8-bit picture becomes map[p] (row padding untouched).
void RenumberPixels(COXDIB& image, const std::array<std::uint8_t, 256>& map);

// Orders the first `count` entries of an 8-bit picture's table and renumbers its pixels
// so that it looks as before. Returns where each original index went
// (result[original] = position), for whatever else names the picture's colours.
std::array<std::uint8_t, 256> OrderImageColours(COXDIB& image, int count, PaletteOrder order);

// Orders the current frame's palette with one undo step, renumbering its pixels and the
// painting colours so that the picture and both colours look as before; on a true-colour
// frame orders the document's table and nothing else (the painting colours keep their
// positions). False when there is no frame.
bool OrderColours(CAnimDoc& document, PaletteOrder order);

}  // namespace quillor
