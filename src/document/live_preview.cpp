#include "document/live_preview.h"

#include <utility>

#include "document/anim_doc.h"

namespace quillor {

LivePreview::LivePreview(CAnimDoc& document)
    : document_(document), frameIndex_(document.CurrentFrame()), wasChanged_(document.changed) {
    if (const AnimFrame* frame = document_.FindFrame(frameIndex_)) ready_ = frame->image->CopyTo(original_);
}

LivePreview::~LivePreview() {
    if (!done_) Revert();
}

void LivePreview::Show(const Compute& compute) {
    AnimFrame* frame = document_.FindFrame(frameIndex_);
    if (!ready_ || done_ || frame == nullptr) return;
    original_.CopyTo(*frame->image);
    compute(*frame->image, original_);
    shown_ = true;
    document_.FrameRemade(frameIndex_);
}

void LivePreview::Keep() {
    if (done_) return;
    done_ = true;
    AnimFrame* frame = document_.FindFrame(frameIndex_);
    if (!ready_ || !shown_ || frame == nullptr) return;
    // The step must hold the picture from before the preview: it is put in place for
    // the moment the step copies the frame.
    std::swap(*frame->image, original_);
    document_.Undo().PushWholeFrame(document_);
    std::swap(*frame->image, original_);
    document_.SetChanged(true);
    document_.FrameRemade(frameIndex_);
}

void LivePreview::Revert() {
    if (done_) return;
    done_ = true;
    AnimFrame* frame = document_.FindFrame(frameIndex_);
    if (!ready_ || !shown_ || frame == nullptr) return;
    original_.CopyTo(*frame->image);
    document_.FrameRemade(frameIndex_);
    // A cancelled adjustment leaves the document as unsaved, or as saved, as it was.
    document_.SetChanged(wasChanged_);
}

}  // namespace quillor
