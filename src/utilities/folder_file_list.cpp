#include "utilities/folder_file_list.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/text_trim.h"
#include "document/file_name_order.h"

namespace quillor {

bool MatchesFileFilter(std::string_view name, std::string_view filter) {
    const std::string bare(name);
    const bool hidden = !bare.empty() && bare.front() == '.';
    if (TrimBlanks(filter).empty()) return !hidden;
    while (true) {
        const std::size_t cut = filter.find(';');
        const std::string_view piece = TrimBlanks(filter.substr(0, cut));
        if (!piece.empty()) {
            // "*.*" stands for every file, whether or not its name has a dot.
            const std::string pattern = piece == "*.*" ? std::string("*") : std::string(piece);
            if (::fnmatch(pattern.c_str(), bare.c_str(), FNM_CASEFOLD | FNM_PERIOD) == 0) return true;
        }
        if (cut == std::string_view::npos) return false;
        filter.remove_prefix(cut + 1);
    }
}

void FolderFileList::SetFolder(std::string_view folder) {
    folder_ = std::string(folder);
    Reread();
}

void FolderFileList::SetFilter(std::string_view filter) {
    filter_ = std::string(filter);
    Reread();
}

void FolderFileList::Set(std::string_view folder, std::string_view filter) {
    folder_ = std::string(folder);
    filter_ = std::string(filter);
    Reread();
}

void FolderFileList::Reread() {
    names_.clear();
    valid_ = false;
    std::error_code ec;
    if (!folder_.empty()) {
        std::filesystem::directory_iterator it(folder_, ec);
        if (!ec) {
            valid_ = true;
            for (const auto end = std::filesystem::directory_iterator(); it != end; it.increment(ec)) {
                if (ec) break;
                std::error_code typeError;
                // Links to folders are folders too, as entering them would show.
                if (it->is_directory(typeError)) continue;
                std::string name = it->path().filename().string();
                if (MatchesFileFilter(name, filter_)) names_.push_back(std::move(name));
            }
            // A listing cut short by an error is not the folder's content.
            if (ec) {
                valid_ = false;
                names_.clear();
            }
        }
    }
    if (order_ == Order::FileNames) {
        // Byte order first, so that names the file-name order ties keep one order.
        std::sort(names_.begin(), names_.end());
        SortFileNames(names_);
    } else {
        std::sort(names_.begin(), names_.end());
    }
    selected_.assign(names_.size(), false);
    if (listed_) listed_();
}

std::vector<std::string> FolderFileList::Entries() const {
    if (!valid_) return {std::string(kNotValid)};
    return names_;
}

std::string FolderFileList::PathOf(std::size_t index) const {
    return index < names_.size() ? JoinPath(folder_, names_[index]) : std::string();
}

void FolderFileList::SetSelected(std::size_t index, bool selected) {
    if (index < selected_.size()) selected_[index] = selected;
}

void FolderFileList::SelectOnly(std::size_t index) {
    selected_.assign(names_.size(), false);
    SetSelected(index, true);
}

void FolderFileList::SelectAll() { selected_.assign(names_.size(), true); }

void FolderFileList::DeselectAll() { selected_.assign(names_.size(), false); }

std::vector<std::size_t> FolderFileList::SelectedIndices() const {
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i]) indices.push_back(i);
    return indices;
}

std::vector<std::string> FolderFileList::SelectedNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i]) names.push_back(names_[i]);
    return names;
}

}  // namespace quillor
