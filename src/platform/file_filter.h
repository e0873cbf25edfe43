#pragma once

#include <string>
#include <vector>

namespace quillor {

struct FileFilterEntry {
    std::string name;                   // "PNG Files (*.png)"
    std::vector<std::string> patterns;  // "*.png"
};

// Splits a filter written "Name|pattern;pattern|Name|pattern|" into its entries.
std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter);

// The extension a filter entry stands for (".png"), or empty for "*.*".
std::string FilterExtension(const FileFilterEntry& entry);

}  // namespace quillor
