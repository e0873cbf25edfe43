#pragma once

#include <array>
#include <string_view>

#include "core/colour_mode.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Convert Number of Colours": the colour mode a frame is converted to, and how colours
// are matched when there are fewer of them.
class ColourDepthModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Convert Number of Colours";
    static constexpr std::string_view kModesGroup = "Desired Number Of Colours";
    static constexpr std::string_view kMethodsGroup = "Conversion Method";
    static constexpr std::array<ColourMode, 4> kModes = {ColourMode::Mono, ColourMode::Colours16,
                                                          ColourMode::Colours256, ColourMode::TrueColour};
    static constexpr std::array<std::string_view, 4> kModeTexts = {
        "2 Colour (1-bit)", "16 Colour (4-bit)", "256 Colour (8-bit)", "True Colour (24-bit)"};
    // Methods in the order they are stored: nearest colour, 2-value dither, Floyd-Steinberg.
    static constexpr std::array<std::string_view, 3> kMethodTexts = {
        "Best colour match (no dither)", "2 Value Dither", "4 Value Dither (Floyd-Steinberg)"};
    static constexpr std::string_view kSection = "Colour Depth Change";
    static constexpr std::string_view kMethodKey = "Dither";

    explicit ColourDepthModel(ColourMode current);
    std::string_view Title() const override { return kTitle; }

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    ColourMode Current() const { return current_; }
    // The frame's own mode is no conversion and cannot be chosen.
    bool ModeEnabled(ColourMode mode) const { return mode != current_; }
    ColourMode Target() const { return target_; }
    // False, changing nothing, for the frame's own mode.
    bool SetTarget(ColourMode mode);

    // A method matters only when colours are reduced; a true-colour frame always is.
    bool MethodEnabled() const { return current_ == ColourMode::TrueColour || target_ != ColourMode::TrueColour; }
    int Method() const { return method_; }
    void SetMethod(int method);

private:
    ColourMode current_;
    ColourMode target_;
    int method_ = 0;
};

}  // namespace quillor
