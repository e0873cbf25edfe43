// Copying and removing frames of an animation.

#include <algorithm>

#include "document/anim_doc.h"

namespace quillor {

namespace {

constexpr std::string_view kCopyMark = "_Copy";

// The name of a copy of a frame called `name`. Only the file name is looked at: a
// folder called "x_Copy" or "v1.2" says nothing about the frame.
std::string CopyName(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::size_t fileStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t mark = name.find(kCopyMark, fileStart);
    if (mark == std::string::npos) {
        const std::size_t dot = name.find_last_of('.');
        const std::size_t stem = dot == std::string::npos || dot < fileStart ? name.size() : dot;
        return name.substr(0, stem) + std::string(kCopyMark) + ".bmp";
    }
    const std::size_t digits = mark + kCopyMark.size();
    std::uint64_t k = 0;
    std::size_t i = digits;
    // Long runs of digits stop counting rather than wrap.
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i)
        if (k < 1'000'000'000) k = k * 10 + std::uint64_t(name[i] - '0');
    const std::uint64_t next = std::max<std::uint64_t>(k + 1, 2);
    return name.substr(0, digits) + std::to_string(next) + ".bmp";
}

}  // namespace

bool CAnimDoc::InsertFrameCopy(int index) {
    AnimFrame* source = FindFrame(index);
    if (source == nullptr) return false;
    auto copy = std::make_unique<AnimFrame>();
    if (!source->image->IsEmpty() && !source->image->CopyTo(*copy->image)) return false;
    copy->colourMode = source->colourMode;
    copy->width = source->width;
    copy->height = source->height;
    copy->name = CopyName(source->name);
    for (const auto& frame : frames_)
        if (frame->index > index) ++frame->index;
    copy->index = index + 1;
    frames_.push_back(std::move(copy));
    ++frameCount;
    ++rangeEnd;
    undo_.FrameInserted(index + 1);
    if (currentFrame_ > index) ++currentFrame_;
    observers_.ForEach([this](DocumentObserver& o) { o.OnFrameListChanged(*this); });
    FramesChanged(index + 1);
    return true;
}

bool CAnimDoc::DeleteFrame(int index) {
    const auto it = std::find_if(frames_.begin(), frames_.end(),
                                 [index](const auto& frame) { return frame->index == index; });
    if (it == frames_.end() || frames_.size() < 2) return false;
    frames_.erase(it);
    for (const auto& frame : frames_)
        if (frame->index > index) --frame->index;
    // The frame being edited stays the same picture where it can, and is never left
    // past the end.
    if (currentFrame_ > index || currentFrame_ >= int(frames_.size())) --currentFrame_;
    if (displayedFrame_ >= int(frames_.size())) displayedFrame_ = -1;
    frameCount = std::uint32_t(frames_.size());
    rangeEnd = int(frameCount);
    rangeStart = std::clamp(rangeStart, 1, rangeEnd);
    playPosition = std::clamp(playPosition, 1, rangeEnd);
    undo_.FrameDeleted(index);
    observers_.ForEach([this](DocumentObserver& o) { o.OnFrameListChanged(*this); });
    FramesChanged(-1);
    return true;
}

}  // namespace quillor
