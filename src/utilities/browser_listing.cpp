#include "utilities/browser_listing.h"

#include <algorithm>

#include "document/file_name_order.h"
#include "formats/image_file_type.h"

namespace quillor {

namespace {

// The pattern "*.ext" as the suffix ".ext".
std::string_view SuffixOf(std::string_view pattern) { return pattern.substr(1); }

}  // namespace

bool MatchesBrowserPattern(std::string_view name) {
    return std::any_of(kBrowserPatterns.begin(), kBrowserPatterns.end(), [name](std::string_view pattern) {
        return EndsWithNoCase(name, SuffixOf(pattern));
    });
}

std::vector<std::string> ListBrowserImages(const std::string& folder) {
    const std::vector<std::string> all = ListFolderFiles(folder);
    std::vector<std::string> names;
    for (const std::string_view pattern : kBrowserPatterns)
        for (const std::string& name : all)
            if (EndsWithNoCase(name, SuffixOf(pattern)))
                names.push_back(name);
    // Byte order (std::string compares bytes as unsigned), stable like the repeated
    // neighbour swaps it stands for; no name can match two patterns, so ties never occur.
    std::stable_sort(names.begin(), names.end());
    return names;
}

}  // namespace quillor
