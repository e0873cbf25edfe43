#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/coxdib.h"
#include "core/work_progress.h"

namespace quillor {

// True-colour rows walked from the top line down, whatever their layout: the working
// buffer (red, green, blue, no padding, top-down) or a COXDIB's bottom-up rows (a
// negative stride). The 3 x 3 filters treat every channel alike and their edge rule is
// symmetric, so they can run straight on a frame's rows without a copy into a buffer.
template <typename Byte>
struct TrueColourLines {
    Byte* top = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;

    Byte* Row(int y) const { return top + std::ptrdiff_t(y) * stride; }
    std::size_t RowBytes() const { return std::size_t(width) * 3; }
};
using Lines = TrueColourLines<std::uint8_t>;
using ConstLines = TrueColourLines<const std::uint8_t>;

inline Lines BufferLines(std::uint8_t* buffer, int width, int height) {
    return {buffer, std::ptrdiff_t(width) * 3, width, height};
}
inline ConstLines BufferLines(const std::uint8_t* buffer, int width, int height) {
    return {buffer, std::ptrdiff_t(width) * 3, width, height};
}
// Only for a non-empty 24-bit image.
inline Lines ImageLines(COXDIB& image) {
    const DibSize size = image.GetSize();
    return {image.Line(0), -std::ptrdiff_t(image.GetStride()), size.width, size.height};
}
inline ConstLines ImageLines(const COXDIB& image) {
    const DibSize size = image.GetSize();
    return {image.Line(0), -std::ptrdiff_t(image.GetStride()), size.width, size.height};
}

inline ConstLines AsConst(Lines rows) { return {rows.top, rows.stride, rows.width, rows.height}; }

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
void ForEachLineTriplet(ConstLines in, Lines out, Kernel&& kernel) {
    const int h = in.height;
    const bool inPlace = in.top == out.top;
    if (!inPlace) {
        for (int y = 0; y < h; ++y) {
            const std::uint8_t* line = in.Row(y);
            kernel(y > 0 ? in.Row(y - 1) : line, line, y + 1 < h ? in.Row(y + 1) : line, out.Row(y));
            ReportRows(y + 1, h);
        }
        return;
    }
    const std::size_t bytes = in.RowBytes();
    std::vector<std::uint8_t> saved(bytes * 2);
    std::uint8_t* previous = saved.data();
    std::uint8_t* current = saved.data() + bytes;
    std::memcpy(current, in.Row(0), bytes);
    for (int y = 0; y < h; ++y) {
        kernel(y > 0 ? previous : current, current, y + 1 < h ? in.Row(y + 1) : current, out.Row(y));
        ReportRows(y + 1, h);
        if (y + 1 < h) {
            std::swap(previous, current);
            std::memcpy(current, in.Row(y + 1), bytes);
        }
    }
}

}  // namespace quillor
