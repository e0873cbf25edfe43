#pragma once

#include <cstdint>
#include <numeric>
#include <vector>

#include "brush/paint_brush.h"

namespace quillor::testing {

// Makes `brush` a grabbed brush of width x height whose pixel bytes count up from
// `first` (each further frame from 50 more), so every pixel can be told apart; its
// palette is a grey ramp and its handle where a grab puts it.
inline void GrabCounting(PaintBrush& brush, bool trueColour, int width, int height, int frames = 1,
                         int first = 0) {
    BrushRecord& r = brush.Current(trueColour);
    r = BrushRecord{};
    r.borrowed = false;
    r.frameCount = std::uint32_t(frames);
    r.width = width;
    r.height = height;
    r.handleX = width / 2 + 1;
    r.handleY = height / 2 + 1;
    for (int f = 0; f < frames; ++f) {
        std::vector<std::uint8_t> pixels(std::size_t(width * height * (trueColour ? 3 : 1)));
        std::iota(pixels.begin(), pixels.end(), std::uint8_t(first + 50 * f));
        r.frames.push_back(pixels);
    }
    for (int i = 0; i < 256; ++i)
        r.palette[std::size_t(i)] = MakeColour(std::uint8_t(i), std::uint8_t(i), std::uint8_t(i));
    brush.kind = BrushKind::Grabbed;
}

}  // namespace quillor::testing
