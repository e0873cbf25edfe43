#pragma once

#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "New Animation Sequence": how many frames a new animation starts with.
class FrameCountModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "New Animation Sequence";
    static constexpr std::string_view kPrompt =
        "Please select the number of frames in the new animation:";
    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 9999;
    static constexpr int kDefault = 5;
    static constexpr std::string_view kRefusal = "Please choose from 1 to 9999 frames.";

    std::string_view Title() const override { return kTitle; }
    // "Num of Frames" is kept as text; an empty value means the default.
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }

    // Why OK cannot close the dialog now; empty when it can.
    std::string_view Refusal() const;

private:
    int count_ = kDefault;
};

}  // namespace quillor
