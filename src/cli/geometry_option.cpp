#include "cli/geometry_option.h"

#include <charconv>
#include <string_view>

namespace quillor {

bool ParseWhole(std::string_view text, int& out) {
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, out);
    return error == std::errc() && stop == end && begin != end;
}

bool ParseGeometry(const std::string& text, bool offsets, GeometryValue& step) {
    const std::size_t times = text.find('x');
    if (times == std::string::npos) return false;
    std::size_t sizeEnd = text.find_first_of("+-", times + 1);
    if (!offsets && sizeEnd != std::string::npos) return false;
    if (offsets && sizeEnd == std::string::npos) return false;
    if (!ParseWhole(std::string_view(text).substr(0, times), step.width) ||
        !ParseWhole(std::string_view(text).substr(times + 1, sizeEnd - times - 1), step.height))
        return false;
    if (step.width < 1 || step.height < 1 || step.width > 65535 || step.height > 65535) return false;
    if (!offsets) return true;
    const std::size_t second = text.find_first_of("+-", sizeEnd + 1);
    if (second == std::string::npos) return false;
    const auto signedPart = [&](std::size_t from, std::size_t to, int& out) {
        std::string_view part = std::string_view(text).substr(from, to - from);
        const bool negative = part.front() == '-';
        part.remove_prefix(1);
        if (!ParseWhole(part, out)) return false;
        if (negative) out = -out;
        return true;
    };
    return signedPart(sizeEnd, second, step.x) && signedPart(second, text.size(), step.y);
}

}  // namespace quillor
