#include "filters/median.h"

#include <algorithm>
#include <vector>

#include "core/work_progress.h"
#include "filters/true_colour_lines.h"

namespace quillor {

namespace {

// The median of nine is the median of (largest of the column minima, median of the
// column medians, smallest of the column maxima) once each column of three is sorted.
// Each sorted column serves three pixels, and everything is min and max on bytes, which
// the compiler turns into wide vector operations.
class MedianKernel {
public:
    explicit MedianKernel(int width)
        : n_(std::size_t(width) * 3), low_(n_ + 6), mid_(n_ + 6), high_(n_ + 6) {}

    void operator()(const std::uint8_t* above, const std::uint8_t* line, const std::uint8_t* below,
                    std::uint8_t* target) {
        std::uint8_t* lo = low_.data() + 3;
        std::uint8_t* md = mid_.data() + 3;
        std::uint8_t* hi = high_.data() + 3;
        for (std::size_t i = 0; i < n_; ++i) {
            const std::uint8_t a = above[i], b = line[i], c = below[i];
            const std::uint8_t minAB = std::min(a, b), maxAB = std::max(a, b);
            lo[i] = std::min(minAB, c);
            hi[i] = std::max(maxAB, c);
            md[i] = std::max(minAB, std::min(maxAB, c));
        }
        // Replicated edge columns.
        for (std::size_t c = 0; c < 3; ++c) {
            low_[c] = lo[c], mid_[c] = md[c], high_[c] = hi[c];
            lo[n_ + c] = lo[n_ - 3 + c], md[n_ + c] = md[n_ - 3 + c], hi[n_ + c] = hi[n_ - 3 + c];
        }
        const std::uint8_t* l = low_.data();
        const std::uint8_t* m = mid_.data();
        const std::uint8_t* h = high_.data();
        for (std::size_t i = 0; i < n_; ++i) {
            const std::uint8_t maxLow = std::max(std::max(l[i], l[i + 3]), l[i + 6]);
            const std::uint8_t minHigh = std::min(std::min(h[i], h[i + 3]), h[i + 6]);
            const std::uint8_t m0 = m[i], m1 = m[i + 3], m2 = m[i + 6];
            const std::uint8_t medMid = std::max(std::min(m0, m1), std::min(std::max(m0, m1), m2));
            target[i] = std::max(std::min(maxLow, medMid), std::min(std::max(maxLow, medMid), minHigh));
        }
    }

private:
    std::size_t n_;
    std::vector<std::uint8_t> low_, mid_, high_;
};

void MedianRows(ConstRows in, Rows out) {
    MedianKernel kernel(in.width);
    ForEachLineTriplet(in, out, kernel);
}

}  // namespace

bool MedianPass(const std::uint8_t* in, std::uint8_t* out, int width, int height) {
    if (!BuffersUsable(in, out, width, height)) return false;
    MedianRows(PackedRows(in, width, height, 3), PackedRows(out, width, height, 3));
    return true;
}

bool Simplify(std::uint8_t* buffer, int width, int height, int factor) {
    if (buffer == nullptr || width <= 0 || height <= 0) return false;
    // Each pass may run in place: the row walk keeps the input lines it still needs.
    const Rows rows = PackedRows(buffer, width, height, 3);
    const int passes = std::min(factor, kMaxSimplifyFactor);
    for (int pass = 0; pass < passes; ++pass) {
        const ProgressPass progress(pass, passes);
        MedianRows(rows, rows);
    }
    return true;
}

bool SimplifyImage(COXDIB& image, int factor) {
    if (!IsTrueColourImage(image)) return false;
    const Rows rows = DibRows(image);
    const int passes = std::min(factor, kMaxSimplifyFactor);
    for (int pass = 0; pass < passes; ++pass) {
        const ProgressPass progress(pass, passes);
        MedianRows(rows, rows);
    }
    return true;
}

}  // namespace quillor
