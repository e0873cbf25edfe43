#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "document/document_environment.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor::bench {

// A user who never answers: messages go to standard error, dialogs are cancelled and
// questions declined, so a benchmark never waits on anyone.
class SilentInteraction final : public Interaction {
public:
    void ShowMessage(std::string_view text, std::string_view title, MessageIcon) override {
        std::fprintf(stderr, "%.*s: %.*s\n", int(title.size()), title.data(), int(text.size()),
                     text.data());
    }
    Answer Ask(std::string_view, std::string_view, QuestionButtons, MessageIcon) override {
        return Answer::No;
    }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
    // Settings dialogs keep what the settings say.
    bool RunDialog(DialogModel&) override { return true; }
    void BeginWait() override {}
    void EndWait() override {}
};

// The least a document needs of the program.
class BenchEnvironment final : public DocumentEnvironment {
public:
    Interaction& Ui() override { return ui_; }
    SettingsStore& Settings() override { return settings_; }
    void AddRecentFile(const std::string&) override {}
    int NextUntitledImage() override { return 1; }
    int NextUntitledAnimation() override { return 1; }
    const AnimFrame* ActiveFrame() override { return nullptr; }
    std::optional<BrushPicture> GrabbedBrush(bool) override { return std::nullopt; }
    std::optional<ClipboardBitmap> ClipboardImage() override { return std::nullopt; }
    bool FirstClipboardPaste() override { return false; }
    std::string CurrentFolder() override { return {}; }
    void SetCurrentFolder(const std::string&) override {}
    MillisecondClock& Clock() override { return clock_; }

private:
    SilentInteraction ui_;
    SettingsStore settings_;
    SteadyMillisecondClock clock_;
};

}  // namespace quillor::bench
