#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/colour.h"
#include "core/geometry.h"
#include "platform/interaction.h"
#include "platform/settings_store.h"
#include "utilities/browser_grid.h"
#include "utilities/thumbnail_image.h"
#include "utilities/thumbnail_worker.h"

namespace quillor {

struct BrowserEntry {
    std::string name;
    ThumbnailResult thumbnail;  // Pending until the worker has made it
};

// One cell of the page as it is to be drawn: an outline, a filled inside, the thumbnail,
// the name and, for a file without a thumbnail, "LOCKED".
struct BrowserCellPaint {
    int index = 0;  // into Entries()
    IntRect frame;
    ColourRef frameColour = BrowserGrid::kFrameColour;
    IntRect fill;
    ColourRef fillColour = BrowserGrid::kCellColour;
    std::shared_ptr<const ThumbnailImage> thumbnail;
    IntPoint thumbnailAt;
    bool showName = false;
    IntRect nameStrip;
    std::string name;
    ColourRef nameColour = BrowserGrid::kNameColour;
    bool locked = false;
    IntRect lockedArea;  // "LOCKED" is centred in it
};

// "Browse Files": the image files of one folder as a grid of thumbnails, a page of rows
// at a time, with find, rename, copy and delete (one step of undo) and opening the
// chosen file. Thumbnails are made by a ThumbnailWorker in the background, the visible
// page first; PollThumbnails takes in what it has finished.
class ImageBrowserModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Browse Files";
    static constexpr std::string_view kFindText = "&Find";
    static constexpr std::string_view kRenameText = "&Rename";
    static constexpr std::string_view kCopyText = "&Copy";
    static constexpr std::string_view kDeleteText = "&Delete";
    static constexpr std::string_view kUndoText = "&Undo";
    static constexpr std::string_view kOpenText = "&Open";
    static constexpr std::string_view kBrowseText = "...";
    static constexpr std::string_view kNamesText = "File names";
    static constexpr std::string_view kColumnsLabel = "Columns:";
    static constexpr std::string_view kRowsLabel = "Rows:";
    static constexpr std::string_view kLocked = "LOCKED";
    static constexpr std::string_view kCaption = "%s    Size: %dx%d";

    static constexpr std::string_view kRenamePrompt = "Rename %s as:";
    static constexpr std::string_view kCopyPrompt = "Copy %s to:";
    static constexpr std::string_view kDeleteQuestion = "Are you sure you want to delete file %s?";
    static constexpr std::string_view kUndoCopyQuestion = "Are you sure you want to undo the copy?";
    static constexpr std::string_view kUndoRenameQuestion = "Are you sure you want to undo the rename?";
    static constexpr std::string_view kUndoDeleteQuestion = "Are you sure you want to undo the deletion?";
    static constexpr std::string_view kRenameFailed =
        "Renaming failed. Check that the file name does not already exist.";
    static constexpr std::string_view kCopyFailed =
        "Copying failed. Check that the file name does not already exist.";
    static constexpr std::string_view kDeletionFailed = "Deletion failed.";
    static constexpr std::string_view kUndoRenameFailed = "Rename failed.";
    static constexpr std::string_view kStatusTitle = "Status";
    static constexpr std::string_view kQuestionTitle = "Question";
    // Where a deleted file waits, in its folder, until the next deletion.
    static constexpr std::string_view kBackupName = "_backup_.bak";

    static constexpr std::string_view kSection = "Browse";
    static constexpr std::string_view kPathKey = "Path";
    static constexpr std::string_view kFileTypeKey = "File Type";
    static constexpr std::string_view kNamesKey = "Names";
    static constexpr std::string_view kColumnsKey = "Columns";
    static constexpr std::string_view kRowsKey = "Rows";

    // Thumbnails made ahead of the visible page take at most this much memory.
    static constexpr std::size_t kAheadBytes = std::size_t(96) << 20;

    // Without a worker, one with the default threads is made.
    ImageBrowserModel(Interaction& ui, SettingsStore& settings, std::unique_ptr<ThumbnailWorker> worker = {});
    ~ImageBrowserModel() override;

