#include "document/sequencer_model.h"

#include <algorithm>

#include "document/file_name_order.h"
#include "formats/image_settings_keys.h"

namespace quillor {

std::optional<OkRefusal> SequencerModel::CheckOk() const {
    if (!sequence_.empty()) return std::nullopt;
    return OkRefusal{std::string(kEmptyText), std::string(kEmptyTitle), MessageIcon::Information};
}

void SequencerModel::Load(const SettingsStore& settings, const std::string& currentFolder) {
    std::string folder = settings.GetString(settings_keys::kPreviousPaths, kPathKey);
    // A remembered folder that has gone since falls back to where the user is now.
    if (!IsFolder(folder)) folder = currentFolder;
    pathText_ = folder;
    if (IsFolder(folder)) {
        if (onFolder_) onFolder_(folder);
        List(folder);
    }
}

void SequencerModel::Store(SettingsStore& settings) const {
    if (!listedFolder_.empty()) settings.SetString(settings_keys::kPreviousPaths, kPathKey, listedFolder_);
}

bool SequencerModel::SetPathText(std::string_view text) {
    pathText_ = std::string(text);
    if (!IsFolder(pathText_)) return false;
    if (onFolder_) onFolder_(pathText_);
    List(pathText_);
    return true;
}

void SequencerModel::List(const std::string& folder) {
    listedFolder_ = folder;
    files_ = ListComposableImages(folder);
    fileSelected_.assign(files_.size(), false);
}

void SequencerModel::SetFileSelected(std::size_t index, bool selected) {
    if (index < fileSelected_.size()) fileSelected_[index] = selected;
}

void SequencerModel::SelectAllFiles() { fileSelected_.assign(files_.size(), true); }

void SequencerModel::DeselectAllFiles() { fileSelected_.assign(files_.size(), false); }

bool SequencerModel::AddEnabled() const {
    return std::find(fileSelected_.begin(), fileSelected_.end(), true) != fileSelected_.end();
}

void SequencerModel::AddSelected() {
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (!fileSelected_[i]) continue;
        sequence_.push_back(JoinPath(listedFolder_, files_[i]));
        sequenceSelected_.push_back(false);
    }
}

void SequencerModel::SetSequenceSelected(std::size_t index, bool selected) {
    if (index < sequenceSelected_.size()) sequenceSelected_[index] = selected;
}

void SequencerModel::RemoveSelected() {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < sequence_.size(); ++i)
        if (!sequenceSelected_[i]) kept.push_back(std::move(sequence_[i]));
    sequence_ = std::move(kept);
    sequenceSelected_.assign(sequence_.size(), false);
}

void SequencerModel::RemoveAll() {
    sequence_.clear();
    sequenceSelected_.clear();
}

std::string SequencerModel::SequenceItemText(const std::string& fullPath) {
    const std::size_t slash = fullPath.find_last_of('/');
    if (slash == std::string::npos) return fullPath;
    const std::string folder = slash == 0 ? "/" : fullPath.substr(0, slash);
    return fullPath.substr(slash + 1) + "    (" + folder + ")";
}

}  // namespace quillor
