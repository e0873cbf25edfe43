#include "view/spray_options_model.h"

#include <algorithm>

namespace quillor {

void SprayOptionsModel::Load(const ToolPreferences& preferences) {
    SetSize(preferences.spraySize);
    SetDensity(preferences.sprayDensity);
}

void SprayOptionsModel::Store(ToolPreferences& preferences) const {
    preferences.spraySize = size_;
    preferences.sprayDensity = density_;
}

void SprayOptionsModel::SetSize(int size) { size_ = std::clamp(size, kMinimum, kMaximum); }
void SprayOptionsModel::SetDensity(int density) { density_ = std::clamp(density, kMinimum, kMaximum); }

}  // namespace quillor
