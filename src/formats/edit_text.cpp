#include "formats/edit_text.h"

#include <charconv>

namespace quillor {

std::string LimitEditText(std::string_view text, std::size_t maxChars, bool digitsOnly) {
    std::string out;
    for (char c : text) {
        if (out.size() >= maxChars) break;
        if (digitsOnly && (c < '0' || c > '9')) continue;
        out += c;
    }
    return out;
}

int EditInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    (void)end;
    return ec == std::errc() ? value : 0;
}

std::string ShortenedPathLabel(std::string_view path) {
    if (path.size() <= 60) return std::string(path);
    return "..." + std::string(path.substr(path.size() - 60));
}

}  // namespace quillor
