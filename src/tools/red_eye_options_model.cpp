#include "tools/red_eye_options_model.h"

namespace quillor {

void RedEyeOptionsModel::Load(const ToolPreferences& preferences) {
    SetSaturation(preferences.redEyeSaturation);
    SetRange(preferences.redEyeRange);
}

void RedEyeOptionsModel::Store(ToolPreferences& preferences) const {
    preferences.redEyeSaturation = saturation_;
    preferences.redEyeRange = range_;
}

}  // namespace quillor
