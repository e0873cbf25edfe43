#include "palette/brush_palette.h"

#include <algorithm>
#include <cstdlib>

#include "brush/paint_brush.h"
#include "document/anim_doc.h"
#include "palette/palette_order.h"
#include "palette/palette_table.h"

namespace quillor {

namespace {

int Distance(ColourRef a, ColourRef b) {
    return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
           std::abs(BlueOf(a) - BlueOf(b));
}

// The table of a palette frame, or null on true colour or without a frame.
AnimFrame* PaletteFrame(PaletteTable& table) {
    return table.Valid() && !table.TrueColour() ? table.Frame() : nullptr;
}

}  // namespace

int NearestEntry(ColourRef colour, const ColourRef* table, int count) {
    int best = 0;
    int bestDistance = 999;  // farther than any two colours are apart
    for (int j = 0; j < count; ++j) {
        const int distance = Distance(colour, table[j]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = j;
        }
    }
    return best;
}

void RemapImageToPalette(COXDIB& image, int count, const std::array<ColourRef, 256>& palette) {
    if (image.IsEmpty() || image.GetBitCount() != 8) return;
    count = std::min(count, int(image.GetColourCount()));
    std::array<std::uint8_t, 256> map{};
    for (int i = 0; i < 256; ++i) map[std::size_t(i)] = std::uint8_t(i);
    for (int i = 0; i < count; ++i)
        map[std::size_t(i)] = std::uint8_t(NearestEntry(image.GetColour(std::uint8_t(i)), palette.data(), count));
    RenumberPixels(image, map);
    for (int i = 0; i < count; ++i) image.SetColour(std::uint8_t(i), palette[std::size_t(i)]);
}

bool RemapToBrushPalette(CAnimDoc& document, const PaintBrush& brush) {
    PaletteTable table(document);
    AnimFrame* frame = PaletteFrame(table);
    if (frame == nullptr) return false;
    // Pixels anywhere may change: the step keeps the whole frame, table included.
    document.Undo().PushWholeFrame(document);
    RemapImageToPalette(*frame->image, table.Count(), brush.Current(false).palette);
    document.FramesChanged(frame->index);
    return true;
}

bool UseBrushPalette(CAnimDoc& document, const PaintBrush& brush) {
    PaletteTable table(document);
    if (PaletteFrame(table) == nullptr) return false;
    // A step keeps the table from the moment it opens; no pixel is written.
    document.Undo().Push(document);
    table.SetAll(brush.Current(false).palette);
    return true;
}

bool RemapBrushToPalette(const CAnimDoc& document, PaintBrush& brush) {
    const AnimFrame* frame = document.FindFrame(document.CurrentFrame());
    if (frame == nullptr || frame->image->IsEmpty() || frame->image->GetBitCount() != 8) return false;
    BrushRecord& record = brush.Current(false);
    if (record.borrowed || !record.Exists()) return false;
    const int count = std::min(ColourCountOf(frame->colourMode), int(frame->image->GetColourCount()));
    std::array<ColourRef, 256> picture{};
    for (int i = 0; i < count; ++i) picture[std::size_t(i)] = frame->image->GetColour(std::uint8_t(i));
    // Every brush index gets an entry, those the picture's colour count has no room for
    // too: left as they were, they would paste indices a 2- or 16-colour picture cannot
    // hold, so they go to the picture colour nearest to what the brush palette made them.
    std::array<std::uint8_t, 256> map{};
    for (int i = 0; i < 256; ++i)
        map[std::size_t(i)] = std::uint8_t(NearestEntry(record.palette[std::size_t(i)], picture.data(), count));
    const std::uint32_t transparent = record.rememberedBackground;
    const std::uint8_t background = document.Background();
    for (auto& pixels : record.frames)
        for (std::uint8_t& p : pixels) p = p == transparent ? background : map[p];
    // Its transparent pixels are the document's background now; recolouring the brush
    // later must find them as that, not as the old index.
    record.rememberedBackground = background;
    return true;
}

}  // namespace quillor
