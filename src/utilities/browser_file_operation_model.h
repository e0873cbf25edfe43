#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

// "File Operation": asks for the new name of a file being renamed or copied.
class BrowserFileOperationModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "File Operation";

    // `prompt` is the question ("Rename a.bmp as:"); the text starts as `name`.
    BrowserFileOperationModel(std::string prompt, std::string name)
        : prompt_(std::move(prompt)), text_(std::move(name)) {}

    std::string_view Title() const override { return kTitle; }
    const std::string& Prompt() const { return prompt_; }
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text) { text_ = std::string(text); }

private:
    std::string prompt_;
    std::string text_;
};

}  // namespace quillor
