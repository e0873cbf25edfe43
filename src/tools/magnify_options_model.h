#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "tools/magnify.h"
#include "tools/tool_preferences.h"

namespace quillor {

// "Magnification Options" (right click on the magnify tool): how the magnify tool and
// the zoom commands step the zoom. OK stores the choice and the fixed factor; the caller
// then selects the magnify tool.
class MagnifyOptionsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Magnification Options";
    static constexpr int kChoices = 8;
    // In MagnifyType order.
    static constexpr std::string_view kChoiceLabels[kChoices] = {
        "Magnify X 2",  "Magnify X 3",  "Magnify X 4", "Magnify X 8",
        "Magnify X 16", "Magnify X 32", "Magnify X",   "Variable Magnification"};
    static constexpr std::string_view kFixedGroup = "Fixed Magnification";
    static constexpr int kMinFixed = preference_ranges::kMagnifyFixed.minimum;
    static constexpr int kMaxFixed = preference_ranges::kMagnifyFixed.maximum;
    static_assert(kMaxFixed == int(kMaxZoom));

    std::string_view Title() const override { return kTitle; }
    void Load(const ToolPreferences& preferences);
    void Store(ToolPreferences& preferences) const;

    MagnifyType Type() const { return type_; }
    void SetType(MagnifyType type) { type_ = type; }
    int Fixed() const { return fixed_; }
    void SetFixed(int factor);
    // The factor only counts for "Magnify X".
    bool FixedEnabled() const { return type_ == MagnifyType::Fixed; }

private:
    MagnifyType type_ = MagnifyType::Variable;
    int fixed_ = 5;
};

}  // namespace quillor
