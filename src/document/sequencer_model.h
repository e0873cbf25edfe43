#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Animation Sequencer": picks image files from folders, in the order they should play,
// to compose a new animation from. The file list shows the image files of one folder;
// the sequence list holds the chosen files as full paths, duplicates allowed.
class SequencerModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Animation Sequencer";
    static constexpr std::string_view kPathLabel = "Path:";
    static constexpr std::string_view kBrowseText = "...";
    static constexpr std::string_view kAddText = "&Add";
    static constexpr std::string_view kAddTip = "Add selected images to the animation list";
    static constexpr std::string_view kSelectAllText = "&Select All";
    static constexpr std::string_view kDeselectAllText = "&Deselect All";
    static constexpr std::string_view kRemoveText = "&Remove";
    static constexpr std::string_view kRemoveAllText = "Re&move All";
    static constexpr std::string_view kEmptyText = "Please select files for the animation sequence.";
    static constexpr std::string_view kEmptyTitle = "Animation Sequence Empty";
    // Section "Previous Paths".
    static constexpr std::string_view kPathKey = "Animation Sequencer";

    // Told of every folder the dialog makes current.
    using FolderListener = std::function<void(const std::string& folder)>;
    explicit SequencerModel(FolderListener onFolder = {}) : onFolder_(std::move(onFolder)) {}

    std::string_view Title() const override { return kTitle; }
    std::optional<OkRefusal> CheckOk() const override;

    // Starts in the folder last composed from, else in `currentFolder`, and lists it.
    void Load(const SettingsStore& settings, const std::string& currentFolder);
    // Remembers the folder listed for next time.
    void Store(SettingsStore& settings) const;

    // The path field. Text naming a folder that exists makes it current and lists its
    // files (true); other text leaves the list as it is.
    const std::string& PathText() const { return pathText_; }
    bool SetPathText(std::string_view text);
    // "...": the folder chosen in the folder browser.
    bool ChooseFolder(const std::string& folder) { return SetPathText(folder); }
    // The folder the file list shows.
    const std::string& ListedFolder() const { return listedFolder_; }

    // The file list, with its selection.
    const std::vector<std::string>& Files() const { return files_; }
    bool FileSelected(std::size_t index) const { return index < fileSelected_.size() && fileSelected_[index]; }
    void SetFileSelected(std::size_t index, bool selected);
    void SelectAllFiles();
    void DeselectAllFiles();
    // "&Add" is enabled while at least one file is selected.
    bool AddEnabled() const;
    // Appends the selected files, in list order, to the sequence.
    void AddSelected();

    // The sequence list: full paths, in the order they were added.
    const std::vector<std::string>& Sequence() const { return sequence_; }
    bool SequenceSelected(std::size_t index) const {
        return index < sequenceSelected_.size() && sequenceSelected_[index];
    }
    void SetSequenceSelected(std::size_t index, bool selected);
    void RemoveSelected();
    void RemoveAll();

    // How a sequence entry reads in the list: the file name, then its folder.
    static std::string SequenceItemText(const std::string& fullPath);

private:
    void List(const std::string& folder);

    FolderListener onFolder_;
    std::string pathText_;
    std::string listedFolder_;
    std::vector<std::string> files_;
    std::vector<bool> fileSelected_;
    std::vector<std::string> sequence_;
    std::vector<bool> sequenceSelected_;
};

}  // namespace quillor
