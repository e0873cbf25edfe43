#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/coxdib.h"
#include "core/image_rows.h"
#include "core/work_progress.h"

namespace quillor {

// What the true-colour filters share. They run on rows from the top line down, whatever
// their layout: the working buffer (PackedRows) or a COXDIB's bottom-up rows (DibRows).
// The 3 x 3 filters treat every channel alike and their edge rule is symmetric, so they
// can run straight on a frame's rows without a copy into a buffer.

inline bool IsTrueColourImage(const COXDIB& image) {
    return !image.IsEmpty() && image.GetBitCount() == 24;
}

// The working-buffer forms refuse a missing buffer, an empty size, and an output that
// shares memory with its input (the filters read every input pixel after writing some).
inline bool BuffersUsable(const std::uint8_t* in, const std::uint8_t* out, int width, int height) {
    if (in == nullptr || out == nullptr || width <= 0 || height <= 0) return false;
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 3;
    const auto a = reinterpret_cast<std::uintptr_t>(in), b = reinterpret_cast<std::uintptr_t>(out);
    return a + bytes <= b || b + bytes <= a;
}

// Runs a 3 x 3 row kernel over every line with replicated edges: the line above the first
// and below the last are the line itself. `kernel(above, line, below, out)` sees only
// unchanged input, also when `in` and `out` are the same rows: two saved copies of the
// input lines stand in for those already overwritten.
template <typename Kernel>
void ForEachLineTriplet(ConstRows in, Rows out, Kernel&& kernel) {
    const int h = in.height;
    const bool inPlace = in.top == out.top;
    if (!inPlace) {
        for (int y = 0; y < h; ++y) {
            const std::uint8_t* line = in.Line(y);
            kernel(y > 0 ? in.Line(y - 1) : line, line, y + 1 < h ? in.Line(y + 1) : line, out.Line(y));
            ReportRows(y + 1, h);
        }
        return;
    }
    const std::size_t bytes = in.LineBytes(3);
    std::vector<std::uint8_t> saved(bytes * 2);
    std::uint8_t* previous = saved.data();
    std::uint8_t* current = saved.data() + bytes;
    std::memcpy(current, in.Line(0), bytes);
    for (int y = 0; y < h; ++y) {
        kernel(y > 0 ? previous : current, current, y + 1 < h ? in.Line(y + 1) : current, out.Line(y));
        ReportRows(y + 1, h);
        if (y + 1 < h) {
            std::swap(previous, current);
            std::memcpy(current, in.Line(y + 1), bytes);
        }
    }
}

}  // namespace quillor
