#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/coxdib.h"
#include "document/tile_snapshot.h"
#include "paint/pixel_write_guard.h"

namespace quillor {

class CAnimDoc;
struct AnimFrame;

// A document's last ten changes to its frames. A step is begun before every change to a
// frame; undo and redo exchange what the step kept with the frame it came from.
//
// A step keeps only what its change touched: after Push, every writer of the frame's
// pixels announces what it is about to write (through the guard this store gives out
// for the frame), and the store copies those tiles the first time they are reached. A
// change of the frame's size or colour mode, or one that rewrites all of it, is begun
// with PushWholeFrame instead, which copies the frame as it stands.
class UndoStore final : public PixelWriteGuard {
public:
    static constexpr int kSlots = 10;
    static constexpr int kEmptyFrame = -9;
    static constexpr std::uint8_t kNone = 255;

    struct Slot {
        int frame = kEmptyFrame;
        // A whole-frame step holds the picture in `image`; any other step holds the
        // tiles its change reached in `tiles`.
        bool whole = false;
        COXDIB image;
        TileSnapshot tiles;
        int bitCount = 0;  // the frame's colour mode: 1, 4, 8 or 24
        int width = 0;
        int height = 0;
        std::string name;
    };

    UndoStore() = default;
    UndoStore(const UndoStore&) = delete;
    UndoStore& operator=(const UndoStore&) = delete;

    // Begins a step on the document's current frame before a change, and marks the
    // document changed. Nothing on the compiled image of a layered document.
    void Push(CAnimDoc& document);
    // The same, for a change that resizes, recolours or rewrites the whole frame.
    void PushWholeFrame(CAnimDoc& document);
    // False when there was nothing to undo or redo.
    bool Undo(CAnimDoc& document);
    bool Redo(CAnimDoc& document);
    void Reset();

    // Frames were inserted or deleted: steps follow their frames, and steps of a deleted
    // frame are dropped, so an undo never lands in another frame.
    void FrameInserted(int index);
    void FrameDeleted(int index);
    // Frame `index` was rewritten without a step (several frames cleared at once): its
    // steps are dropped, since putting their old pixels back would patch them into a
    // picture they no longer belong to. Other frames keep theirs, in order.
    void ForgetFrame(int index);

    // Where writers into `frame` announce their writes: this store while the newest step
    // is still open on that frame, else null (nothing to keep).
    PixelWriteGuard* GuardFor(const AnimFrame& frame);
    void BeforeWrite(const IntRect& pictureRect) override;

    std::uint8_t Count() const { return count_; }
    std::uint8_t Index() const { return index_; }
    const Slot& SlotAt(int i) const { return slots_[std::size_t(i)]; }
    bool CanUndo() const { return count_ != kNone; }
    bool CanRedo() const;
    // The memory the steps hold, pictures and tiles together.
    std::size_t BytesHeld() const;

private:
    // The frame a new step is for (marking the document changed), or null when no step
    // is taken.
    AnimFrame* FrameToKeep(CAnimDoc& document);
    // Moves the counters on to the slot the new step goes into and fills in its frame.
    Slot& Advance(const AnimFrame& frame);
    bool Exchange(CAnimDoc& document, Slot& slot);
    // Drops the steps of frame `index`; `renumber` moves the steps of later frames down
    // by one, as when the frame itself went.
    void DropFrame(int index, bool renumber);

    std::array<Slot, kSlots> slots_;
    std::uint8_t count_ = kNone;
    std::uint8_t index_ = kNone;
    // Redo steps still ahead of the index; a new push drops them.
    int redoable_ = 0;
    // The newest step still takes in the writes to its frame's picture until the next
    // push, undo or redo.
    bool open_ = false;
    COXDIB* openImage_ = nullptr;
};

}  // namespace quillor
