#include "app/window_placement.h"

namespace quillor {

namespace {
constexpr char kSection[] = "Last Window Size";
}

void WindowPlacement::Load(const SettingsStore& settings) {
    maximised = settings.GetInt(kSection, "Maximised", 0) != 0;
    left = settings.GetInt(kSection, "Left", 0);
    top = settings.GetInt(kSection, "Top", 0);
    right = settings.GetInt(kSection, "Right", 0);
    bottom = settings.GetInt(kSection, "Bottom", 0);
}

void WindowPlacement::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetInt(kSection, "Maximised", maximised ? 1 : 0);
    settings.SetInt(kSection, "Left", left);
    settings.SetInt(kSection, "Top", top);
    settings.SetInt(kSection, "Right", right);
    settings.SetInt(kSection, "Bottom", bottom);
}

}  // namespace quillor
