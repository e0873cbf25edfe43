#include "document/undo_store.h"

#include <utility>
#include <vector>

#include "document/anim_doc.h"

namespace quillor {

namespace {

// The counters are bytes on purpose: 255 means "none", and one step past it is slot 0.
std::uint8_t NextSlot(std::uint8_t index) {
    const auto next = std::uint8_t(index + 1);
    return next == UndoStore::kSlots ? 0 : next;
}

}  // namespace

AnimFrame* UndoStore::FrameToKeep(CAnimDoc& document) {
    // The compiled image of a layered document is rebuilt from its layers; it has no
    // pixels of its own to restore.
    if (document.isLayered && document.CurrentFrame() == 0) return nullptr;
    document.SetChanged(true);
    AnimFrame* frame = document.FindFrame(document.CurrentFrame());
    if (frame == nullptr || frame->image->IsEmpty()) return nullptr;
    return frame;
}

UndoStore::Slot& UndoStore::Advance(const AnimFrame& frame) {
    count_ = std::uint8_t(count_ + 1);
    index_ = NextSlot(index_);
    if (count_ == kSlots) count_ = kSlots - 1;
    Slot& slot = slots_[index_];
    slot.frame = frame.index;
    slot.bitCount = int(frame.colourMode);
    slot.width = frame.width;
    slot.height = frame.height;
    slot.name = frame.name;
    // The steps that were ahead describe a history this change has replaced.
    redoable_ = 0;
    open_ = true;
    openImage_ = frame.image.get();
    return slot;
}

void UndoStore::Push(CAnimDoc& document) {
    AnimFrame* frame = FrameToKeep(document);
    if (frame == nullptr) return;
    Slot& slot = Advance(*frame);
    slot.whole = false;
    slot.image.Clear();
    slot.tiles.Begin(*frame->image);
}

void UndoStore::PushWholeFrame(CAnimDoc& document) {
    AnimFrame* frame = FrameToKeep(document);
    if (frame == nullptr) return;
    // A slot that already holds a frame of the same shape takes the copy in place; any
    // other copy is made aside first.
    const std::uint8_t next = NextSlot(index_);
    COXDIB& reused = slots_[next].image;
    COXDIB copy;
    const bool inPlace = !reused.IsEmpty() && reused.GetSize() == frame->image->GetSize() &&
                         reused.GetBitCount() == frame->image->GetBitCount();
    if (inPlace ? !frame->image->CopyInto(reused) : !frame->image->CopyTo(copy)) {
        // The change goes ahead unrecorded, and the older steps keep only the tiles they
        // wrote: put back over it, they would make a picture that never was.
        Reset();
        return;
    }
    Slot& slot = Advance(*frame);
    slot.whole = true;
    if (!inPlace) slot.image = std::move(copy);
    slot.tiles.Clear();
}

PixelWriteGuard* UndoStore::GuardFor(const AnimFrame& frame) {
    if (!open_ || slots_[index_].frame != frame.index || frame.image.get() != openImage_) return nullptr;
    return this;
}

void UndoStore::BeforeWrite(const IntRect& pictureRect) {
    if (!open_) return;
    Slot& slot = slots_[index_];
    if (!slot.whole) slot.tiles.Save(*openImage_, pictureRect);
}

std::size_t UndoStore::BytesHeld() const {
    std::size_t bytes = 0;
    for (const Slot& slot : slots_) bytes += slot.image.BlockBytes() + slot.tiles.BytesHeld();
    return bytes;
}

bool UndoStore::Undo(CAnimDoc& document) {
    if (count_ == kNone) return false;
    open_ = false;
    if (!Exchange(document, slots_[index_])) {
        // The frame is gone or reshaped behind the store's back, or the step could not
        // keep what it had to: the steps behind this one cannot be reached in order any
        // more.
        Reset();
        return false;
    }
    count_ = std::uint8_t(count_ - 1);
    index_ = index_ == 0 ? kSlots - 1 : std::uint8_t(index_ - 1);
    ++redoable_;
    return true;
}

bool UndoStore::Redo(CAnimDoc& document) {
    if (count_ == kSlots - 1 || redoable_ == 0) return false;
    open_ = false;
    const std::uint8_t ahead = NextSlot(index_);
    if (slots_[ahead].frame == kEmptyFrame) return false;
    if (!Exchange(document, slots_[ahead])) {
        Reset();
        return false;
    }
    index_ = ahead;
    count_ = std::uint8_t(count_ + 1);
    --redoable_;
    return true;
}

bool UndoStore::CanRedo() const { return redoable_ > 0 && count_ != kSlots - 1; }

void UndoStore::Reset() {
    for (Slot& slot : slots_) slot = Slot{};
    count_ = kNone;
    index_ = kNone;
    redoable_ = 0;
    open_ = false;
    openImage_ = nullptr;
}

bool UndoStore::Exchange(CAnimDoc& document, Slot& slot) {
    AnimFrame* frame = document.FindFrame(slot.frame);
    if (frame == nullptr) return false;
    // The same swap serves undo and redo: whatever the frame held goes into the slot.
    if (slot.whole) {
        if (slot.image.IsEmpty()) return false;
        std::swap(*frame->image, slot.image);
    } else if (!slot.tiles.SwapWith(*frame->image)) {
        return false;
    }
    const int frameBits = int(frame->colourMode);
    frame->colourMode = ColourModeFromBitCount(unsigned(slot.bitCount));
    slot.bitCount = frameBits;
    std::swap(frame->width, slot.width);
    std::swap(frame->height, slot.height);
    std::swap(frame->name, slot.name);
    document.ShowFrame(frame->index);
    document.FramesChanged(frame->index);
    return true;
}

void UndoStore::FrameInserted(int index) {
    for (Slot& slot : slots_)
        if (slot.frame != kEmptyFrame && slot.frame >= index) ++slot.frame;
}

void UndoStore::FrameDeleted(int index) { DropFrame(index, true); }

void UndoStore::ForgetFrame(int index) { DropFrame(index, false); }

void UndoStore::DropFrame(int index, bool renumber) {
    // An open step is the newest undo step; it stays open unless its frame went.
    const bool stillOpen = open_ && slots_[index_].frame != index;
    COXDIB* const openImage = openImage_;
    const int undoSteps = count_ == kNone ? 0 : count_ + 1;
    const int newest = index_ == kNone ? kSlots - 1 : index_;
    // Lay the live steps out again without the dropped frame's, oldest first, so that
    // undo and redo still walk them in order.
    std::vector<Slot> undo;
    std::vector<Slot> redo;
    auto keep = [index, renumber](std::vector<Slot>& into, Slot& slot) {
        if (slot.frame == index || slot.frame == kEmptyFrame) return;
        if (renumber && slot.frame > index) --slot.frame;
        into.push_back(std::move(slot));
    };
    for (int i = undoSteps - 1; i >= 0; --i) keep(undo, slots_[std::size_t((newest - i + kSlots) % kSlots)]);
    for (int i = 1; i <= redoable_; ++i) keep(redo, slots_[std::size_t((newest + i) % kSlots)]);

    Reset();
    std::size_t at = 0;
    for (Slot& slot : undo) slots_[at++] = std::move(slot);
    for (Slot& slot : redo) slots_[at++] = std::move(slot);
    if (!undo.empty()) {
        count_ = std::uint8_t(undo.size() - 1);
        index_ = std::uint8_t(undo.size() - 1);
    }
    redoable_ = int(redo.size());
    open_ = stillOpen && !undo.empty();
    openImage_ = open_ ? openImage : nullptr;
}

}  // namespace quillor
