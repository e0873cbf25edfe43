#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "tools/tool_preferences.h"

namespace quillor {

// "Spray Paint Options" (right click on the spray tool): the disc's radius, which the
// dialog calls its diameter, and the points of each spray step.
class SprayOptionsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Spray Paint Options";
    static constexpr std::string_view kDiameterLabel = "Diameter";
    static constexpr std::string_view kDensityLabel = "Density";
    static constexpr int kMinimum = preference_ranges::kSpray.minimum;
    static constexpr int kMaximum = preference_ranges::kSpray.maximum;

    std::string_view Title() const override { return kTitle; }
    void Load(const ToolPreferences& preferences);
    void Store(ToolPreferences& preferences) const;

    int Size() const { return size_; }
    void SetSize(int size);
    int Density() const { return density_; }
    void SetDensity(int density);

private:
    int size_ = 30;
    int density_ = 100;
};

}  // namespace quillor
