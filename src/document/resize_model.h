#pragma once

#include <array>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Resize/Crop": a new size for every frame, reached by rescaling the picture or by
// cutting it out of (or placing it in) a canvas of that size.
class ResizeModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Resize/Crop";
    static constexpr std::string_view kOldSizeLabel = "Old Size:";
    static constexpr std::string_view kOldSize = "%d x %d";
    static constexpr std::string_view kNewSizeLabel = "NewSize:";
    static constexpr std::string_view kOffsetLabel = "Crop offset: (";
    static constexpr std::string_view kOffsetComma = ",";
    static constexpr std::string_view kOffsetEnd = ")";
    static constexpr std::string_view kAspectText = "Maintain aspect ratio";
    static constexpr std::string_view kBilinearText = "Use Bi-linear Filter";
    static constexpr std::string_view kRescaleText = "Resize image to fit frame";
    static constexpr std::array<std::string_view, 9> kAnchorTips = {
        "Position at top left",    "Position at top centre",    "Position at top right",
        "Position at centre left", "Position at centre",        "Position at centre right",
        "Position at bottom left", "Position at bottom centre", "Position at bottom right"};
    static constexpr std::string_view kSection = "Resize";
    static constexpr std::string_view kWidthKey = "Size X";
    static constexpr std::string_view kHeightKey = "Size Y";
    static constexpr std::string_view kOffsetXKey = "Offset X";
    static constexpr std::string_view kOffsetYKey = "Offset Y";
    static constexpr std::string_view kRescaleKey = "Resize Image";
    static constexpr std::string_view kRescaleWrittenKey = "Resize image";
    static constexpr std::string_view kAspectKey = "Aspect Ratio";
    static constexpr std::string_view kBilinearKey = "Use Bi-linear Filter";
    static constexpr int kLargestSide = 65535;
    static constexpr std::string_view kSizeRefusal = "Please enter a width and a height from 1 to 65535.";

    ResizeModel(int oldWidth, int oldHeight);
    std::string_view Title() const override { return kTitle; }
    std::optional<OkRefusal> CheckOk() const override;

    void Load(const SettingsStore& settings);
    // Written when the dialog closes either way, as the next opening starts from it.
    void Store(SettingsStore& settings) const;

    int OldWidth() const { return oldWidth_; }
    int OldHeight() const { return oldHeight_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Typed sizes: with the aspect ratio kept, the other side follows.
    void TypeWidth(int width);
    void TypeHeight(int height);

    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    void SetOffsetX(int x) { offsetX_ = x; }
    void SetOffsetY(int y) { offsetY_ = y; }
    // Anchors count from 0 (top left) to 8 (bottom right), row by row.
    void Anchor(int anchor);

    bool Aspect() const { return aspect_; }
    // Checking the box brings the height into line with the width at once.
    void SetAspect(bool on);
    bool Bilinear() const { return bilinear_; }
    void SetBilinear(bool on) { bilinear_ = on; }
    bool Rescale() const { return rescale_; }
    void SetRescale(bool on) { rescale_ = on; }

    bool CropEnabled() const { return !rescale_; }
    bool BilinearEnabled() const { return rescale_; }

private:
    int oldWidth_;
    int oldHeight_;
    int width_ = 640;
    int height_ = 480;
    int offsetX_ = 0;
    int offsetY_ = 0;
    bool rescale_ = true;
    bool aspect_ = true;
    bool bilinear_ = true;
};

}  // namespace quillor
