#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/coxdib.h"

namespace quillor {

class CAnimDoc;

// A view's ten whole-frame snapshots. A snapshot is taken before every change to a
// frame; undo and redo exchange a snapshot with the frame it came from.
class UndoStore {
public:
    static constexpr int kSlots = 10;
    static constexpr int kEmptyFrame = -9;
    static constexpr std::uint8_t kNone = 255;

    struct Slot {
        int frame = kEmptyFrame;
        COXDIB image;
        int bitCount = 0;  // the frame's colour mode: 1, 4, 8 or 24
        int width = 0;
        int height = 0;
        std::string name;
    };

    // Records the document's current frame before a change, and marks the document
    // changed. Nothing on the compiled image of a layered document.
    void Push(CAnimDoc& document);
    // False when there was nothing to undo or redo.
    bool Undo(CAnimDoc& document);
    bool Redo(CAnimDoc& document);
    void Reset();

    // Frames were inserted or deleted: snapshots follow their frames, and snapshots of a
    // deleted frame are dropped, so an undo never lands in another frame.
    void FrameInserted(int index);
    void FrameDeleted(int index);

    std::uint8_t Count() const { return count_; }
    std::uint8_t Index() const { return index_; }
    const Slot& SlotAt(int i) const { return slots_[std::size_t(i)]; }
    bool CanUndo() const { return count_ != kNone; }
    bool CanRedo() const;

private:
    bool Exchange(CAnimDoc& document, Slot& slot);

    std::array<Slot, kSlots> slots_;
    std::uint8_t count_ = kNone;
    std::uint8_t index_ = kNone;
    // Redo steps still ahead of the index; a new push drops them.
    int redoable_ = 0;
};

}  // namespace quillor
