#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "paint/symmetry.h"
#include "tools/tool_preferences.h"

namespace quillor {

// "Symmetry Options" (right click on the symmetry button): the style, the copies around
// the centre and the tile size. "Centre" stores them like OK and then asks for the tool
// that places the centre with the next click.
class SymmetryOptionsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Symmetry Options";
    static constexpr int kStyles = 3;
    // In SymmetryStyle order.
    static constexpr std::string_view kStyleLabels[kStyles] = {"Cyclic", "Mirrored Cyclic", "Tile"};
    static constexpr std::string_view kPointsLabel = "Points:";
    static constexpr std::string_view kWidthLabel = "Width:";
    static constexpr std::string_view kHeightLabel = "Height:";
    static constexpr std::string_view kCentreButton = "Centre";
    static constexpr int kMinPoints = preference_ranges::kSymmetryPoints.minimum;
    static constexpr int kMaxPoints = preference_ranges::kSymmetryPoints.maximum;
    static constexpr int kMinSide = preference_ranges::kSymmetrySide.minimum;
    static constexpr int kMaxSide = preference_ranges::kSymmetrySide.maximum;

    std::string_view Title() const override { return kTitle; }
    void Load(const ToolPreferences& preferences);
    // Style, points, width and height; the centre is the centre tool's to set.
    void Store(ToolPreferences& preferences) const;

    SymmetryStyle Style() const { return style_; }
    void SetStyle(SymmetryStyle style) { style_ = style; }
    int Points() const { return points_; }
    void SetPoints(int points);
    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);

    // The "Centre" button: the dialog closes as with OK, and the caller, having stored
    // the values, installs the symmetry-centre tool.
    void PressCentre() { centreRequested_ = true; }
    bool CentreRequested() const { return centreRequested_; }

private:
    SymmetryStyle style_ = SymmetryStyle::MirroredCyclic;
    int points_ = 6;
    int width_ = 320;
    int height_ = 200;
    bool centreRequested_ = false;
};

}  // namespace quillor
