#pragma once

#include <string>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

class JpegSaveSettingsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "JPG Save Settings";
    static constexpr std::string_view kQualityLabel = "Image quality:";
    static constexpr std::string_view kPercent = "%";
    static constexpr std::string_view kProgressiveLabel = "Progressive";
    static constexpr std::size_t kQualityMaxChars = 3;
    static constexpr int kMinQuality = 1;
    static constexpr int kMaxQuality = 100;

    std::string_view Title() const override { return kTitle; }
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    const std::string& QualityText() const { return qualityText_; }
    void SetQualityText(std::string_view text);
    // What the save will use: the edit's value within the range JPEG quality has.
    int Quality() const;
    bool Progressive() const { return progressive_; }
    void SetProgressive(bool on) { progressive_ = on; }

private:
    std::string qualityText_ = "100";
    bool progressive_ = false;
};

}  // namespace quillor
