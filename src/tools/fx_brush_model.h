#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "tools/tool_preferences.h"

namespace quillor {

// "FX Brush Selection" (right click on the FX brush button): smoothing, or a tint of the
// brush's colours at one opacity or along a gradient across the brush.
class FxBrushModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "FX Brush Selection";
    static constexpr std::string_view kSmoothText = "Smooth/Blur";
    static constexpr std::string_view kTintText = "Transparency/Tint";
    static constexpr std::string_view kAllBrushText = "All brush";
    static constexpr std::array<std::string_view, 5> kDirectionTexts = {
        "Left to right", "Right to left", "Top to Bottom", "Bottom to top", "Centre outwards"};
    static constexpr std::string_view kMagnitudeLabel = "Magnitude:";
    static constexpr std::string_view kFromLabel = "From";
    static constexpr std::string_view kToLabel = "%  to";

    std::string_view Title() const override { return kTitle; }
    void Load(const ToolPreferences& preferences);
    void Store(ToolPreferences& preferences) const;

    bool Tint() const { return tint_; }
    void SetTint(bool tint) { tint_ = tint; }
    // The transparency controls apply to the tint only.
    bool TransparencyEnabled() const { return tint_; }
    bool AllBrush() const { return allBrush_; }
    void SetAllBrush() { allBrush_ = true; }
    int Direction() const { return direction_; }
    void SetDirection(int direction);
    int Opacity() const { return opacity_; }
    void SetOpacity(int percent) { opacity_ = preference_ranges::kOpacity.Clamp(percent); }
    // "%d% opaque" under the slider.
    std::string OpacityText() const { return std::to_string(opacity_) + "% opaque"; }
    int From() const { return from_; }
    void SetFrom(int percent) { from_ = preference_ranges::kPercent.Clamp(percent); }
    int To() const { return to_; }
    void SetTo(int percent) { to_ = preference_ranges::kPercent.Clamp(percent); }

private:
    bool tint_ = false;
    bool allBrush_ = true;
    int direction_ = 4;
    int opacity_ = 50;
    int from_ = 100;
    int to_ = 0;
};

}  // namespace quillor
