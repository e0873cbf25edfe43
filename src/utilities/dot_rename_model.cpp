#include "utilities/dot_rename_model.h"

#include <algorithm>

#include "core/text_format.h"
#include "document/file_name_order.h"
#include "utilities/add_dot_model.h"
#include "utilities/browser_file_operations.h"

namespace quillor {

DotRenameModel::DotRenameModel(Interaction& ui, SettingsStore& settings) : ui_(ui), settings_(settings) {}

void DotRenameModel::Load() {
    files_.Set(settings_.GetString(kSection, kPathKey, FolderOrWorking({})),
               settings_.GetString(kSection, kTypeKey, kDefaultFilter));
}

void DotRenameModel::Store() const {
    SettingsStore::Batch batch(settings_);
    settings_.SetString(kSection, kPathKey, files_.Folder());
    settings_.SetString(kSection, kTypeKey, files_.Filter());
}

std::optional<std::string> DotRenameModel::WithoutFirstDot(std::string_view name) {
    if (std::count(name.begin(), name.end(), '.') < 2) return std::nullopt;
    const std::size_t dot = name.find('.');
    return std::string(name.substr(0, dot)) + std::string(name.substr(dot + 1));
}

bool DotRenameModel::CheckSelection(std::vector<std::size_t>& selected) {
    selected = files_.SelectedIndices();
    if (!files_.Valid()) {
        ui_.ShowMessage(kNoPath, kRequestTitle, MessageIcon::Information);
        return false;
    }
    if (selected.empty()) {
        ui_.ShowMessage(kNoFiles, kRequestTitle, MessageIcon::Information);
        return false;
    }
    return true;
}

bool DotRenameModel::RenameOne(std::size_t index, const std::string& newName) {
    if (RenameWithoutReplacing(files_.PathOf(index), JoinPath(files_.Folder(), newName))) return true;
    ui_.ShowMessage(FormatText(kRenameFailed, {files_.Names()[index]}), kStatusTitle, MessageIcon::Exclamation);
    return false;
}

void DotRenameModel::Report(int renamed, int notRenamed) {
    files_.Reread();
    progress_.Reset();
    const std::string done = std::to_string(renamed);
    const std::string left = std::to_string(notRenamed);
    std::string text;
    if (notRenamed == 0) text = FormatText(kAllRenamed, {done});
    else if (renamed == 0) text = FormatText(kNoneRenamed, {left});
    else text = FormatText(kSomeRenamed, {done, left});
    ui_.ShowMessage(text, kStatusTitle, MessageIcon::Information);
}

void DotRenameModel::RenameEach(const std::vector<std::size_t>& selected, std::string_view unchanged,
                                const std::function<std::optional<std::string>(std::string_view)>& rename) {
    progress_.Start(int(selected.size()));
    int renamed = 0, notRenamed = 0;
    for (const std::size_t index : selected) {
        const std::string& name = files_.Names()[index];
        const std::optional<std::string> newName = rename(name);
        if (!newName) {
            ui_.ShowMessage(FormatText(unchanged, {name}), kStatusTitle, MessageIcon::Information);
            ++notRenamed;
        } else if (RenameOne(index, *newName)) {
            ++renamed;
        } else {
            ++notRenamed;
        }
        progress_.Advance();
    }
    Report(renamed, notRenamed);
    Store();
}

void DotRenameModel::RemoveDot() {
    std::vector<std::size_t> selected;
    if (!CheckSelection(selected)) return;
    RenameEach(selected, kNoNeed, WithoutFirstDot);
}

void DotRenameModel::AddDot() {
    std::vector<std::size_t> selected;
    if (!CheckSelection(selected)) return;
    std::string longest;
    for (const std::size_t index : selected)
        if (NameLength(files_.Names()[index]) > NameLength(longest)) longest = files_.Names()[index];
    AddDotModel offset(longest);
    if (!ui_.RunDialog(offset)) return;
    const int at = offset.Offset();
    RenameEach(selected, kTooShort, [at](std::string_view name) { return WithDotAt(name, at); });
}

void RunDotRename(Interaction& ui, SettingsStore& settings) {
    DotRenameModel model(ui, settings);
    model.Load();
    ui.RunDialog(model);
}

}  // namespace quillor
