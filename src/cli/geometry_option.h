#pragma once

#include <string>
#include <string_view>

namespace quillor {

// A whole number, optionally signed with "+"; false for anything else.
bool ParseWhole(std::string_view text, int& out);

struct GeometryValue {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

// "WxH" (sides 1 to 65535), and with `offsets` "WxH+X+Y" or "WxH-X-Y", each offset
// signed on its own; false for anything else.
bool ParseGeometry(const std::string& text, bool offsets, GeometryValue& value);

}  // namespace quillor
