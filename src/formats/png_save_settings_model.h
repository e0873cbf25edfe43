#pragma once

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

class PngSaveSettingsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "PNG Save Settings";
    static constexpr std::string_view kPrompt =
        "Please select whether to save interlaced PNG files or not:";
    static constexpr std::string_view kInterlaceLabel = "Adam7 interlaced";

    std::string_view Title() const override { return kTitle; }
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    bool Interlaced() const { return interlaced_; }
    void SetInterlaced(bool on) { interlaced_ = on; }

private:
    bool interlaced_ = false;
};

}  // namespace quillor
