#pragma once

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

class TiffSaveSettingsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "TIF Save Settings";
    static constexpr std::string_view kPrompt =
        "Please select the type of compression required (if in doubt, select none):";
    static constexpr std::string_view kChoices[3] = {
        "No compression", "JPEG compression (True Colour only)", "Macintosh PackBits"};

    std::string_view Title() const override { return kTitle; }
    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    // 0 none, 1 JPEG, 2 PackBits.
    int CompressionType() const { return compressionType_; }
    void SetCompressionType(int type);

private:
    int compressionType_ = 0;
};

}  // namespace quillor
