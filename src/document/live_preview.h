#pragma once

#include <functional>

#include "core/coxdib.h"

namespace quillor {

class CAnimDoc;

// The frame as it was when an adjustment dialog opened, so that every slider move is
// computed from the untouched picture, Cancel puts it back byte for byte, and OK leaves
// one undo step that returns to it.
class LivePreview {
public:
    explicit LivePreview(CAnimDoc& document);
    ~LivePreview();
    LivePreview(const LivePreview&) = delete;
    LivePreview& operator=(const LivePreview&) = delete;

    // False when the frame could not be copied; nothing may be previewed then.
    bool Ready() const { return ready_; }

    // Restores the frame from the copy, lets `compute` change it, and shows it.
    using Compute = std::function<void(COXDIB& frame, const COXDIB& original)>;
    void Show(const Compute& compute);
    // Keeps what is shown, as one step back to the original.
    void Keep();
    // Puts the original back. A preview neither kept nor reverted is reverted when it
    // ends, so no half-made adjustment outlives its dialog.
    void Revert();

private:
    CAnimDoc& document_;
    int frameIndex_;
    COXDIB original_;
    bool wasChanged_;
    bool ready_ = false;
    bool shown_ = false;
    bool done_ = false;
};

}  // namespace quillor
