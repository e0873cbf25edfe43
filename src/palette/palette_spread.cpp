#include "palette/palette_spread.h"

#include <algorithm>
#include <array>

#include "document/anim_doc.h"
#include "formats/edit_text.h"

namespace quillor {

SpreadPalettesModel::SpreadPalettesModel(int frameCount)
    : frameCount_(frameCount), from_("1"), to_(std::to_string(frameCount)) {}

void SpreadPalettesModel::SetFromText(std::string_view text) { from_ = LimitEditText(text, kMaxChars, false); }

void SpreadPalettesModel::SetToText(std::string_view text) { to_ = LimitEditText(text, kMaxChars, false); }

int SpreadPalettesModel::From() const { return std::max(EditInteger(from_), 1); }

int SpreadPalettesModel::To() const { return std::min(EditInteger(to_), frameCount_); }

namespace {

// A frame's table when it has one of its own; true-colour frames have none.
const COXDIB* PaletteImage(const AnimFrame* frame) {
    if (frame == nullptr || frame->image->IsEmpty() || frame->image->GetBitCount() != 8) return nullptr;
    return frame->image.get();
}

std::array<ColourRef, 256> TableOf(const COXDIB& image) {
    std::array<ColourRef, 256> table{};
    for (int i = 0; i < 256; ++i) table[std::size_t(i)] = image.GetColour(std::uint8_t(i));
    return table;
}

std::uint8_t Blend(int a, int b, int span, int step) {
    return std::uint8_t(a + int(double(b - a) / span * step));
}

}  // namespace

void SpreadPalettes(CAnimDoc& document, int from, int to) {
    from = std::max(from, 1);
    to = std::min(to, document.HeldFrames());
    if (to <= from) return;
    const COXDIB* first = PaletteImage(document.FindFrame(from - 1));
    const COXDIB* last = PaletteImage(document.FindFrame(to - 1));
    // Without a table at both ends there is nothing to blend between.
    if (first == nullptr || last == nullptr) return;
    const std::array<ColourRef, 256> a = TableOf(*first);
    const std::array<ColourRef, 256> b = TableOf(*last);
    const int span = to - from;
    bool changed = false;
    for (int f = from + 1; f <= to; ++f) {
        AnimFrame* frame = document.FindFrame(f - 1);
        if (PaletteImage(frame) == nullptr) continue;  // true colour: no table to blend
        const int step = f - from;
        for (int i = 0; i < 256; ++i) {
            const ColourRef ca = a[std::size_t(i)];
            const ColourRef cb = b[std::size_t(i)];
            // The last frame takes B itself, whatever the division rounds to.
            const ColourRef blended =
                f == to ? cb
                        : MakeColour(Blend(RedOf(ca), RedOf(cb), span, step),
                                     Blend(GreenOf(ca), GreenOf(cb), span, step),
                                     Blend(BlueOf(ca), BlueOf(cb), span, step));
            frame->image->SetColour(std::uint8_t(i), blended);
        }
        changed = true;
    }
    if (changed) document.FramesChanged(-1);
}

}  // namespace quillor
