// What the animation verbs share: a document environment for the terminal, and opening
// a script so that any frame it could not read fails the verb.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/cli_interaction.h"
#include "document/anim_doc.h"
#include "document/avi_load_options_model.h"
#include "document/avi_save_settings_model.h"
#include "document/file_exists_model.h"

namespace quillor {

// The terminal's answers, with one difference: once the user has allowed files to be
// replaced (--overwrite), a save's "already exists" questions are answered yes rather
// than declined.
class CliDocumentUi final : public Interaction {
public:
    explicit CliDocumentUi(CliInteraction& terminal) : terminal_(terminal) {}
    bool replaceFiles = false;
    // A verb answers its own dialogs here first; nothing means the dialog is not its.
    std::function<std::optional<bool>(DialogModel&)> answerDialog;
    // The answer to a save-file dialog, when the verb names the file.
    std::optional<std::string> saveFile;

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon icon) override {
        // The advice before the compressor choice is for the window, where the user
        // picks one; on the command line the option has chosen it.
        if (text == AviSaveSettingsModel::kCautionText) return;
        terminal_.ShowMessage(text, title, icon);
    }
    Answer Ask(std::string_view text, std::string_view title, QuestionButtons buttons,
               MessageIcon icon) override {
        if (replaceFiles && buttons != QuestionButtons::OkCancel) return Answer::Yes;
        return terminal_.Ask(text, title, buttons, icon);
    }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& r) override {
        return terminal_.ChooseFileToOpen(r);
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& r) override {
        return saveFile ? saveFile : terminal_.ChooseFileToSave(r);
    }
    bool RunDialog(DialogModel& model) override {
        if (answerDialog)
            if (std::optional<bool> answer = answerDialog(model)) return *answer;
        // A movie is read whole, as a script is.
        if (auto* movie = dynamic_cast<AviLoadOptionsModel*>(&model)) {
            for (std::size_t i = 0; i < movie->Items().size(); ++i) movie->Select(i, true);
            return true;
        }
        if (auto* exists = dynamic_cast<FileExistsModel*>(&model)) {
            exists->SetReply(replaceFiles ? FileExistsModel::Reply::YesToAll : FileExistsModel::Reply::Cancel);
            return true;
        }
        return terminal_.RunDialog(model);
    }
    void BeginWait() override {}
    void EndWait() override {}

private:
    CliInteraction& terminal_;
};

// A document's view of the program when there is no program around it: no recent files,
// no clipboard or brushes, settings kept in memory only (the user's own are neither read
// nor changed), and no current folder, so a script's relative names are looked for
// beside the script alone.
class CliDocumentEnvironment final : public DocumentEnvironment {
public:
    CliInteraction terminal;
    CliDocumentUi ui{terminal};
    SettingsStore settings;

    Interaction& Ui() override { return ui; }
    SettingsStore& Settings() override { return settings; }
    void AddRecentFile(const std::string&) override {}
    int NextUntitledImage() override { return ++untitled_; }
    int NextUntitledAnimation() override { return ++untitled_; }
    const AnimFrame* ActiveFrame() override { return nullptr; }
    std::optional<BrushPicture> GrabbedBrush(bool) override { return std::nullopt; }
    std::optional<ClipboardBitmap> ClipboardImage() override { return std::nullopt; }
    bool FirstClipboardPaste() override { return false; }
    std::string CurrentFolder() override { return {}; }
    void SetCurrentFolder(const std::string&) override {}
    MillisecondClock& Clock() override { return clock_; }

private:
    int untitled_ = 0;
    SteadyMillisecondClock clock_;
};

// Opens an animation or layered script. The window program carries on with a blank in
// place of a frame it could not read; a verb that wrote files from such a document would
// pass the blank off as the picture, so any message while opening fails it.
bool OpenScriptDocument(CAnimDoc& document, CliDocumentEnvironment& environment, const std::string& path);

}  // namespace quillor
