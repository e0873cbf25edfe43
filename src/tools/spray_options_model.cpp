#include "tools/spray_options_model.h"

namespace quillor {

void SprayOptionsModel::Load(const ToolPreferences& preferences) {
    SetSize(preferences.spraySize);
    SetDensity(preferences.sprayDensity);
}

void SprayOptionsModel::Store(ToolPreferences& preferences) const {
    preferences.spraySize = size_;
    preferences.sprayDensity = density_;
}

void SprayOptionsModel::SetSize(int size) { size_ = preference_ranges::kSpray.Clamp(size); }
void SprayOptionsModel::SetDensity(int density) { density_ = preference_ranges::kSpray.Clamp(density); }

}  // namespace quillor
