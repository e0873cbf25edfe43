#include "tools/tool_preferences.h"

namespace quillor {

namespace {

constexpr char kSection[] = "Preferences";

// One table so that reading, writing and the ranges can never disagree about a key.
template <typename Prefs, typename F>
void ForEachKey(Prefs& p, F&& f) {
    using namespace preference_ranges;
    f("Circle Only", p.circleOnly, kFlag);
    f("Square Only", p.squareOnly, kFlag);
    f("Spray Size", p.spraySize, kSpray);
    f("Spray Density", p.sprayDensity, kSpray);
    f("Symmetry Style", p.symmetryStyle, kSymmetryStyle);
    f("Symmetry Points", p.symmetryPoints, kSymmetryPoints);
    f("Symmetry Width", p.symmetryWidth, kSymmetrySide);
    f("Symmetry Height", p.symmetryHeight, kSymmetrySide);
    f("Symmetry Centre X", p.symmetryCentreX, kSymmetryCentre);
    f("Symmetry Centre Y", p.symmetryCentreY, kSymmetryCentre);
    f("Magnify Fixed", p.magnifyFixed, kMagnifyFixed);
    f("Magnify Type", p.magnifyType, kMagnifyType);
    f("Brush Rotate Guide Only", p.brushRotateGuideOnly, kFlag);
    f("Brush Anti Alias", p.brushAntiAlias, kFlag);
    f("Brush Bi-linear Stretch", p.brushBilinearStretch, kFlag);
    f("Animated Brush", p.animatedBrush, kFlag);
    f("FX Type", p.fxType, kFxType);
    f("FX Opacity", p.fxOpacity, kOpacity);
    f("Controlled Type", p.fxControlledType, kControlledType);
    f("Transparency Mode", p.fxTransparencyMode, kFlag);
    f("Controlled Transparency From", p.fxFrom, kPercent);
    f("Controlled Transparency To", p.fxTo, kPercent);
    f("Black Insert", p.blackInsert, kFlag);
    f("Red Eye Saturation Level", p.redEyeSaturation, kPercent);
    f("Red Eye Colour Range", p.redEyeRange, kPercent);
}

}  // namespace

void ToolPreferences::Load(const SettingsStore& settings) {
    ForEachKey(*this, [&](const char* key, int& value, PreferenceRange range) {
        value = range.Clamp(settings.GetInt(kSection, key, value));
    });
}

void ToolPreferences::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    ForEachKey(*this, [&](const char* key, const int& value, PreferenceRange) {
        settings.SetInt(kSection, key, value);
    });
}

void ToolPreferences::Clamp() {
    ForEachKey(*this, [](const char*, int& value, PreferenceRange range) { value = range.Clamp(value); });
}

}  // namespace quillor
