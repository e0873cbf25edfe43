#include "formats/edit_text.h"

#include <charconv>

namespace quillor {

namespace {

// A byte that carries on the UTF-8 character before it.
bool ContinuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += ContinuesCharacter(c) ? 0 : 1;
    return count;
}

std::string LimitEditText(std::string_view text, std::size_t maxChars, bool digitsOnly) {
    std::string out;
    std::size_t chars = 0;
    for (char c : text) {
        if (digitsOnly && (c < '0' || c > '9')) continue;
        // A character is kept or dropped whole, never cut between its bytes.
        if (!ContinuesCharacter(c)) {
            if (chars == maxChars) break;
            ++chars;
        }
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
