#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"

namespace quillor {

// "Search": the names of the folder's image files, one of which may be chosen or any
// name typed.
class BrowserSearchModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Search";
    static constexpr std::string_view kPrompt = "Select a file to find...";

    explicit BrowserSearchModel(std::vector<std::string> names) : names_(std::move(names)) {}

    std::string_view Title() const override { return kTitle; }
    const std::vector<std::string>& Names() const { return names_; }
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text) { text_ = std::string(text); }
    // Choosing a name from the list puts it in the text.
    void Choose(std::size_t index) {
        if (index < names_.size()) text_ = names_[index];
    }

private:
    std::vector<std::string> names_;
    std::string text_;
};

}  // namespace quillor
