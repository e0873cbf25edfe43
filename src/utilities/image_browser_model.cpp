#include "utilities/image_browser_model.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "core/text_format.h"
#include "document/file_name_order.h"
#include "utilities/browser_file_operations.h"
#include "utilities/browser_listing.h"
#include "utilities/browser_file_operation_model.h"
#include "utilities/browser_search_model.h"

namespace quillor {

namespace {

bool UsableFolder(const std::string& folder) {
    return IsFolder(folder) && ::access(folder.c_str(), R_OK | X_OK) == 0;
}

// The folder as a full path without a trailing separator, so it is stored and shown the
// same way however it was typed.
std::string Normalised(const std::string& folder) {
    std::error_code ec;
    std::string full = std::filesystem::absolute(folder, ec).lexically_normal().string();
    if (ec) full = folder;
    while (full.size() > 1 && full.back() == '/') full.pop_back();
    return full;
}

// The number a box holds: text that is no number counts as 0, numbers too large for an
// int as very large, so both end up clamped like any other.
int TypedNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) return text.starts_with('-') ? -1 : BrowserGrid::kMaxCount + 1;
    if (error != std::errc()) return 0;
    return int(std::clamp<long long>(value, -1, BrowserGrid::kMaxCount + 1));
}

}  // namespace

ImageBrowserModel::ImageBrowserModel(Interaction& ui, SettingsStore& settings,
                                     std::unique_ptr<ThumbnailWorker> worker)
    : ui_(ui), settings_(settings), worker_(worker ? std::move(worker) : std::make_unique<ThumbnailWorker>()) {}

// The worker's own destructor stops whatever is waiting without waiting for a decode.
ImageBrowserModel::~ImageBrowserModel() = default;

void ImageBrowserModel::Load(const std::string& currentFolder) {
    currentFolder_ = Normalised(currentFolder);
    fileType_ = settings_.GetInt(kSection, kFileTypeKey, 0);
    grid_ = BrowserGrid(settings_.GetInt(kSection, kColumnsKey, 5), settings_.GetInt(kSection, kRowsKey, 3),
                        settings_.GetInt(kSection, kNamesKey, 1) != 0);
    SetFolder(settings_.GetString(kSection, kPathKey, currentFolder_));
}

void ImageBrowserModel::Store() const {
    SettingsStore::Batch batch(settings_);
    settings_.SetString(kSection, kPathKey, folder_);
    settings_.SetInt(kSection, kFileTypeKey, fileType_);
    settings_.SetInt(kSection, kNamesKey, grid_.Names() ? 1 : 0);
    settings_.SetInt(kSection, kColumnsKey, grid_.Columns());
    settings_.SetInt(kSection, kRowsKey, grid_.Rows());
}

void ImageBrowserModel::SetFolder(const std::string& folder) {
    folder_ = UsableFolder(folder) ? Normalised(folder) : currentFolder_;
    topRow_ = 0;
    selection_ = 0;
    List();
}

int ImageBrowserModel::SetColumnsText(std::string_view text) {
    SetColumns(TypedNumber(text));
    return grid_.Columns();
}

int ImageBrowserModel::SetRowsText(std::string_view text) {
    SetRows(TypedNumber(text));
    return grid_.Rows();
}

void ImageBrowserModel::SetColumns(int columns) {
    const int first = PageFirst();
    const int before = grid_.Columns();
    grid_.SetColumns(columns);
    if (grid_.Columns() != before) GridChanged(first);
}

void ImageBrowserModel::SetRows(int rows) {
    const int before = grid_.Rows();
    grid_.SetRows(rows);
    if (grid_.Rows() != before) GridChanged(PageFirst());
}

void ImageBrowserModel::SetShowNames(bool names) {
    if (names == grid_.Names()) return;
    grid_.SetNames(names);
    GridChanged(PageFirst());
}

void ImageBrowserModel::GridChanged(int firstShown) {
    topRow_ = std::clamp(firstShown / grid_.Columns(), 0, MaxTopRow());
    // Thumbnails of another size are of no use; the picture sizes still are.
    ++listing_;
    for (BrowserEntry& entry : entries_) {
        entry.thumbnail.state = ThumbnailState::Pending;
        entry.thumbnail.image.reset();
    }
    RequestThumbnails();
}

void ImageBrowserModel::Select(int index) {
    if (index >= 0 && index < int(entries_.size())) selection_ = index;
}

void ImageBrowserModel::MoveSelection(int step) {
    if (entries_.empty()) return;
    selection_ = std::clamp(std::max(selection_, 0) + step, 0, int(entries_.size()) - 1);
    const int row = selection_ / grid_.Columns();
    if (row < topRow_) ScrollTo(row);
    else if (row >= topRow_ + grid_.Rows()) ScrollTo(row - grid_.Rows() + 1);
}

int ImageBrowserModel::LastRow() const {
    return entries_.empty() ? 0 : (int(entries_.size()) - 1) / grid_.Columns();
}

int ImageBrowserModel::MaxTopRow() const { return std::max(0, LastRow() - grid_.Rows() + 1); }

