#include "core/colour_depth.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "core/colour_quantise.h"
#include "core/dither.h"
#include "core/image_rows.h"
#include "core/palette_map.h"
#include "core/work_progress.h"

namespace quillor {

namespace {

using Palette = std::array<TableWord, 256>;

int PaletteSize(ColourMode mode) {
    switch (mode) {
        case ColourMode::Mono: return 2;
        case ColourMode::Colours16: return 16;
        default: return 256;
    }
}

bool HoldsMode(const COXDIB& image, ColourMode mode) {
    return !image.IsEmpty() && image.GetBitCount() == (mode == ColourMode::TrueColour ? 24 : 8);
}

Palette TableOf(const COXDIB& image) {
    Palette table{};
    for (unsigned i = 0; i < 256; ++i) table[i] = image.GetTableWord(std::uint8_t(i));
    return table;
}

// Perceived lightness, in thousandths of a channel step.
int Lightness(TableWord w) {
    return 299 * int((w >> 16) & 0xFF) + 587 * int((w >> 8) & 0xFF) + 114 * int(w & 0xFF);
}

// Which of black (0) and white (1) each quantised index becomes. A black-and-white
// picture must not come out inverted, so the darker colour goes to black. With a single
// colour found, the second entry is only black filler: the colour goes to whichever of
// black and white it is nearer in lightness, and pixels that preferred the filler are
// darker still and stay black.
std::array<std::uint8_t, 2> MonoLabels(const Palette& palette, int found) {
    if (found >= 2) {
        if (Lightness(palette[0]) > Lightness(palette[1])) return {1, 0};
        return {0, 1};
    }
    if (2 * Lightness(palette[0]) < 255 * 1000) return {0, 0};
    return {1, 0};
}

void Relabel(COXDIB& image, const std::array<std::uint8_t, 2>& labels) {
    if (labels[0] == 0 && labels[1] == 1) return;
    Rows rows = DibRows(image);
    for (int y = 0; y < rows.height; ++y) {
        std::uint8_t* line = rows.Line(y);
        for (int x = 0; x < rows.width; ++x) line[x] = labels[line[x] & 1];
    }
}

// Reduces the picture to `colours` by quantising and mapping into `result`'s indices;
// `palette` receives the quantised colours.
bool Quantise(const COXDIB& image, ColourMode from, int colours, ConversionMethod method, COXDIB& result,
              Palette& palette, int& found) {
    ConstRows source = DibRows(image);
    std::unique_ptr<std::uint8_t[]> expanded;
    if (from != ColourMode::TrueColour) {
        const DibSize size = image.GetSize();
        expanded.reset(new (std::nothrow) std::uint8_t[std::size_t(size.width) * std::size_t(size.height) * 3]);
        if (!expanded) return false;
        const Palette table = TableOf(image);
        const Rows rgb = PackedRows(expanded.get(), size.width, size.height, 3);
        const ProgressPass pass(0, 3);
        if (!ExpandIndices(source, rgb, PaletteSize(from), table.data())) return false;
        source = PackedRows(static_cast<const std::uint8_t*>(expanded.get()), size.width, size.height, 3);
    }
    // The bar fills once over the expansion (palette pictures only), the count and the map.
    const int first = from == ColourMode::TrueColour ? 0 : 1;
    const int passes = first + 2;
    palette.fill(0);
    {
        const ProgressPass pass(first, passes);
        if (!QuantiseColours(source, colours, palette.data(), &found)) return false;
    }
    const ProgressPass pass(first + 1, passes);
    const Rows indices = DibRows(result);
    if (method == ConversionMethod::BestMatch) return MapToPalette(source, indices, colours, palette.data());
    const DitherMethod dither =
        method == ConversionMethod::TwoValueDither ? DitherMethod::TwoValue : DitherMethod::FloydSteinberg;
    return DitherToPalette(source, indices, colours, palette.data(), dither);
}

}  // namespace

bool ConvertColourDepth(COXDIB& image, ColourMode from, ColourMode to, ConversionMethod method) {
    if (from == to || !HoldsMode(image, from)) return false;
    const DibSize size = image.GetSize();
    COXDIB result;
    if (!result.CreateBlank(to == ColourMode::TrueColour ? 24 : 8, size.width, size.height)) return false;

    if (to == ColourMode::TrueColour) {
        const Palette table = TableOf(image);
        if (!ExpandIndices(DibRows(std::as_const(image)), DibRows(result), PaletteSize(from), table.data()))
            return false;
    } else if (from != ColourMode::TrueColour && PaletteSize(from) < PaletteSize(to)) {
        // More colours than before: the pixels and the colours they name stay.
        std::memcpy(result.GetBits(), image.GetBits(), image.GetImageBytes());
        for (int i = 0; i < PaletteSize(from); ++i)
            result.SetTableWord(std::uint8_t(i), image.GetTableWord(std::uint8_t(i)));
    } else {
        const int colours = PaletteSize(to);
        Palette palette{};
        int found = 0;
        try {
            if (!Quantise(image, from, colours, method, result, palette, found)) return false;
        } catch (const std::bad_alloc&) {
            return false;
        }
        if (to == ColourMode::Mono) {
            Relabel(result, MonoLabels(palette, found));
            result.SetTableWord(0, MakeTableWord(0, 0, 0));
            result.SetTableWord(1, MakeTableWord(255, 255, 255));
        } else {
            for (int i = 0; i < colours; ++i) result.SetTableWord(std::uint8_t(i), palette[std::size_t(i)]);
        }
    }
    // The blank was made at the target depth with the full default table, which is
    // what a copy of it would hold; handing its block over saves copying the rows.
    image = std::move(result);
    return true;
}

}  // namespace quillor
