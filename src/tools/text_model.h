#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "tools/text_brush.h"

namespace quillor {

// The text dialog (choosing the text tool, or a right click on it): the text, a font
// family from those installed, a size from 8 to 72 pixels and the style, with a sample.
class TextModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Text";
    static constexpr std::string_view kSection = "Text";
    static constexpr std::string_view kSample = "AaBbCcDdEeFfGg";
    static constexpr std::string_view kNoTextMessage = "Please input some text.";
    static constexpr std::string_view kNoTextTitle = "No Text";
    static constexpr std::string_view kAntiAliasText = "&Anti-alias";
    static constexpr int kSmallest = 8;
    static constexpr int kLargest = 72;

    explicit TextModel(std::vector<std::string> families) : families_(std::move(families)) {}
    std::string_view Title() const override { return kTitle; }
    std::optional<OkRefusal> CheckOk() const override;

    void Load(const SettingsStore& settings);
    void Store(SettingsStore& settings) const;

    const std::vector<std::string>& Families() const { return families_; }
    int Family() const { return family_; }
    void SetFamily(int index);
    // Sizes are listed from 8 up: index 0 is 8 pixels.
    int SizeIndex() const { return sizeIndex_; }
    void SetSizeIndex(int index);
    int PixelSize() const { return kSmallest + sizeIndex_; }
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    bool antiAlias = true;

    // The style the text and its sample are drawn in.
    TextStyle Style() const;

private:
    std::vector<std::string> families_;
    int family_ = 0;
    int sizeIndex_ = 12;
    std::string text_;
};

}  // namespace quillor
