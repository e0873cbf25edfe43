#include "utilities/sequential_rename_model.h"

#include <cstdio>
#include <cstdlib>

#include "core/text_format.h"
#include "document/file_name_order.h"
#include "utilities/browser_file_operations.h"

namespace quillor {

namespace {

// Far beyond any four-digit number, and far enough from the ends of long long that the
// running count cannot overflow.
constexpr long long kLargestStart = 1'000'000'000'000'000LL;
constexpr long long kLastUpCount = 9999;

}  // namespace

SequentialRenameModel::SequentialRenameModel(Interaction& ui, SettingsStore& settings)
    : ui_(ui), settings_(settings) {}

void SequentialRenameModel::Load() {
    files_.Set(settings_.GetString(kSection, kPathKey, FolderOrWorking({})),
               settings_.GetString(kSection, kTypeKey, kDefaultFilter));
    nameBase_ = settings_.GetString(kSection, kNameBaseKey, kDefaultNameBase);
    start_ = settings_.GetString(kSection, kStartKey, kDefaultStart);
}

void SequentialRenameModel::Store() const {
    SettingsStore::Batch batch(settings_);
    settings_.SetString(kSection, kPathKey, files_.Folder());
    settings_.SetString(kSection, kTypeKey, files_.Filter());
    settings_.SetString(kSection, kNameBaseKey, nameBase_);
    settings_.SetString(kSection, kStartKey, start_);
}

long long SequentialRenameModel::StartNumber() const {
    const long long value = std::strtoll(start_.c_str(), nullptr, 10);
    if (value > kLargestStart) return kLargestStart;
    if (value < -kLargestStart) return -kLargestStart;
    return value;
}

std::string SequentialRenameModel::NewName(std::string_view name, std::string_view base, long long number) {
    const std::size_t dot = name.find_last_of('.');
    const std::string_view extension = dot == std::string_view::npos ? std::string_view() : name.substr(dot);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04lld", number);
    return std::string(base) + digits + std::string(extension);
}

long long SequentialRenameModel::NextCount(long long n, bool countDown) {
    if (countDown) return n - 1;
    return n + 1 > kLastUpCount ? 1 : n + 1;
}

void SequentialRenameModel::Rename() {
    const std::vector<std::size_t> selected = files_.SelectedIndices();
    if (selected.empty()) {
        ui_.ShowMessage(kNoSelection, kNoSelectionTitle, MessageIcon::Information);
        return;
    }
    Store();
    progress_.Start(int(selected.size()));
    const long long start = StartNumber();
    long long n = 0;
    for (const std::size_t index : selected) {
        const std::string& name = files_.Names()[index];
        const std::string newName = NewName(name, nameBase_, start + n);
        n = NextCount(n, countDown_);
        // A file that already has its new name is done.
        if (newName != name && !RenameWithoutReplacing(files_.PathOf(index), JoinPath(files_.Folder(), newName)) &&
            ui_.Ask(FormatText(kRenameFailed, {name}), kRenameFailedTitle, QuestionButtons::YesNo,
                    MessageIcon::Question) == Answer::No) {
            files_.Reread();
            progress_.Reset();
            ui_.ShowMessage(kAborted, kAbortedTitle, MessageIcon::Information);
            return;
        }
        progress_.Advance();
    }
    files_.Reread();
    progress_.Reset();
    ui_.ShowMessage(kDone, kDoneTitle, MessageIcon::Information);
}

void RunSequentialRename(Interaction& ui, SettingsStore& settings) {
    SequentialRenameModel model(ui, settings);
    model.Load();
    ui.RunDialog(model);
}

}  // namespace quillor
