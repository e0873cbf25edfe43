#include "filters/auto_brightness.h"

#include <array>
#include <cstddef>

#include "core/work_progress.h"
#include "filters/true_colour_lines.h"

namespace quillor {

namespace {

// The weighted grey of one pixel, computed as trunc(0.299 r + 0.587 g + 0.114 b) with the
// products looked up: each is the same double the expression itself would give.
class GreyOf {
public:
    GreyOf() {
        for (int v = 0; v < 256; ++v) {
            red_[std::size_t(v)] = 0.299 * v;
            green_[std::size_t(v)] = 0.587 * v;
            blue_[std::size_t(v)] = 0.114 * v;
        }
    }
    int operator()(unsigned r, unsigned g, unsigned b) const { return int(red_[r] + green_[g] + blue_[b]); }

private:
    std::array<double, 256> red_{}, green_{}, blue_{};
};

void Equalise(Rows rows) {
    // The byte offsets of red and blue within a pixel.
    const int redAt = rows.order == ChannelOrder::Rgb ? 0 : 2;
    const int blueAt = 2 - redAt;
    const GreyOf grey;
    // A 65535 x 65535 picture has over four thousand million pixels, and counts times
    // 255 go further still: 64 bits throughout.
    std::array<std::uint64_t, 256> histogram{};
    {
        const ProgressPass pass(0, 2);
        for (int y = 0; y < rows.height; ++y) {
            const std::uint8_t* p = rows.Line(y);
            for (int x = 0; x < rows.width; ++x, p += 3) ++histogram[std::size_t(grey(p[redAt], p[1], p[blueAt]))];
            ReportRows(y + 1, rows.height);
        }
    }
    histogram[0] = histogram[255] = 0;
    std::uint64_t counted = 0;
    for (std::uint64_t n : histogram) counted += n;

    // How far a pixel of each grey moves: grey - map(grey); black and white stay.
    std::array<int, 256> shift{};
    std::uint64_t atOrBelow = 0;
    for (int v = 1; v < 255; ++v) {
        atOrBelow += histogram[std::size_t(v)];
        const int mapped = counted == 0 ? 0 : int(atOrBelow * 255 / counted);
        shift[std::size_t(v)] = v - mapped;
    }

    const ProgressPass pass(1, 2);
    for (int y = 0; y < rows.height; ++y) {
        std::uint8_t* p = rows.Line(y);
        ReportRows(y, rows.height);
        for (int x = 0; x < rows.width; ++x, p += 3) {
            const int s = shift[std::size_t(grey(p[redAt], p[1], p[blueAt]))];
            for (int c = 0; c < 3; ++c) {
                const int v = p[c] - s;
                p[c] = std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
            }
        }
    }
}

}  // namespace

bool AutoBrightness(std::uint8_t* buffer, int width, int height) {
    if (buffer == nullptr || width <= 0 || height <= 0) return false;
    Equalise(PackedRows(buffer, width, height, 3));
    return true;
}

bool AutoBrightnessImage(COXDIB& image) {
    if (!IsTrueColourImage(image)) return false;
    Equalise(DibRows(image));
    return true;
}

}  // namespace quillor