void ImageBrowserModel::ScrollTo(int row) {
    row = std::clamp(row, 0, MaxTopRow());
    if (row == topRow_) return;
    topRow_ = row;
    RequestThumbnails();
}

int ImageBrowserModel::PageFirst() const { return topRow_ * grid_.Columns(); }

int ImageBrowserModel::PageEnd() const {
    return std::min(int(entries_.size()), PageFirst() + grid_.PageSize());
}

bool ImageBrowserModel::ClickAt(int x, int y) {
    const std::optional<int> slot = grid_.SlotAt(x, y);
    if (!slot) return false;
    const int index = PageFirst() + *slot;
    if (index >= PageEnd()) return false;
    selection_ = index;
    return true;
}

bool ImageBrowserModel::DoubleClickAt(int x, int y) {
    if (!BrowserGrid::InGrid(x, y)) return false;
    ClickAt(x, y);
    return Open();
}

std::vector<BrowserCellPaint> ImageBrowserModel::PageCells() const {
    std::vector<BrowserCellPaint> cells;
    const int first = PageFirst();
    for (int index = first; index < PageEnd(); ++index) {
        const int slot = index - first;
        const BrowserEntry& entry = entries_[std::size_t(index)];
        BrowserCellPaint cell;
        cell.index = index;
        cell.frame = grid_.Frame(slot);
        cell.frameColour = index == selection_ ? BrowserGrid::kSelectedFrameColour : BrowserGrid::kFrameColour;
        cell.fill = grid_.Fill(slot);
        cell.thumbnail = entry.thumbnail.image;
        if (cell.thumbnail)
            cell.thumbnailAt = grid_.ThumbnailAt(slot, {cell.thumbnail->width, cell.thumbnail->height});
        if (grid_.Names()) {
            cell.showName = true;
            cell.nameStrip = grid_.NameStrip(slot);
            cell.name = entry.name;
            // A file that has been tried and gave no picture.
            cell.locked = entry.thumbnail.state == ThumbnailState::Locked ||
                          entry.thumbnail.state == ThumbnailState::Unreadable;
            cell.lockedArea = grid_.Cell(slot);
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

std::string ImageBrowserModel::Caption() const {
    if (selection_ < 0 || selection_ >= int(entries_.size())) return {};
    const BrowserEntry& entry = entries_[std::size_t(selection_)];
    return FormatText(kCaption, {entry.name, std::to_string(entry.thumbnail.imageWidth),
                                 std::to_string(entry.thumbnail.imageHeight)});
}

std::pair<int, int> ImageBrowserModel::PageProgress() const {
    int done = 0;
    for (int index = PageFirst(); index < PageEnd(); ++index)
        if (entries_[std::size_t(index)].thumbnail.state != ThumbnailState::Pending) ++done;
    return {done, PageEnd() - PageFirst()};
}

void ImageBrowserModel::RequestThumbnails() {
    const int count = int(entries_.size());
    const ThumbnailBox box = grid_.Box();
    const double pixels = std::max(1.0, box.width) * std::max(1.0, box.height);
    const std::size_t each = std::size_t(pixels * 3) + 64;
    const int window = std::max(grid_.PageSize(), int(std::min<std::size_t>(std::size_t(count), kAheadBytes / each)));

    // The page, then the pages after it, then those before it, as far as the window goes.
    std::vector<int> order;
    const int first = PageFirst(), end = PageEnd();
    for (int i = first; i < end; ++i) order.push_back(i);
    for (int i = end; i < count && int(order.size()) < window; ++i) order.push_back(i);
    for (int i = first - 1; i >= 0 && int(order.size()) < window; --i) order.push_back(i);

    std::vector<bool> kept(std::size_t(count), false);
    std::vector<ThumbnailJob> jobs;
    for (const int index : order) {
        kept[std::size_t(index)] = true;
        BrowserEntry& entry = entries_[std::size_t(index)];
        if (entry.thumbnail.state != ThumbnailState::Pending) continue;
        const std::string path = PathOf(entry.name);
        // The page shows at once what the cache already has.
        if (index < end) {
            if (std::optional<ThumbnailResult> cached = worker_->Cached(path, box)) {
                entry.thumbnail = std::move(*cached);
                continue;
            }
        }
        jobs.push_back({listing_, index, path, box});
    }
    // Thumbnails far from the page give their memory back; they are made again (or taken
    // from the cache) when the page comes near them.
    for (int index = 0; index < count; ++index) {
        if (kept[std::size_t(index)]) continue;
        ThumbnailResult& thumbnail = entries_[std::size_t(index)].thumbnail;
        thumbnail.state = ThumbnailState::Pending;
        thumbnail.image.reset();
    }
    worker_->Request(std::move(jobs));
}

bool ImageBrowserModel::PollThumbnails() {
    bool onPage = false;
    for (FinishedThumbnail& done : worker_->TakeFinished()) {
        if (done.generation != listing_ || done.index < 0 || done.index >= int(entries_.size())) continue;
        entries_[std::size_t(done.index)].thumbnail = std::move(done.result);
        if (done.index >= PageFirst() && done.index < PageEnd()) onPage = true;
    }
    return onPage;
}

void ImageBrowserModel::List(const std::string& select) {
    const int previous = selection_;
    entries_.clear();
    for (std::string& name : ListBrowserImages(folder_)) entries_.push_back({std::move(name), {}});
    ++listing_;
    const int count = int(entries_.size());
    selection_ = count == 0 ? -1 : std::clamp(previous, 0, count - 1);
    if (!select.empty()) SelectName(select);
    topRow_ = std::clamp(topRow_, 0, MaxTopRow());
    if (selection_ >= 0) {
        const int row = selection_ / grid_.Columns();
        if (row < topRow_ || row >= topRow_ + grid_.Rows()) topRow_ = std::clamp(row, 0, MaxTopRow());
    }
    RequestThumbnails();
}

void ImageBrowserModel::SelectName(const std::string& name) {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].name == name) selection_ = int(i);
}

std::string ImageBrowserModel::PathOf(const std::string& name) const { return JoinPath(folder_, name); }

std::string ImageBrowserModel::TargetOf(const std::string& typed) const {
    return typed.starts_with('/') ? typed : PathOf(typed);
}

void ImageBrowserModel::Failed(std::string_view text) {
    ui_.ShowMessage(text, kStatusTitle, MessageIcon::Exclamation);
}

bool ImageBrowserModel::Confirm(std::string_view question) {
    return ui_.Ask(question, kQuestionTitle, QuestionButtons::YesNo, MessageIcon::Question) == Answer::Yes;
}

void ImageBrowserModel::Find() {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const BrowserEntry& entry : entries_) names.push_back(entry.name);
    BrowserSearchModel search(std::move(names));
    if (!ui_.RunDialog(search)) return;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].name != search.Text()) continue;
        selection_ = int(i);
        int row = int(i) / grid_.Columns();
        // The page starts at the found row unless it would then run past the last row.
        while (row > 0 && row > MaxTopRow()) --row;
        ScrollTo(row);
        return;
    }
}

