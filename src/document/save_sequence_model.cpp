#include "document/save_sequence_model.h"

#include <algorithm>

#include "core/text_format.h"
#include "document/file_name_order.h"
#include "formats/edit_text.h"

namespace quillor {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

SaveSequenceModel::SaveSequenceModel(bool layered, const std::string& documentPath,
                                     std::vector<std::string> frameNames, FolderListener onFolder)
    : layered_(layered), frameNames_(std::move(frameNames)), onFolder_(std::move(onFolder)) {
    SetScriptName(DefaultScriptName(documentPath, layered));
    prefix_ = DefaultPrefix(scriptName_);
    Rebuild();
}

std::optional<OkRefusal> SaveSequenceModel::CheckOk() const {
    if (std::find(selected_.begin(), selected_.end(), true) != selected_.end()) return std::nullopt;
    return OkRefusal{std::string(kNothingText), std::string(kNothingTitle), MessageIcon::Information};
}

void SaveSequenceModel::Load(const SettingsStore& settings, const std::string& currentFolder) {
    std::string folder = settings.GetString(Section(), kPathKey);
    if (!IsFolder(folder)) folder = currentFolder;
    scriptOn_ = settings.GetInt(Section(), kScriptKey, 1) != 0;
    newSequence_ = settings.GetInt(Section(), kNewSequenceKey, 1) != 0;
    const int type = settings.GetInt(Section(), kTypeKey, 0);
    typeIndex_ = type >= 0 && type < int(kSequenceTypes.size()) ? type : 0;
    pathText_ = folder;
    if (IsFolder(folder)) {
        if (onFolder_) onFolder_(folder);
        ListFolder(folder);
    }
    Rebuild();
}

void SaveSequenceModel::Store(SettingsStore& settings) const {
    SettingsStore::Batch batch(settings);
    settings.SetString(Section(), kPathKey, pathText_);
    settings.SetInt(Section(), kScriptKey, scriptOn_ ? 1 : 0);
    settings.SetInt(Section(), kNewSequenceKey, newSequence_ ? 1 : 0);
    settings.SetInt(Section(), kTypeKey, typeIndex_);
}

bool SaveSequenceModel::SetPathText(std::string_view text) {
    pathText_ = std::string(text);
    if (!IsFolder(pathText_)) return false;
    if (onFolder_) onFolder_(pathText_);
    ListFolder(pathText_);
    return true;
}

void SaveSequenceModel::ListFolder(const std::string& folder) { folderFiles_ = ListFolderFiles(folder); }

void SaveSequenceModel::SetScriptName(std::string_view text) {
    std::string kept;
    for (const char c : text)
        if (kNotInNames.find(c) == std::string_view::npos) kept += c;
    scriptName_ = LimitEditText(kept, kScriptNameMaxChars, false);
}

void SaveSequenceModel::SetNewSequence(bool on) {
    newSequence_ = on;
    Rebuild();
}

void SaveSequenceModel::SetPrefix(std::string_view text) {
    prefix_ = LimitEditText(text, kPrefixMaxChars, false);
    Rebuild();
}

void SaveSequenceModel::SetStartText(std::string_view text) {
    startText_ = LimitEditText(text, kStartMaxChars, true);
    Rebuild();
}

int SaveSequenceModel::Start() const { return EditInteger(startText_); }

void SaveSequenceModel::SetTypeIndex(int index) {
    if (index < 0 || index >= int(kSequenceTypes.size())) return;
    typeIndex_ = index;
    Rebuild();
}

void SaveSequenceModel::SetItemSelected(std::size_t index, bool selected) {
    if (index < selected_.size()) selected_[index] = selected;
}

void SaveSequenceModel::SelectAll() { selected_.assign(items_.size(), true); }

void SaveSequenceModel::DeselectAll() { selected_.assign(items_.size(), false); }

void SaveSequenceModel::Rebuild() {
    const SequenceSaveRequest naming = Request();
    items_.clear();
    for (std::size_t i = 0; i < frameNames_.size(); ++i) {
        const std::string name = newSequence_ ? NewSequenceName(naming, int(i), layered_) : frameNames_[i];
        items_.push_back(FormatText(kItem, {std::to_string(i + 1), name}));
    }
    SelectAll();
}

SequenceSaveRequest SaveSequenceModel::Request() const {
    SequenceSaveRequest request;
    request.folder = pathText_;
    request.writeScript = scriptOn_;
    request.scriptName = scriptName_;
    request.newSequence = newSequence_;
    request.prefix = prefix_;
    request.start = Start();
    request.type = std::string(TypeText());
    for (std::size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i]) request.frames.push_back(int(i));
    return request;
}

std::string SaveSequenceModel::DefaultScriptName(const std::string& documentPath, bool layered) {
    const std::size_t slash = documentPath.find_last_of('/');
    std::string name = slash == std::string::npos ? documentPath : documentPath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name + (layered ? ".qul" : ".qua");
}

std::string SaveSequenceModel::DefaultPrefix(const std::string& scriptName) {
    std::string prefix = LimitEditText(scriptName, kPrefixMaxChars, false);
    if (prefix.size() == kPrefixMaxChars && std::all_of(prefix.begin(), prefix.end(), IsDigit)) return prefix;
    while (!prefix.empty() && IsDigit(prefix.back())) prefix.pop_back();
    return prefix;
}

}  // namespace quillor
