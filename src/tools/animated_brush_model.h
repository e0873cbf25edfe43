#pragma once

#include <array>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Animated Brush Settings": how many frames an animated grab takes, and when a brush
// of several frames moves on to its next one.
class AnimatedBrushModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Animated Brush Settings";
    static constexpr std::string_view kDepthLabel = "Animated brush frame depth:";
    static constexpr std::array<std::string_view, 3> kControlTexts = {
        "Advance image number whilst pasting", "Advance image number after paste", "Manual image number control"};
    static constexpr std::string_view kSection = "Anim Brush";

    // `documentFrames`: the frames of the document (0 or 1 for a single picture).
    explicit AnimatedBrushModel(int documentFrames) : largest_(documentFrames > 1 ? documentFrames : 1) {}
    std::string_view Title() const override { return kTitle; }
    void Load(const SettingsStore& settings);
    // Writes the frames under "Requested Size" and "Size", and the control type.
    void Store(SettingsStore& settings) const;

    int Largest() const { return largest_; }
    int Frames() const { return frames_; }
    // Kept within 1 to the document's frames.
    void SetFrames(int frames);
    int Control() const { return control_; }
    void SetControl(int control);

private:
    int largest_;
    int frames_ = 1;
    int control_ = 0;
};

}  // namespace quillor
