#include "cli/cli_interaction.h"

#include <cstdio>

#include "formats/password_prompt_model.h"
#include "formats/tiff_page_model.h"

namespace quillor {

void CliInteraction::ShowMessage(std::string_view text, std::string_view title, MessageIcon) {
    ++messagesShown_;
    std::fprintf(stderr, "quillor: %.*s: %.*s\n", int(title.size()), title.data(), int(text.size()),
                 text.data());
}

Answer CliInteraction::Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
                           MessageIcon icon) {
    // Nothing on the command line waits for an answer; a question is declined.
    ShowMessage(text, title, icon);
    return buttons == QuestionButtons::OkCancel ? Answer::Cancel : Answer::No;
}

std::optional<std::string> CliInteraction::ChooseFileToOpen(const FileDialogRequest&) {
    return std::nullopt;
}
std::optional<std::string> CliInteraction::ChooseFileToSave(const FileDialogRequest&) {
    return std::nullopt;
}

bool CliInteraction::RunDialog(DialogModel& model) {
    if (auto* page = dynamic_cast<TiffPageModel*>(&model)) {
        page->SetPageText(std::to_string(tiffPage));
        if (page->Page() != tiffPage)
            std::fprintf(stderr, "quillor: the file has %d pages; reading page %d\n",
                         page->PageCount(), page->Page());
        return true;
    }
    if (auto* prompt = dynamic_cast<PasswordPromptModel*>(&model)) {
        if (!password) {
            std::fprintf(stderr,
                         "quillor: '%s' is protected by a password; put it in an environment "
                         "variable and name that with --password-env VAR\n",
                         prompt->Path().c_str());
            return false;
        }
        prompt->SetPassword(*password);
        return true;
    }
    // Save settings dialogs: the options already put their values into the settings the
    // dialog shows, so accepting it keeps them.
    return true;
}

}  // namespace quillor
