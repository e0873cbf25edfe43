#include "tools/symmetry_options_model.h"

namespace quillor {

void SymmetryOptionsModel::Load(const ToolPreferences& preferences) {
    const int style = preferences.symmetryStyle;
    style_ = style >= 0 && style < kStyles ? SymmetryStyle(style) : SymmetryStyle::MirroredCyclic;
    SetPoints(preferences.symmetryPoints);
    SetWidth(preferences.symmetryWidth);
    SetHeight(preferences.symmetryHeight);
}

void SymmetryOptionsModel::Store(ToolPreferences& preferences) const {
    preferences.symmetryStyle = int(style_);
    preferences.symmetryPoints = points_;
    preferences.symmetryWidth = width_;
    preferences.symmetryHeight = height_;
}

void SymmetryOptionsModel::SetPoints(int points) {
    points_ = preference_ranges::kSymmetryPoints.Clamp(points);
}
void SymmetryOptionsModel::SetWidth(int width) { width_ = preference_ranges::kSymmetrySide.Clamp(width); }
void SymmetryOptionsModel::SetHeight(int height) { height_ = preference_ranges::kSymmetrySide.Clamp(height); }

}  // namespace quillor
