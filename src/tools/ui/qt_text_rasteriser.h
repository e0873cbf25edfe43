#pragma once

#include "tools/text_brush.h"

class QFont;

namespace quillor {

// Text drawn with Qt's fonts and text rendering.
class QtTextRasteriser final : public TextRasteriser {
public:
    std::vector<std::string> Families() const override;
    DrawnText Draw(std::string_view text, const TextStyle& style, ColourRef ink, ColourRef paper, int width,
                   int height) const override;
};

// The font a text style names.
QFont FontFor(const TextStyle& style);

}  // namespace quillor
