#include "palette/palette_order.h"

#include <algorithm>

#include "document/anim_doc.h"
#include "palette/colour_models.h"
#include "palette/palette_table.h"

namespace quillor {

int Brightness(ColourRef colour) { return (RedOf(colour) + GreenOf(colour) + BlueOf(colour)) / 3; }

int HueKey(ColourRef colour) {
    const Hsv hsv = RgbToHsv(colour);
    // No saturation: black, white or a grey.
    if (hsv.s == 0.0) return -999;
    double h = hsv.h + 11.0;
    if (h > 359.0) h -= 360.0;
    return int(h);
}

std::array<std::uint8_t, 256> SortedOrder(const std::array<ColourRef, 256>& table, int count,
                                          PaletteOrder order) {
    std::array<std::uint8_t, 256> original{};
    std::array<int, 256> key{};
    for (int i = 0; i < 256; ++i) {
        original[std::size_t(i)] = std::uint8_t(i);
        const ColourRef c = table[std::size_t(i)];
        key[std::size_t(i)] = order == PaletteOrder::GroupHues ? HueKey(c) : Brightness(c);
    }
    count = std::clamp(count, 0, 256);
    // A plain bubble sort on purpose: it exchanges only neighbours whose keys are out of
    // order, so entries of equal key keep the order they had.
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int i = 0; i + 1 < count; ++i) {
            const int a = key[std::size_t(i)];
            const int b = key[std::size_t(i + 1)];
            const bool outOfOrder = order == PaletteOrder::LightToDark ? b > a : b < a;
            if (!outOfOrder) continue;
            std::swap(key[std::size_t(i)], key[std::size_t(i + 1)]);
            std::swap(original[std::size_t(i)], original[std::size_t(i + 1)]);
            exchanged = true;
        }
    }
    return original;
}

void RenumberPixels(COXDIB& image, const std::array<std::uint8_t, 256>& map) {
    if (image.IsEmpty() || image.GetBitCount() != 8) return;
    const DibSize size = image.GetSize();
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < size.width; ++x) line[x] = map[line[x]];
    }
}

std::array<std::uint8_t, 256> OrderImageColours(COXDIB& image, int count, PaletteOrder order) {
    std::array<ColourRef, 256> table{};
    for (int i = 0; i < 256; ++i) table[std::size_t(i)] = image.GetColour(std::uint8_t(i));
    // A short table (an 8-bit file may carry fewer than 256 entries) must not take in
    // the zeros read past its end.
    count = std::min(count, int(image.GetColourCount()));
    const std::array<std::uint8_t, 256> original = SortedOrder(table, count, order);
    std::array<std::uint8_t, 256> position{};
    for (int p = 0; p < 256; ++p) {
        position[original[std::size_t(p)]] = std::uint8_t(p);
        image.SetColour(std::uint8_t(p), table[original[std::size_t(p)]]);
    }
    RenumberPixels(image, position);
    return position;
}

bool OrderColours(CAnimDoc& document, PaletteOrder order) {
    PaletteTable table(document);
    if (!table.Valid()) return false;
    if (table.TrueColour()) {
        // No pixel names the document's table, so there is nothing to renumber; the
        // painting colours keep their positions and may now be other colours.
        const std::array<ColourRef, 256> colours = table.All();
        const std::array<std::uint8_t, 256> original = SortedOrder(colours, 256, order);
        std::array<ColourRef, 256> sorted{};
        for (int p = 0; p < 256; ++p) sorted[std::size_t(p)] = colours[original[std::size_t(p)]];
        table.SetAll(sorted);
        return true;
    }
    // Every pixel may be renumbered: the step keeps the whole frame.
    document.Undo().PushWholeFrame(document);
    const std::array<std::uint8_t, 256> position =
        OrderImageColours(*table.Frame()->image, table.Count(), order);
    document.SetForeground(position[document.Foreground()]);
    document.SetBackground(position[document.Background()]);
    document.FramesChanged(table.Frame()->index);
    return true;
}

}  // namespace quillor
