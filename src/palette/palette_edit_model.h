#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/geometry.h"

namespace quillor {

class CAnimDoc;
class Interaction;

// The palette edit window ("Palette", "Palette Edit"): a 16 x 16 grid of the table's
// entries, sliders for the selected entry in RGB or HSV, the range operations "Copy",
// "Swap" and "Spread" carried out by the next click in the grid, "Exclude", and its own
// undo of colour changes. It edits the table of the document given to each call (the
// window follows the active picture), through PaletteTable.
class PaletteEditModel {
public:
    static constexpr std::string_view kTitle = "Palette";
    // Window-client geometry: the grid and the hue strip above it.
    static constexpr IntRect kGrid{11, 118, 363, 326};
    static constexpr int kCellWidth = 22;
    static constexpr int kCellHeight = 13;
    static constexpr IntRect kHueStrip{10, 91, 363, 103};
    static constexpr int kUndoSteps = 50;

    enum class Mode { Rgb, Hsv };
    enum class Pending { None, Copy, Swap, Spread };

    // The entry whose cell holds window point (x, y), or nothing off the grid. Entries
    // run down the columns, 16 to a column.
    static std::optional<int> EntryAt(int x, int y);
    static IntRect CellOf(int entry);

    // The window opens on the document's foreground entry.
    void Open(CAnimDoc& document);
    // The table changed behind the window (an undo, a palette file, another window): the
    // current colour follows the selected entry again. The selection stays.
    void Follow(CAnimDoc& document);

    // Clicks and drags in the grid; entries the picture's colour count does not allow
    // are ignored.
    void LeftClick(CAnimDoc& document, int entry);
    void RightClick(CAnimDoc& document, int entry);
    void DragTo(CAnimDoc& document, int entry);
    // The hue strip: a press takes an undo step, press and drag colour the selected
    // entry with the hue under the pointer at full saturation and value.
    void HueStripPress(CAnimDoc& document, int x);
    void HueStripDrag(CAnimDoc& document, int x);

    // "Copy", "Swap", "Spread": remember the table and the range; the next click says
    // where they go.
    void PressCopy(CAnimDoc& document);
    void PressSwap(CAnimDoc& document);
    void PressSpread(CAnimDoc& document);
    Pending PendingOperation() const { return pending_; }
    // "COPY (%u)", "SWAP (%u)", "SPRD (%u)" while an operation waits, else "(%u)", for the
    // entry under the pointer; empty off the grid.
    std::string StatusText(std::optional<int> entryUnderPointer) const;

    // The sliders: three components of the current colour in the current mode.
    Mode GetMode() const { return mode_; }
    void SetMode(Mode mode) { mode_ = mode; }
    std::array<int, 3> SliderValues() const;
    int SliderMaximum(int component) const;
    std::string_view SliderLabel(int component) const;
    // A slider or edit changed: the value (pulled into range) goes into the current
    // colour, and the colour at once into the selected entry.
    void SetComponent(CAnimDoc& document, int component, int value);

    // The window's own undo of colour changes, separate from the picture's.
    void Undo(CAnimDoc& document);
    void Redo(CAnimDoc& document);
    bool CanUndo() const { return position_ >= 0; }
    bool CanRedo() const { return position_ < newest_ && position_ < kUndoSteps - 1; }

    // "Exclude" (palette pictures only): after the advice, one undo step of the picture,
    // then every pixel of a selected entry takes the nearest entry outside the range.
    bool ExcludeEnabled(CAnimDoc& document) const;
    void Exclude(CAnimDoc& document, Interaction& ui);

    int Selected() const { return selected_; }
    int RangeStart() const { return rangeStart_; }
    int RangeEnd() const { return rangeEnd_; }
    // The selected entry or range, as the window shows it ("37", "10 - 20").
    std::string SelectionText() const;
    ColourRef CurrentColour() const { return current_; }
    // Whether the picture's colour count allows `entry`.
    static bool Selectable(CAnimDoc& document, int entry);

private:
    void Select(CAnimDoc& document, int start, int end, int entry);
    void TakeOperation(CAnimDoc& document, Pending operation);
    void PushUndo(CAnimDoc& document);
    void WriteCurrent(CAnimDoc& document);

    int selected_ = 0;
    int rangeStart_ = 0;
    int rangeEnd_ = 0;
    int anchor_ = 0;
    ColourRef current_ = 0;
    Mode mode_ = Mode::Rgb;
    Pending pending_ = Pending::None;
    int copiedStart_ = 0;
    int copiedEnd_ = 0;
    std::array<ColourRef, 256> copied_{};
    // The ring: up to 50 tables; position_ -1 when empty, newest_ the last one stored.
    std::array<std::array<ColourRef, 256>, kUndoSteps> ring_{};
    int position_ = -1;
    int newest_ = -1;
};

}  // namespace quillor
