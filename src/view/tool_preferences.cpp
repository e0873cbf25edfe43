#include "view/tool_preferences.h"

namespace quillor {

namespace {

constexpr char kSection[] = "Preferences";

// One table so that reading and writing can never disagree about a key.
template <typename Prefs, typename F>
void ForEachKey(Prefs& p, F&& f) {
    f("Circle Only", p.circleOnly);
    f("Square Only", p.squareOnly);
    f("Spray Size", p.spraySize);
    f("Spray Density", p.sprayDensity);
    f("Symmetry Style", p.symmetryStyle);
    f("Symmetry Points", p.symmetryPoints);
    f("Symmetry Width", p.symmetryWidth);
    f("Symmetry Height", p.symmetryHeight);
    f("Symmetry Centre X", p.symmetryCentreX);
    f("Symmetry Centre Y", p.symmetryCentreY);
    f("Magnify Fixed", p.magnifyFixed);
    f("Magnify Type", p.magnifyType);
    f("Brush Rotate Guide Only", p.brushRotateGuideOnly);
    f("Brush Anti Alias", p.brushAntiAlias);
    f("Brush Bi-linear Stretch", p.brushBilinearStretch);
    f("Animated Brush", p.animatedBrush);
    f("Black Insert", p.blackInsert);
}

}  // namespace

void ToolPreferences::Load(const SettingsStore& settings) {
    ForEachKey(*this, [&](const char* key, int& value) { value = settings.GetInt(kSection, key, value); });
}

void ToolPreferences::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    ForEachKey(*this, [&](const char* key, const int& value) { settings.SetInt(kSection, key, value); });
}

}  // namespace quillor
