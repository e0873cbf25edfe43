#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "brush/paint_brush.h"
#include "core/colour.h"

namespace quillor {

// How the text is drawn: the font family, its height in pixels, and its style.
struct TextStyle {
    std::string family;
    int pixelSize = 20;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    bool antiAlias = true;
};

// Text as the toolkit draws it: a surface of the size asked for, the text drawn in the
// ink colour from its top-left onto the paper colour, and the text's measured size.
struct DrawnText {
    int width = 0;
    int height = 0;
    int measuredWidth = 0;
    int measuredHeight = 0;
    std::vector<ColourRef> pixels;  // rows top-down
};

// Draws text with the platform's fonts; the window program gives one to the tools.
class TextRasteriser {
public:
    virtual ~TextRasteriser() = default;
    // The installed font families, in the order the text dialog lists them.
    virtual std::vector<std::string> Families() const = 0;
    virtual DrawnText Draw(std::string_view text, const TextStyle& style, ColourRef ink, ColourRef paper,
                           int width, int height) const = 0;
};

// The height of the surface text is drawn on: room for the largest size.
inline constexpr int kTextSurfaceHeight = 144;

// Makes `brush` the text brush of the target picture's depth from `text` drawn in the
// foreground colour on the background colour: as wide as the text plus half its height
// less one, but never more than twice the picture's width; as high as the text. On a
// palette picture every pixel that is not the background colour takes the foreground
// index. False, with the brush as it was, when nothing could be drawn.
bool BuildTextBrush(PaintBrush& brush, const TextRasteriser& rasteriser, std::string_view text,
                    const TextStyle& style, const PaintTarget& target);

}  // namespace quillor
