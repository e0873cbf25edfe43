#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "utilities/folder_file_list.h"
#include "utilities/rename_progress.h"

namespace quillor {

// "Batch Sequential File Rename": gives the selected files of a folder one name base and
// a running four-digit number, in file-name order ("walk2" before "walk10"), each file
// keeping its extension.
class SequentialRenameModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Batch Sequential File Rename";
    static constexpr std::string_view kNameBaseLabel = "Name Base:";
    static constexpr std::string_view kStartLabel = "Start Number:";
    static constexpr std::string_view kCountDownText = "Count Down";
    static constexpr std::string_view kRenameText = "&Rename";
    static constexpr std::string_view kCloseText = "&Close";

    static constexpr std::string_view kNoSelection = "Please select files to rename from the list.";
    static constexpr std::string_view kNoSelectionTitle = "No Selection";
    static constexpr std::string_view kRenameFailed =
        "Could not rename file %s\n Do you want to continue renaming the rest of the files?";
    static constexpr std::string_view kRenameFailedTitle = "Rename File Error";
    static constexpr std::string_view kAborted = "Renaming finished.";
    static constexpr std::string_view kAbortedTitle = "Rename Aborted";
    static constexpr std::string_view kDone = "Done renaming files.";
    static constexpr std::string_view kDoneTitle = "Files Renamed";

    static constexpr std::string_view kSection = "Sequential Rename";
    static constexpr std::string_view kPathKey = "Path";
    static constexpr std::string_view kTypeKey = "Type";
    static constexpr std::string_view kNameBaseKey = "Name Base";
    static constexpr std::string_view kStartKey = "Start number";
    static constexpr std::string_view kDefaultFilter = "*.*";
    static constexpr std::string_view kDefaultNameBase = "pic";
    static constexpr std::string_view kDefaultStart = "1";

    SequentialRenameModel(Interaction& ui, SettingsStore& settings);
    std::string_view Title() const override { return kTitle; }

    void Load();
    void Store() const;

    FolderFileList& Files() { return files_; }
    const FolderFileList& Files() const { return files_; }
    const std::string& NameBase() const { return nameBase_; }
    void SetNameBase(std::string_view text) { nameBase_ = std::string(text); }
    const std::string& StartText() const { return start_; }
    void SetStartText(std::string_view text) { start_ = std::string(text); }
    bool CountDown() const { return countDown_; }
    void SetCountDown(bool down) { countDown_ = down; }
    RenameProgress& Progress() { return progress_; }

    // The start field as a number: its leading whole number, 0 when it has none.
    long long StartNumber() const;
    // `base`, `number` in at least four digits, and the extension of `name` (from its last
    // "." on, none when it has no dot).
    static std::string NewName(std::string_view name, std::string_view base, long long number);
    // What is added to the start number for the file after the one `n` was added for: one
    // more, back to 1 after 9999; one less when counting down.
    static long long NextCount(long long n, bool countDown);

    // "&Rename": renames the selected files in list order; a failure asks whether to go
    // on. The list is read again afterwards.
    void Rename();

private:
    Interaction& ui_;
    SettingsStore& settings_;
    FolderFileList files_{FolderFileList::Order::FileNames};
    std::string nameBase_;
    std::string start_;
    bool countDown_ = false;
    RenameProgress progress_;
};

// The "Batch Sequential File Rename" command.
void RunSequentialRename(Interaction& ui, SettingsStore& settings);

}  // namespace quillor
