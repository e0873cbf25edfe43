#pragma once

#include <array>

#include "core/colour.h"
#include "core/colour_mode.h"

namespace quillor {

class CAnimDoc;
struct AnimFrame;

// The entries a palette picture of `mode` uses: 2, 16 or 256 (256 for true colour, whose
// painting colours index the document's table).
int ColourCountOf(ColourMode mode);

// The colour table the palette commands and windows work on: the current frame's own
// table on a palette picture (its 2, 16 or 256 entries), or the document's 256-entry
// table on a true-colour picture, from which its painting colours are chosen.
class PaletteTable {
public:
    // The table of the document's current frame; not Valid() without a frame.
    explicit PaletteTable(CAnimDoc& document);

    bool Valid() const;
    bool TrueColour() const;
    // 2, 16 or 256 entries (256 for the document's table).
    int Count() const;
    ColourRef Get(int index) const;
    // Writes one entry; entries from Count() on are not the picture's and are left alone.
    // A change is told: a frame's table as a change of the frame (its views redraw and the
    // document counts as changed), the document's table as a change of its colours.
    void Set(int index, ColourRef colour);
    // All 256 entries (entries past Count() as the table holds them), and all at once:
    // the first Count() are written, and a frame's change is told once.
    std::array<ColourRef, 256> All() const;
    void SetAll(const std::array<ColourRef, 256>& colours);

    CAnimDoc& Document() const { return *document_; }
    AnimFrame* Frame() const { return frame_; }

private:
    CAnimDoc* document_;
    AnimFrame* frame_;
};

}  // namespace quillor