    std::string_view Title() const override { return kTitle; }

    // Reads the settings and lists the folder they name; `currentFolder` when they name
    // none or one that cannot be listed.
    void Load(const std::string& currentFolder);
    // Stores the folder, the file type, names, columns and rows.
    void Store() const;

    // The path box and "...": a folder that cannot be listed gives way to the current
    // one. The page goes back to the start and the list is made again.
    const std::string& Folder() const { return folder_; }
    void SetFolder(const std::string& folder);
    int FileType() const { return fileType_; }

    const BrowserGrid& Grid() const { return grid_; }
    // Typed columns and rows are brought into 1 to 25 (text that is no number counts as
    // 0); the value kept is returned, for the box to show.
    int SetColumnsText(std::string_view text);
    int SetRowsText(std::string_view text);
    void SetColumns(int columns);
    void SetRows(int rows);
    void SetShowNames(bool names);

    const std::vector<BrowserEntry>& Entries() const { return entries_; }
    // -1 when there is no file to select.
    int Selection() const { return selection_; }
    void Select(int index);
    // Moves the selection by `step` entries (kept inside the list) and the page with it.
    void MoveSelection(int step);

    // The page: rows from TopRow(), the scroll bar's position. The bar spans rows 0 to
    // LastRow(), a page of Rows() at a time, so the page can start at most at MaxTopRow().
    int TopRow() const { return topRow_; }
    int LastRow() const;
    int MaxTopRow() const;
    void ScrollTo(int row);
    int PageFirst() const;
    int PageEnd() const;  // the entry after the page's last

    // A click selects the file under it (true when there is one).
    bool ClickAt(int x, int y);
    // A double click inside the thumbnail area selects the file under it and opens the
    // selection (true when the dialog is to close).
    bool DoubleClickAt(int x, int y);

    std::vector<BrowserCellPaint> PageCells() const;
    // "name    Size: WxH" for the selection, empty when there is none.
    std::string Caption() const;
    // Thumbnails of the page made so far, of how many.
    std::pair<int, int> PageProgress() const;

    // Takes in the thumbnails the worker has finished; true when any of them is on the page.
    bool PollThumbnails();
    ThumbnailWorker& Worker() { return *worker_; }

    bool HasSelection() const { return selection_ >= 0; }
    bool CanUndo() const { return last_.kind != Operation::None; }
    void Find();
    void Rename();
    void Copy();
    void Delete();
    void Undo();

    // "&Open": stores the settings and names the file to open (true); false when nothing
    // is selected.
    bool Open();
    const std::optional<std::string>& OpenedPath() const { return opened_; }

private:
    enum class Operation { None, Copy, Rename, Delete };
    struct LastOperation {
        Operation kind = Operation::None;
        std::string oldPath;
        std::string newPath;
    };

    // Lists the folder again, selecting `select` when it is listed, else keeping the
    // selected place.
    void List(const std::string& select = {});
    void SelectName(const std::string& name);
    void GridChanged(int firstShown);
    // Asks the worker for the thumbnails of the page, then of the pages around it.
    void RequestThumbnails();
    std::string PathOf(const std::string& name) const;
    // Where a typed name points: beside the file unless it is a full path.
    std::string TargetOf(const std::string& typed) const;
    void Failed(std::string_view text);
    bool Confirm(std::string_view question);

    Interaction& ui_;
    SettingsStore& settings_;
    std::unique_ptr<ThumbnailWorker> worker_;
    std::string folder_;
    std::string currentFolder_;
    int fileType_ = 0;
    BrowserGrid grid_;
    std::vector<BrowserEntry> entries_;
    int selection_ = -1;
    int topRow_ = 0;
    std::uint64_t listing_ = 0;  // changes whenever entries or the thumbnail box change
    LastOperation last_;
    std::optional<std::string> opened_;
};

// The "Browse Files" command: shows the browser and gives the file the user chose to
// open, or nothing when the dialog was closed without opening one.
std::optional<std::string> RunBrowseFiles(Interaction& ui, SettingsStore& settings);

}  // namespace quillor
