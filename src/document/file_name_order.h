#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// The order the composer lists image files in: names are split at their first ".", "_"
// or "-", and the pieces compare by their leading decimal number, then as bytes, piece
// after piece while they are equal. So "2.bmp" comes before "10.bmp" and "walk_2.bmp"
// before "walk_10.bmp", while "walk2.bmp" comes after "walk10.bmp" (neither piece starts
// with a digit, so they compare as text).
//
// True when `a` sorts after `b`. Names can tie ("a_.bmp" and "a-.bmp"), and ties keep
// the order they had.
bool FileNameSortsAfter(std::string_view a, std::string_view b);

// Sorts names by FileNameSortsAfter, keeping tied names in the order they came in.
void SortFileNames(std::vector<std::string>& names);

// The image files the composer offers in `folder`: every entry that is not a folder and
// whose name ends in ".bmp", ".jpg", ".jpeg", ".tla", ".tga", ".tiff", ".tif", ".png",
// ".pax", ".pcx" or ".psd" in any letter case, as bare names, sorted as above. Empty when
// the folder cannot be read.
std::vector<std::string> ListComposableImages(const std::string& folder);

// Every entry of `folder` that is not a folder, as bare names in byte order.
std::vector<std::string> ListFolderFiles(const std::string& folder);

// `folder` + "/" + `name`, without doubling the separator after "/" itself.
std::string JoinPath(const std::string& folder, const std::string& name);

// `folder`, or the process's working folder when it is empty: where a relative name
// points when no folder has been made current yet.
std::string FolderOrWorking(const std::string& folder);

// True when `path` names a folder that exists.
bool IsFolder(const std::string& path);

}  // namespace quillor
