#include "document/frame_name_model.h"

#include <algorithm>
#include <utility>

#include "document/anim_doc.h"

namespace quillor {

FrameNameModel::FrameNameModel(std::string name, std::vector<std::string> otherNames)
    : name_(std::move(name)), otherNames_(std::move(otherNames)) {}

std::optional<OkRefusal> FrameNameModel::CheckOk() const {
    if (name_.empty()) return OkRefusal{std::string(kEmpty), std::string(kRefusalTitle), MessageIcon::Exclamation};
    if (std::find(otherNames_.begin(), otherNames_.end(), name_) != otherNames_.end())
        return OkRefusal{std::string(kTaken), std::string(kRefusalTitle), MessageIcon::Exclamation};
    return std::nullopt;
}

bool ChangeFrameName(CAnimDoc& document, Interaction& ui) {
    AnimFrame* frame = document.FindFrame(document.CurrentFrame());
    if (frame == nullptr) return false;
    std::vector<std::string> others;
    for (const auto& other : document.Frames())
        if (other.get() != frame) others.push_back(other->name);
    FrameNameModel model(frame->name, std::move(others));
    if (!RunCheckedDialog(ui, model) || model.Name() == frame->name) return false;
    frame->name = model.Name();
    // The name is written into the script and names the frame's file: a change to save.
    document.SetChanged(true);
    document.ShowFrame(frame->index);
    return true;
}

}  // namespace quillor
