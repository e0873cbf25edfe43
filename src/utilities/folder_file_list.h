#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// True when `name` matches one of the patterns of `filter` ("*.bmp", or several joined by
// ";"), without regard to letter case: "PHOTO.BMP" is as much a bitmap as "photo.bmp".
// "*.*" and an empty filter take every name. Names starting with "." are hidden files here
// and match only a pattern that starts with "." itself.
bool MatchesFileFilter(std::string_view name, std::string_view filter);

// The file list of the batch utilities: the files of one folder whose names match a
// filter (folders left out), with the user's selection. A folder that cannot be read
// shows the single entry "(PATH NOT VALID)", which cannot be selected.
class FolderFileList {
public:
    static constexpr std::string_view kNotValid = "(PATH NOT VALID)";
    // The texts of the controls that show a list: its folder box, the folder browser's
    // button and the filter box.
    static constexpr std::string_view kPathLabel = "Path:";
    static constexpr std::string_view kBrowseText = "...";
    static constexpr std::string_view kFilterLabel = "File Type:";

    enum class Order {
        Bytes,      // byte order of the names
        FileNames,  // SortFileNames: numbers in names in numeric order
    };
    explicit FolderFileList(Order order = Order::Bytes) : order_(order) {}

    // Both re-read the list at once.
    void SetFolder(std::string_view folder);
    void SetFilter(std::string_view filter);
    void Set(std::string_view folder, std::string_view filter);
    // Lists the folder again; the selection is cleared.
    void Reread();
    // Told whenever the list has been read again, whoever asked for it: a window showing
    // the list follows the renames a run makes before the run reports.
    void SetListedListener(std::function<void()> listener) { listed_ = std::move(listener); }

    const std::string& Folder() const { return folder_; }
    const std::string& Filter() const { return filter_; }
    bool Valid() const { return valid_; }

    // The names of the matching files (empty when the folder is not valid).
    const std::vector<std::string>& Names() const { return names_; }
    // What the list shows: the names, or the single "(PATH NOT VALID)".
    std::vector<std::string> Entries() const;
    // `folder` + "/" + the name at `index`.
    std::string PathOf(std::size_t index) const;

    bool Selected(std::size_t index) const { return index < selected_.size() && selected_[index]; }
    void SetSelected(std::size_t index, bool selected);
    // Single selection: `index` alone, or nothing for an index out of range.
    void SelectOnly(std::size_t index);
    void SelectAll();
    void DeselectAll();
    std::vector<std::size_t> SelectedIndices() const;
    std::vector<std::string> SelectedNames() const;

private:
    Order order_;
    std::string folder_;
    std::string filter_;
    bool valid_ = false;
    std::vector<std::string> names_;
    std::vector<bool> selected_;
    std::function<void()> listed_;
};

}  // namespace quillor
