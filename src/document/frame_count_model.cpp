#include "document/frame_count_model.h"

#include <string>

#include "document/new_image_model.h"
#include "formats/edit_text.h"

namespace quillor {

using namespace document_keys;

void FrameCountModel::Load(const SettingsStore& settings) {
    const std::string text = settings.GetString(kNewDocument, kNumOfFrames);
    count_ = text.empty() ? kDefault : EditInteger(text);
}

void FrameCountModel::Store(SettingsStore& settings) const {
    settings.SetString(kNewDocument, kNumOfFrames, std::to_string(count_));
}

std::string_view FrameCountModel::Refusal() const {
    // Without frames there would be nothing to show or edit.
    if (count_ < kMinimum || count_ > kMaximum) return kRefusal;
    return {};
}

}  // namespace quillor
