#pragma once

#include "tools/text_brush.h"

namespace quillor::testing {

// Draws "text" as a block of ink: one column per character, in rows 2 up to the size
// in pixels, measured as 1 more column per character and 4 more rows than it draws.
class FakeTextRasteriser final : public TextRasteriser {
public:
    std::vector<std::string> Families() const override { return {"Alpha", "Beta"}; }
    DrawnText Draw(std::string_view text, const TextStyle& style, ColourRef ink, ColourRef paper, int width,
                   int height) const override {
        DrawnText drawn;
        drawn.width = width;
        drawn.height = height;
        drawn.pixels.assign(std::size_t(width) * std::size_t(height), paper);
        for (int y = 2; y < style.pixelSize && y < height; ++y)
            for (int x = 0; x < int(text.size()) && x < width; ++x)
                drawn.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = ink;
        drawn.measuredWidth = int(text.size()) + 1;
        drawn.measuredHeight = style.pixelSize + 4;
        lastStyle = style;
        return drawn;
    }
    mutable TextStyle lastStyle;
};

}  // namespace quillor::testing
