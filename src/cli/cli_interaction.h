#pragma once

#include <optional>
#include <string>

#include "platform/interaction.h"

namespace quillor {

// The terminal's side of a conversation: messages go to standard error, dialogs are
// answered from the command line's options, and nothing is ever asked interactively.
class CliInteraction final : public Interaction {
public:
    // The page of a multi-page TIFF to read, counted from 1.
    int tiffPage = 1;
    // The password for protected input, when the user named a variable holding one.
    std::optional<std::string> password;
    std::string passwordVariable;

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
               MessageIcon icon) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
    bool RunDialog(DialogModel& model) override;
    void BeginWait() override {}
    void EndWait() override {}

    int MessagesShown() const { return messagesShown_; }

private:
    int messagesShown_ = 0;
};

}  // namespace quillor
