#include "tools/animated_brush_model.h"

#include <algorithm>

namespace quillor {

void AnimatedBrushModel::Load(const SettingsStore& settings) {
    SetFrames(settings.GetInt(kSection, "Requested size", 1));
    SetControl(settings.GetInt(kSection, "Control Type", 0));
}

void AnimatedBrushModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetInt(kSection, "Requested Size", frames_);
    settings.SetInt(kSection, "Size", frames_);
    settings.SetInt(kSection, "Control Type", control_);
}

void AnimatedBrushModel::SetFrames(int frames) { frames_ = std::clamp(frames, 1, largest_); }

void AnimatedBrushModel::SetControl(int control) { control_ = std::clamp(control, 0, 2); }

}  // namespace quillor
