#include "filters/blur.h"

#include <algorithm>
#include <vector>

#include "filters/column_sums.h"
#include "filters/true_colour_lines.h"

namespace quillor {

namespace {

void BlurRows(ConstRows in, Rows out, int percentage) {
    percentage = std::clamp(percentage, 0, 100);
    const double k = percentage * 0.01;
    const double rest = 1 - k;
    // The result depends only on the neighbours' mean and the value, so all 65536
    // outcomes are worked out once, with exactly the arithmetic a pixel would get.
    std::vector<std::uint8_t> outcome(256 * 256);
    for (int mean = 0; mean < 256; ++mean)
        for (int c = 0; c < 256; ++c)
            outcome[std::size_t(mean) * 256 + std::size_t(c)] = std::uint8_t(int(k * mean + rest * c));

    const std::size_t n = in.LineBytes(3);
    ColumnSums columns(in.width);
    // The means of a line are worked out in one loop the compiler can vectorise; only
    // the table look-ups are left to go one byte at a time.
    std::vector<std::uint8_t> means(n);
    ForEachLineTriplet(in, out, [&](const std::uint8_t* above, const std::uint8_t* line,
                                    const std::uint8_t* below, std::uint8_t* target) {
        const std::uint16_t* sums = columns.Fill(above, line, below);
        std::uint8_t* m = means.data();
        for (std::size_t i = 0; i < n; ++i)
            m[i] = std::uint8_t(unsigned(sums[i] + sums[i + 3] + sums[i + 6] - line[i]) >> 3);
        for (std::size_t i = 0; i < n; ++i) target[i] = outcome[std::size_t(m[i]) << 8 | line[i]];
    });
}

}  // namespace

bool Blur(const std::uint8_t* in, std::uint8_t* out, int width, int height, int percentage) {
    if (!BuffersUsable(in, out, width, height)) return false;
    BlurRows(PackedRows(in, width, height, 3), PackedRows(out, width, height, 3), percentage);
    return true;
}

bool BlurImage(COXDIB& image, int percentage) {
    if (!IsTrueColourImage(image)) return false;
    const Rows rows = DibRows(image);
    BlurRows(rows, rows, percentage);
    return true;
}

}  // namespace quillor
