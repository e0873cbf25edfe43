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

void UndoStore::Push(CAnimDoc& document) {
    // The compiled image of a layered document is rebuilt from its layers; it has no
    // pixels of its own to restore.
    if (document.isLayered && document.currentFrame == 0) return;
    document.SetChanged(true);
    const AnimFrame* frame = document.FindFrame(document.currentFrame);
    if (frame == nullptr) return;
    // A slot that already holds a frame of the same shape takes the copy in place; any
    // other copy is made aside first, so a failed copy leaves every older step in place.
    const std::uint8_t next = NextSlot(index_);
    COXDIB& reused = slots_[next].image;
    COXDIB copy;
    const bool inPlace = !reused.IsEmpty() && reused.GetSize() == frame->image->GetSize() &&
                         reused.GetBitCount() == frame->image->GetBitCount();
    if (inPlace ? !frame->image->CopyInto(reused) : !frame->image->CopyTo(copy)) return;

    count_ = std::uint8_t(count_ + 1);
    index_ = next;
    if (count_ == kSlots) count_ = kSlots - 1;
    Slot& slot = slots_[index_];
    slot.frame = frame->index;
    if (!inPlace) slot.image = std::move(copy);
    slot.bitCount = int(frame->colourMode);
    slot.width = frame->width;
    slot.height = frame->height;
    slot.name = frame->name;
    // The steps that were ahead describe a history this change has replaced.
    redoable_ = 0;
}

bool UndoStore::Undo(CAnimDoc& document) {
    if (count_ == kNone) return false;
    if (!Exchange(document, slots_[index_])) {
        // The frame is gone behind the store's back: the steps behind this one cannot be
        // reached in order any more.
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
}

bool UndoStore::Exchange(CAnimDoc& document, Slot& slot) {
    AnimFrame* frame = document.FindFrame(slot.frame);
    if (frame == nullptr || slot.image.IsEmpty()) return false;
    // The same swap serves undo and redo: whatever the frame held goes into the slot.
    std::swap(*frame->image, slot.image);
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

void UndoStore::FrameDeleted(int index) {
    // Lay the live steps out again without the deleted frame's, oldest first, so that
    // undo and redo still walk them in order.
    const int undoSteps = count_ == kNone ? 0 : count_ + 1;
    const int newest = index_ == kNone ? kSlots - 1 : index_;
    std::vector<Slot> undo;
    std::vector<Slot> redo;
    auto keep = [index](std::vector<Slot>& into, Slot& slot) {
        if (slot.frame == index || slot.frame == kEmptyFrame) return;
        if (slot.frame > index) --slot.frame;
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
}

}  // namespace quillor
