#include "document/colour_depth_model.h"

#include <algorithm>

namespace quillor {

ColourDepthModel::ColourDepthModel(ColourMode current)
    : current_(current),
      target_(current == ColourMode::TrueColour ? ColourMode::Colours256 : ColourMode::TrueColour) {}

void ColourDepthModel::Load(const SettingsStore& settings) {
    SetMethod(settings.GetInt(kSection, kMethodKey, 0));
}

void ColourDepthModel::Store(SettingsStore& settings) const { settings.SetInt(kSection, kMethodKey, method_); }

bool ColourDepthModel::SetTarget(ColourMode mode) {
    if (!ModeEnabled(mode)) return false;
    target_ = mode;
    return true;
}

// A stored value from another version or a hand-edited file must not pick a method that
// does not exist.
void ColourDepthModel::SetMethod(int method) { method_ = std::clamp(method, 0, int(kMethodTexts.size()) - 1); }

}  // namespace quillor
