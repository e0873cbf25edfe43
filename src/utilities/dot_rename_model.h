#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "utilities/folder_file_list.h"
#include "utilities/rename_progress.h"

namespace quillor {

// The dot renamer: takes the first of several dots out of the selected names
// ("x.y.z" becomes "xy.z"), or puts a dot into them at one offset ("abcdef" at 3 becomes
// "abc.def").
class DotRenameModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "RemDot";
    static constexpr std::string_view kRemoveText = "&Remove Dot";
    static constexpr std::string_view kAddText = "&Add Dot";
    static constexpr std::string_view kCloseText = "&Close";

    static constexpr std::string_view kRequestTitle = "REQUEST";
    static constexpr std::string_view kNoPath = "Please select a valid path first.";
    static constexpr std::string_view kNoFiles = "Please select file(s) first.";
    static constexpr std::string_view kStatusTitle = "Status";
    static constexpr std::string_view kNoNeed = "File '%s' did not need renaming.";
    static constexpr std::string_view kTooShort = "File name '%s' is too short to add dot in specified place.";
    static constexpr std::string_view kRenameFailed = "Could not rename '%s'.";
    static constexpr std::string_view kAllRenamed = "%d files have been renamed successfully.";
    static constexpr std::string_view kSomeRenamed =
        "%d files have been renamed successfully.\n %d files could not be renamed.";
    static constexpr std::string_view kNoneRenamed = "%d files could not be renamed.";

    static constexpr std::string_view kSection = "RemDot";
    static constexpr std::string_view kPathKey = "Path";
    static constexpr std::string_view kTypeKey = "File Type";
    static constexpr std::string_view kDefaultFilter = "*.*";

    DotRenameModel(Interaction& ui, SettingsStore& settings);
    std::string_view Title() const override { return kTitle; }

    void Load();
    void Store() const;

    FolderFileList& Files() { return files_; }
    const FolderFileList& Files() const { return files_; }
    RenameProgress& Progress() { return progress_; }

    // The name without its first dot; nothing when it has fewer than two.
    static std::optional<std::string> WithoutFirstDot(std::string_view name);

    // "&Remove Dot" and "&Add Dot" (which first asks for the offset in "Add Dot"). Each
    // reports every file it leaves, then the counts, and stores the settings.
    void RemoveDot();
    void AddDot();

private:
    bool CheckSelection(std::vector<std::size_t>& selected);
    // Renames the file at `index` to `newName`; false (after saying so) when it fails.
    bool RenameOne(std::size_t index, const std::string& newName);
    void Report(int renamed, int notRenamed);
    // Renames each selected file to what `rename` makes of its name; a name it gives
    // nothing for is reported with `unchanged`. Then the counts, and the settings stored.
    void RenameEach(const std::vector<std::size_t>& selected, std::string_view unchanged,
                    const std::function<std::optional<std::string>(std::string_view)>& rename);

    Interaction& ui_;
    SettingsStore& settings_;
    FolderFileList files_;
    RenameProgress progress_;
};

// The dot renamer command.
void RunDotRename(Interaction& ui, SettingsStore& settings);

}  // namespace quillor
