#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "tools/tool_preferences.h"

namespace quillor {

// "Square Tools" and "Circle Tools" (right click on a square or circle tool): whether
// the band keeps equal sides (style 0) or follows the pointer freely (style 1).
class ShapeStyleModel final : public DialogModel {
public:
    enum class Family { Squares, Circles };

    static constexpr std::string_view kSquareTitle = "Square Tools";
    static constexpr std::string_view kCircleTitle = "Circle Tools";
    static constexpr int kChoices = 2;
    static constexpr std::string_view kSquareLabels[kChoices] = {"Square only", "Rectangle"};
    static constexpr std::string_view kCircleLabels[kChoices] = {"Circle only", "Elipse"};

    explicit ShapeStyleModel(Family family);

    std::string_view Title() const override {
        return family_ == Family::Squares ? kSquareTitle : kCircleTitle;
    }
    std::string_view Label(int choice) const;
    Family ShapeFamily() const { return family_; }

    void Load(const ToolPreferences& preferences);
    void Store(ToolPreferences& preferences) const;

    int Style() const { return style_; }
    // 0 or 1; anything else leaves the style as it was.
    void SetStyle(int style);

private:
    Family family_;
    int style_;
};

}  // namespace quillor