void ImageBrowserModel::Rename() {
    if (!HasSelection()) return;
    const std::string name = entries_[std::size_t(selection_)].name;
    BrowserFileOperationModel ask(FormatText(kRenamePrompt, {name}), name);
    if (!ui_.RunDialog(ask) || ask.Text().empty()) return;
    const std::string from = PathOf(name), to = TargetOf(ask.Text());
    if (!RenameWithoutReplacing(from, to)) {
        Failed(kRenameFailed);
        return;
    }
    last_ = {Operation::Rename, from, to};
    List(ask.Text());
}

void ImageBrowserModel::Copy() {
    if (!HasSelection()) return;
    const std::string name = entries_[std::size_t(selection_)].name;
    BrowserFileOperationModel ask(FormatText(kCopyPrompt, {name}), name);
    if (!ui_.RunDialog(ask) || ask.Text().empty()) return;
    const std::string to = TargetOf(ask.Text());
    if (!CopyWithoutReplacing(PathOf(name), to)) {
        Failed(kCopyFailed);
        return;
    }
    last_ = {Operation::Copy, {}, to};
    List(ask.Text());
}

void ImageBrowserModel::Delete() {
    if (!HasSelection()) return;
    const std::string name = entries_[std::size_t(selection_)].name;
    if (!Confirm(FormatText(kDeleteQuestion, {name}))) return;
    const std::string path = PathOf(name);
    const std::string backup = PathOf(std::string(kBackupName));
    // Only the last deletion can be undone, so its backup takes the place of the one before.
    if (!RemoveFileIfPresent(backup) || !RenameWithoutReplacing(path, backup)) {
        Failed(kDeletionFailed);
        return;
    }
    last_ = {Operation::Delete, path, backup};
    List();
}

void ImageBrowserModel::Undo() {
    std::string restored;
    switch (last_.kind) {
        case Operation::None: return;
        case Operation::Copy:
            if (!Confirm(kUndoCopyQuestion)) return;
            if (::unlink(last_.newPath.c_str()) != 0) {
                Failed(kDeletionFailed);
                return;
            }
            break;
        case Operation::Rename:
        case Operation::Delete:
            if (!Confirm(last_.kind == Operation::Rename ? kUndoRenameQuestion : kUndoDeleteQuestion)) return;
            if (!RenameWithoutReplacing(last_.newPath, last_.oldPath)) {
                Failed(kUndoRenameFailed);
                return;
            }
            restored = last_.oldPath;
            break;
    }
    last_ = {};
    const std::string name = std::filesystem::path(restored).filename().string();
    List(!restored.empty() && PathOf(name) == restored ? name : std::string());
}

bool ImageBrowserModel::Open() {
    if (!HasSelection()) return false;
    Store();
    opened_ = PathOf(entries_[std::size_t(selection_)].name);
    return true;
}

std::optional<std::string> RunBrowseFiles(Interaction& ui, SettingsStore& settings) {
    ImageBrowserModel model(ui, settings);
    model.Load(FolderOrWorking({}));
    if (!ui.RunDialog(model)) return std::nullopt;
    return model.OpenedPath();
}

}  // namespace quillor
