#include "palette/palette_table.h"

#include <algorithm>

#include "document/anim_doc.h"

namespace quillor {

int ColourCountOf(ColourMode mode) {
    switch (mode) {
        case ColourMode::Mono: return 2;
        case ColourMode::Colours16: return 16;
        default: return 256;
    }
}

PaletteTable::PaletteTable(CAnimDoc& document)
    : document_(&document), frame_(document.FindFrame(document.CurrentFrame())) {
    if (frame_ != nullptr && (!frame_->image || frame_->image->IsEmpty())) frame_ = nullptr;
}

bool PaletteTable::Valid() const { return frame_ != nullptr; }

// The frame's mode and its image's depth agree everywhere but in the middle of a load;
// the image decides, since that is where the table lives.
bool PaletteTable::TrueColour() const {
    return frame_ != nullptr && frame_->image->GetBitCount() > 8;
}

int PaletteTable::Count() const {
    if (frame_ == nullptr) return 0;
    if (TrueColour()) return 256;
    return std::min(ColourCountOf(frame_->colourMode), int(frame_->image->GetColourCount()));
}

ColourRef PaletteTable::Get(int index) const {
    if (frame_ == nullptr || index < 0 || index > 255) return 0;
    if (TrueColour()) return document_->TableColour(std::uint8_t(index));
    return frame_->image->GetColour(std::uint8_t(index));
}

void PaletteTable::Set(int index, ColourRef colour) {
    if (index < 0 || index >= Count()) return;
    colour &= 0xFFFFFFu;
    if (TrueColour()) {
        document_->SetTableColour(std::uint8_t(index), colour);
        return;
    }
    if (frame_->image->GetColour(std::uint8_t(index)) == colour) return;
    frame_->image->SetColour(std::uint8_t(index), colour);
    document_->FramesChanged(frame_->index);
}

std::array<ColourRef, 256> PaletteTable::All() const {
    std::array<ColourRef, 256> colours{};
    for (int i = 0; i < 256; ++i) colours[std::size_t(i)] = Get(i);
    return colours;
}

void PaletteTable::SetAll(const std::array<ColourRef, 256>& colours) {
    const int count = Count();
    if (TrueColour()) {
        CAnimDoc::ColourTable table = document_->Colours();
        for (int i = 0; i < count; ++i) table[std::size_t(i)] = colours[std::size_t(i)] & 0xFFFFFFu;
        document_->SetColourTable(table);
        return;
    }
    bool changed = false;
    for (int i = 0; i < count; ++i) {
        const ColourRef colour = colours[std::size_t(i)] & 0xFFFFFFu;
        if (frame_->image->GetColour(std::uint8_t(i)) == colour) continue;
        frame_->image->SetColour(std::uint8_t(i), colour);
        changed = true;
    }
    // One redraw for the whole table, not one per entry.
    if (changed) document_->FramesChanged(frame_->index);
}

}  // namespace quillor
