#pragma once

#include <string>

#include "platform/interaction.h"

namespace quillor {

// "Password": asked for when a protected PAX or TLA file is opened.
class PasswordPromptModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Password";
    static constexpr std::string_view kPrompt =
        "A password is required to access this file. Please enter the password:";

    explicit PasswordPromptModel(std::string path) : path_(std::move(path)) {}

    std::string_view Title() const override { return kTitle; }
    const std::string& Path() const { return path_; }
    const std::string& Password() const { return password_; }
    void SetPassword(std::string_view text) { password_ = text; }

private:
    std::string path_;
    std::string password_;
};

}  // namespace quillor
