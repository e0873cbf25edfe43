#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/colour_mode.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

namespace document_keys {
inline constexpr char kNewDocument[] = "New Document";
inline constexpr char kSelected[] = "Selected";
inline constexpr char kWidth[] = "Width";
inline constexpr char kHeight[] = "Height";
inline constexpr char kColours[] = "Colours";
inline constexpr char kNumOfFrames[] = "Num of Frames";
}  // namespace document_keys

// "New Image" (or "New Images" for the frames of a new animation): a size from a short
// list or typed in, and one of the four colour modes.
class NewImageModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "New Image";
    static constexpr std::string_view kAnimationTitle = "New Images";
    static constexpr int kSizeChoices = 6;
    static constexpr int kCustomSize = 5;
    static constexpr int kPresetWidths[kCustomSize] = {320, 320, 320, 640, 640};
    static constexpr int kPresetHeights[kCustomSize] = {200, 240, 256, 400, 480};
    static constexpr std::string_view kSizeLabels[kSizeChoices] = {
        "320 x 200", "320 x 240", "320 x 256", "640 x 400", "640 x 480", "Custom:"};
    static constexpr int kColourChoices = 4;
    static constexpr std::string_view kColourLabels[kColourChoices] = {
        "256 colours (8-bit)", "16 colours (4-bit)", "2 colours (1-bit)", "True colour (24-bit)"};
    static constexpr int kDefaultSize = 3;
    static constexpr std::string_view kSideRefusal =
        "Please enter a width and a height from 1 to 65535 pixels.";
    static constexpr std::string_view kTooLargeRefusal =
        "A picture of this size and colour depth is too large to create.";

    explicit NewImageModel(bool forAnimation = false) : forAnimation_(forAnimation) {}

    std::string_view Title() const override { return forAnimation_ ? kAnimationTitle : kTitle; }
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    // 0 to 4 the sizes in kSizeLabels, 5 the typed size. Anything else is the default.
    int SizeChoice() const { return sizeChoice_; }
    void SetSizeChoice(int choice);
    // The width and height edits only take input for the typed size.
    bool CustomSizeEnabled() const { return sizeChoice_ == kCustomSize; }
    const std::string& WidthText() const { return widthText_; }
    const std::string& HeightText() const { return heightText_; }
    // Digits only, at most five of them, as the edit boxes allow.
    void SetWidthText(std::string_view text);
    void SetHeightText(std::string_view text);

    // 0 256 colours, 1 16 colours, 2 two colours, 3 true colour.
    int ColourChoice() const { return colourChoice_; }
    void SetColourChoice(int choice);

    int Width() const;
    int Height() const;
    // Depth of the blank picture: 2- and 16-colour pictures are held at 8 bits.
    std::uint16_t BitCount() const { return colourChoice_ == 3 ? 24 : 8; }
    ColourMode Mode() const;

    // Why OK cannot close the dialog now; empty when it can.
    std::string_view Refusal() const;

private:
    bool forAnimation_;
    int sizeChoice_ = kDefaultSize;
    std::string widthText_;
    std::string heightText_;
    int colourChoice_ = 0;
};

}  // namespace quillor
