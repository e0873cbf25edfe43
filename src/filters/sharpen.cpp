#include "filters/sharpen.h"

#include <algorithm>

#include "filters/column_sums.h"
#include "filters/true_colour_lines.h"

namespace quillor {

namespace {

// One line of bytes. Built twice, the wider vectors picked at run time where the processor
// has them; both do the same double arithmetic in the same order (no fused multiply-add),
// so the bytes never depend on the machine.
__attribute__((target_clones("avx2", "default"))) void SharpenLine(const std::uint16_t* sums,
                                                                     const std::uint8_t* line,
                                                                     std::uint8_t* target, std::size_t n,
                                                                     double k) {
    for (std::size_t i = 0; i < n; ++i) {
        const int c = line[i];
        const int neighbours = sums[i] + sums[i + 3] + sums[i + 6] - c;
        double value = c - k * (neighbours - 8 * c);
        value = value < 0 ? 0 : value > 255 ? 255 : value;
        target[i] = std::uint8_t(int(value));
    }
}

void SharpenRows(ConstRows in, Rows out, int percentage) {
    percentage = std::clamp(percentage, 0, 100);
    const double k = percentage * 0.005;
    const std::size_t n = in.LineBytes(3);
    ColumnSums columns(in.width);
    ForEachLineTriplet(in, out, [&](const std::uint8_t* above, const std::uint8_t* line,
                                    const std::uint8_t* below, std::uint8_t* target) {
        SharpenLine(columns.Fill(above, line, below), line, target, n, k);
    });
}

}  // namespace

bool Sharpen(const std::uint8_t* in, std::uint8_t* out, int width, int height, int percentage) {
    if (!BuffersUsable(in, out, width, height)) return false;
    SharpenRows(PackedRows(in, width, height, 3), PackedRows(out, width, height, 3), percentage);
    return true;
}

bool SharpenImage(COXDIB& image, int percentage) {
    if (!IsTrueColourImage(image)) return false;
    const Rows rows = DibRows(image);
    SharpenRows(rows, rows, percentage);
    return true;
}

}  // namespace quillor
