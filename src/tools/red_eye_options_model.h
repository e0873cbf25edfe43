#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "tools/tool_preferences.h"

namespace quillor {

// "Red Eye Elimination Settings" (right click on the red-eye tool): how far red must
// dominate, and how wide the red band is, both in percent.
class RedEyeOptionsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Red Eye Elimination Settings";
    static constexpr std::string_view kSaturationLabel = "Saturation Level:";
    static constexpr std::string_view kRangeLabel = "Colour Range:";
    static constexpr std::string_view kSaturationHelp =
        "Percentage that red is allowed to dominate the other colours before it is reduced. 50% is normal.";
    static constexpr std::string_view kRangeHelp =
        "Red band width. High values cause pixels with more cyan and yellow to be reduced. 50% is normal.";
    static constexpr int kMinimum = preference_ranges::kPercent.minimum;
    static constexpr int kMaximum = preference_ranges::kPercent.maximum;

    std::string_view Title() const override { return kTitle; }
    void Load(const ToolPreferences& preferences);
    void Store(ToolPreferences& preferences) const;

    int Saturation() const { return saturation_; }
    void SetSaturation(int percent) { saturation_ = preference_ranges::kPercent.Clamp(percent); }
    int Range() const { return range_; }
    void SetRange(int percent) { range_ = preference_ranges::kPercent.Clamp(percent); }

private:
    int saturation_ = 50;
    int range_ = 50;
};

}  // namespace quillor
