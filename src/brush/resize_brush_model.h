#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Resize Brush": a new size typed (keeping the proportions when asked) or a ratio of
// the old one.
class ResizeBrushModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Resize Brush";
    static constexpr std::string_view kOldSizeLabel = "Old Size:";
    static constexpr std::string_view kOldSize = "%d x %d";
    static constexpr std::string_view kNewSizeLabel = "NewSize:";
    static constexpr std::string_view kAspectText = "Maintain A/R";
    static constexpr std::string_view kRatioLabel = "Resize ratio: 1:";
    static constexpr std::string_view kUseRatioText = "Use Ratio";
    static constexpr std::string_view kSection = "Resize Brush";
    static constexpr int kLargestSide = 65535;
    static constexpr std::string_view kSizeRefusal = "Please enter a width and a height from 1 to 65535.";
    static constexpr std::string_view kRatioRefusal =
        "Please enter a ratio that gives the brush a width and a height from 1 to 65535.";

    ResizeBrushModel(int oldWidth, int oldHeight) : oldWidth_(oldWidth), oldHeight_(oldHeight) {}
    std::string_view Title() const override { return kTitle; }
    std::optional<OkRefusal> CheckOk() const override;

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    int OldWidth() const { return oldWidth_; }
    int OldHeight() const { return oldHeight_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // With the proportions kept, typing one side works out the other.
    void TypeWidth(int width);
    void TypeHeight(int height);
    bool Aspect() const { return aspect_; }
    // Turning it on works the height out from the width.
    void SetAspect(bool on);
    const std::string& Ratio() const { return ratio_; }
    void SetRatio(std::string_view text) { ratio_ = std::string(text); }
    bool UseRatio() const { return useRatio_; }
    void SetUseRatio(bool on) { useRatio_ = on; }
    bool SizeEnabled() const { return !useRatio_; }
    bool RatioEnabled() const { return useRatio_; }

    // The size the brush is resized to: the ratio times the old size, or the typed one.
    // Nothing for a ratio that is not a number.
    std::optional<std::pair<double, double>> NewSize() const;

private:
    int oldWidth_;
    int oldHeight_;
    int width_ = 50;
    int height_ = 50;
    std::string ratio_ = "2";
    bool useRatio_ = true;
    bool aspect_ = true;
};

}  // namespace quillor
