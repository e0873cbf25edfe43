#include "tools/text_brush.h"

#include <algorithm>

namespace quillor {

bool BuildTextBrush(PaintBrush& brush, const TextRasteriser& rasteriser, std::string_view text,
                    const TextStyle& style, const PaintTarget& target) {
    if (target.image == nullptr || target.image->IsEmpty() || text.empty()) return false;
    const bool trueColour = target.TrueColour();
    const ColourRef ink = trueColour ? target.TableColour(target.foreground) : target.image->GetColour(target.foreground);
    const ColourRef paper =
        trueColour ? target.TableColour(target.background) : target.image->GetColour(target.background);
    const int surfaceWidth = 2 * target.image->GetSize().width;
    const DrawnText drawn = rasteriser.Draw(text, style, ink, paper, surfaceWidth, kTextSurfaceHeight);
    if (drawn.width != surfaceWidth || drawn.height != kTextSurfaceHeight ||
        drawn.pixels.size() != std::size_t(drawn.width) * std::size_t(drawn.height))
        return false;
    const int width = std::min(drawn.measuredWidth + drawn.measuredHeight / 2 - 1, surfaceWidth);
    const int height = std::min(drawn.measuredHeight, kTextSurfaceHeight);
    if (width < 1 || height < 1) return false;

    BrushRecord record;
    record.borrowed = false;
    record.frameCount = 1;
    record.width = width;
    record.height = height;
    record.handleX = width / 2 + 1;
    record.handleY = height / 2 + 1;
    record.rememberedBackground = target.BackgroundValue();
    const std::size_t bytes = trueColour ? 3 : 1;
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height) * bytes);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const ColourRef c = drawn.pixels[std::size_t(y) * std::size_t(drawn.width) + std::size_t(x)];
            std::uint8_t* p = &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * bytes];
            if (trueColour) {
                p[0] = RedOf(c), p[1] = GreenOf(c), p[2] = BlueOf(c);
            } else {
                p[0] = c == paper ? target.background : target.foreground;
            }
        }
    record.frames.push_back(std::move(pixels));
    for (int i = 0; i < 256; ++i) record.palette[std::size_t(i)] = target.image->GetColour(std::uint8_t(i));
    brush.Current(trueColour) = std::move(record);
    brush.kind = BrushKind::Custom;
    return true;
}

}  // namespace quillor
