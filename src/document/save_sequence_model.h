#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/sequence_save.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"

namespace quillor {

// "Save Animation Sequence" ("Save Layered Image" for a layered document): where the
// script and the frames go, under which names and as which file type, and which frames
// are written.
class SaveSequenceModel final : public CheckedDialogModel {
public:
    static constexpr std::string_view kTitle = "Save Animation Sequence";
    static constexpr std::string_view kLayeredTitle = "Save Layered Image";
    static constexpr std::string_view kPathLabel = "Path:";
    static constexpr std::string_view kBrowseText = "...";
    static constexpr std::string_view kScriptCaption = "Save sequence script";
    static constexpr std::string_view kLayeredScriptCaption = "Save Layer Script";
    static constexpr std::string_view kAsLabel = "As:";
    static constexpr std::string_view kNewSequenceCaption = "Save images as new sequence";
    static constexpr std::string_view kLayeredNewSequenceCaption = "Save Image/layers as new sequence";
    static constexpr std::string_view kStartLabel = "Start at:";
    static constexpr std::string_view kTypeLabel = "Type:";
    static constexpr std::string_view kFolderFilesLabel = "Current files in directory...";
    static constexpr std::string_view kSaveListLabel = "Select images to save...";
    static constexpr std::string_view kLayeredSaveListLabel = "Select image/layers to save";
    static constexpr std::string_view kSelectAllText = "Select &All";
    static constexpr std::string_view kDeselectAllText = "&Deselect All";
    // A frame saved under its own name; a new sequence shows its new name in the same
    // place ("Frame 1 (walk0001.bmp)").
    static constexpr std::string_view kItem = "Frame %d (%s)";
    static constexpr std::string_view kNothingText = "Please select images to save.";
    static constexpr std::string_view kNothingTitle = "Nothing To Save";

    static constexpr std::string_view kSection = "Animation Save";
    static constexpr std::string_view kLayeredSection = "Layered Save";
    static constexpr std::string_view kPathKey = "Path";
    static constexpr std::string_view kScriptKey = "Sequence Checkbox";
    static constexpr std::string_view kNewSequenceKey = "BMP Checkbox";
    static constexpr std::string_view kTypeKey = "File Type";

    static constexpr std::size_t kScriptNameMaxChars = 256;
    static constexpr std::size_t kPrefixMaxChars = 4;
    static constexpr std::size_t kStartMaxChars = 8;
    // Characters a file name cannot hold; typing one into the script name drops it.
    static constexpr std::string_view kNotInNames = "\\/:*?><|";

    using FolderListener = std::function<void(const std::string& folder)>;

    // `documentPath` gives the default script name; `frameNames` are the frames' own
    // names, frame 0 first.
    SaveSequenceModel(bool layered, const std::string& documentPath, std::vector<std::string> frameNames,
                      FolderListener onFolder = {});

    std::string_view Title() const override { return layered_ ? kLayeredTitle : kTitle; }
    std::optional<OkRefusal> CheckOk() const override;
    bool Layered() const { return layered_; }
    std::string_view ScriptCaption() const { return layered_ ? kLayeredScriptCaption : kScriptCaption; }
    std::string_view NewSequenceCaption() const {
        return layered_ ? kLayeredNewSequenceCaption : kNewSequenceCaption;
    }
    std::string_view SaveListLabel() const { return layered_ ? kLayeredSaveListLabel : kSaveListLabel; }

    // Settings of "Animation Save" or "Layered Save"; the output folder falls back to
    // `currentFolder` when none is remembered or it has gone.
    void Load(const SettingsStore& settings, const std::string& currentFolder);
    void Store(SettingsStore& settings) const;

    // The output folder. Text naming a folder that exists makes it current and lists its
    // files (true).
    const std::string& PathText() const { return pathText_; }
    bool SetPathText(std::string_view text);
    bool ChooseFolder(const std::string& folder) { return SetPathText(folder); }
    // "Current files in directory...": the files of the output folder.
    const std::vector<std::string>& FolderFiles() const { return folderFiles_; }

    bool ScriptOn() const { return scriptOn_; }
    void SetScriptOn(bool on) { scriptOn_ = on; }
    bool ScriptNameEnabled() const { return scriptOn_; }
    const std::string& ScriptName() const { return scriptName_; }
    // Drops the characters of kNotInNames and keeps at most kScriptNameMaxChars.
    void SetScriptName(std::string_view text);

    bool NewSequence() const { return newSequence_; }
    void SetNewSequence(bool on);
    // Prefix, start number and type only matter for a new sequence.
    bool SequenceFieldsEnabled() const { return newSequence_; }
    const std::string& Prefix() const { return prefix_; }
    void SetPrefix(std::string_view text);
    const std::string& StartText() const { return startText_; }
    // Digits only, at most kStartMaxChars; empty reads as 0.
    void SetStartText(std::string_view text);
    int Start() const;
    int TypeIndex() const { return typeIndex_; }
    void SetTypeIndex(int index);
    std::string_view TypeText() const { return kSequenceTypes[std::size_t(typeIndex_)]; }

    // The save list: one item per frame. Every rebuild selects them all.
    const std::vector<std::string>& SaveItems() const { return items_; }
    bool ItemSelected(std::size_t index) const { return index < selected_.size() && selected_[index]; }
    void SetItemSelected(std::size_t index, bool selected);
    void SelectAll();
    void DeselectAll();

    // What the save should do, as the dialog stands.
    SequenceSaveRequest Request() const;

    // The script name proposed for a document at `documentPath`: its file name with the
    // extension replaced by ".qua" (".qul" for a layered document).
    static std::string DefaultScriptName(const std::string& documentPath, bool layered);
    // The first four characters of the script name with trailing digits removed (all
    // four kept when all four are digits).
    static std::string DefaultPrefix(const std::string& scriptName);

private:
    void Rebuild();
    void ListFolder(const std::string& folder);
    std::string_view Section() const { return layered_ ? kLayeredSection : kSection; }

    bool layered_;
    std::vector<std::string> frameNames_;
    FolderListener onFolder_;
    std::string pathText_;
    std::vector<std::string> folderFiles_;
    bool scriptOn_ = true;
    std::string scriptName_;
    bool newSequence_ = true;
    std::string prefix_;
    std::string startText_;
    int typeIndex_ = 0;
    std::vector<std::string> items_;
    std::vector<bool> selected_;
};

}  // namespace quillor
