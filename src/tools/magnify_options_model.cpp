#include "tools/magnify_options_model.h"

namespace quillor {

void MagnifyOptionsModel::Load(const ToolPreferences& preferences) {
    const int type = preferences.magnifyType;
    type_ = type >= 0 && type < kChoices ? MagnifyType(type) : MagnifyType::Variable;
    SetFixed(preferences.magnifyFixed);
}

void MagnifyOptionsModel::Store(ToolPreferences& preferences) const {
    preferences.magnifyType = int(type_);
    preferences.magnifyFixed = fixed_;
}

void MagnifyOptionsModel::SetFixed(int factor) { fixed_ = preference_ranges::kMagnifyFixed.Clamp(factor); }

}  // namespace quillor
