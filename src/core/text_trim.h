#pragma once

#include <string_view>

namespace quillor {

// `text` without the spaces, tabs and line ends around it: typed fields, list entries and
// lines of settings files written on other systems all carry them.
inline std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace quillor
