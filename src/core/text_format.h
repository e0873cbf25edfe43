#pragma once

#include <string>
#include <string_view>

namespace quillor {

// Fills the %s and %d markers of a message pattern in order, the way the program's fixed
// texts are written. Arguments are already text; a marker without an argument stays.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace quillor
