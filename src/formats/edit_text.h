#pragma once

#include <string>
#include <string_view>

namespace quillor {

// The characters of UTF-8 text, as an edit box counts them (not its bytes).
std::size_t CharacterCount(std::string_view text);

// What a dialog's edit box accepts: at most `maxChars` characters of UTF-8 text, digits
// only when `digitsOnly`. Mirrors the limits the Qt side puts on the widget.
std::string LimitEditText(std::string_view text, std::size_t maxChars, bool digitsOnly);

// The integer an edit holds (0 when it holds none), as an edit box's integer value reads.
int EditInteger(std::string_view text);

// A path as a dialog label shows it: longer than 60 characters, "..." and the last 60.
std::string ShortenedPathLabel(std::string_view path);

}  // namespace quillor
