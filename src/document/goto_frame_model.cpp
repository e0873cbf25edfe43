#include "document/goto_frame_model.h"

#include <algorithm>
#include <charconv>

#include "core/text_trim.h"
#include "document/anim_doc.h"

namespace quillor {

GotoFrameModel::GotoFrameModel(int frameCount, int number)
    : frameCount_(std::max(frameCount, 1)), text_(std::to_string(number)) {}

void GotoFrameModel::Spin(int steps) {
    // A field that holds no number spins from the first frame.
    const long long from = Number().value_or(1);
    text_ = std::to_string(std::clamp<long long>(from + steps, 1, frameCount_));
}

std::optional<int> GotoFrameModel::Number() const {
    const std::string_view text = TrimBlanks(text_);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<OkRefusal> GotoFrameModel::CheckOk() const {
    const std::optional<int> number = Number();
    if (number && *number >= 1 && *number <= frameCount_) return std::nullopt;
    return OkRefusal{"Please enter a frame number from 1 to " + std::to_string(frameCount_) + ".",
                     std::string(kTitle), MessageIcon::Information};
}

std::optional<int> AskGotoFrame(CAnimDoc& document, Interaction& ui) {
    GotoFrameModel model(document.HeldFrames(), document.CurrentFrame() + 1);
    if (!RunCheckedDialog(ui, model)) return std::nullopt;
    return *model.Number() - 1;
}

}  // namespace quillor
