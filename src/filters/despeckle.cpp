#include "filters/despeckle.h"

#include <cstddef>
#include <vector>

#include "core/work_progress.h"
#include "filters/true_colour_lines.h"

namespace quillor {

namespace {

// One channel with a border of one cell of 0 all round, and the work plane beside it.
// Only picture cells are ever written, so both borders stay 0.
class HullPlanes {
public:
    HullPlanes(int width, int height)
        : width_(width), height_(height), pitch_(std::size_t(width) + 2),
          plane_(pitch_ * (std::size_t(height) + 2)), work_(plane_.size()) {}

    std::uint8_t* Cell(int x, int y) { return plane_.data() + (std::size_t(y) + 1) * pitch_ + std::size_t(x) + 1; }

    void Run() {
        // Directions as (columns, rows), rows counted downwards from the top.
        static constexpr int kDirections[4][2] = {{0, 1}, {1, 0}, {1, 1}, {-1, 1}};
        for (const auto& d : kDirections) {
            const std::ptrdiff_t o = std::ptrdiff_t(d[1]) * std::ptrdiff_t(pitch_) + d[0];
            Raise(o);
            Raise(-o);
            Lower(-o);
            Lower(o);
        }
    }

private:
    // The second sweep of a line needs the first sweep's lines above and below it only, so
    // the two run one line apart while those lines are still in the cache.
    template <typename First, typename Second>
    void Sweeps(First first, Second second) {
        for (int y = 0; y <= height_; ++y) {
            if (y < height_) first(plane_.data() + Start(y), work_.data() + Start(y));
            if (y > 0) second(work_.data() + Start(y - 1), plane_.data() + Start(y - 1));
        }
    }

    std::size_t Start(int y) const { return (std::size_t(y) + 1) * pitch_ + 1; }

    // Compared as ints: a neighbour of 255 plus one is 256 here, not 0.
    void Raise(std::ptrdiff_t o) {
        const int w = width_;
        Sweeps(
            [w, o](const std::uint8_t* p, std::uint8_t* t) {
                for (int x = 0; x < w; ++x) t[x] = std::uint8_t(p[x] + (int(p[x + o]) > int(p[x])));
            },
            [w, o](const std::uint8_t* t, std::uint8_t* p) {
                for (int x = 0; x < w; ++x) {
                    const int v = t[x];
                    p[x] = std::uint8_t(v + ((v <= int(t[x - o])) & (int(t[x + o]) > v)));
                }
            });
    }

    void Lower(std::ptrdiff_t o) {
        const int w = width_;
        Sweeps(
            [w, o](const std::uint8_t* p, std::uint8_t* t) {
                for (int x = 0; x < w; ++x) t[x] = std::uint8_t(p[x] - (int(p[x]) > int(p[x + o]) + 1));
            },
            [w, o](const std::uint8_t* t, std::uint8_t* p) {
                for (int x = 0; x < w; ++x) {
                    const int v = t[x];
                    p[x] = std::uint8_t(v - ((v > int(t[x - o]) + 1) & (int(t[x + o]) < v)));
                }
            });
    }

    int width_, height_;
    std::size_t pitch_;
    std::vector<std::uint8_t> plane_, work_;
};

void DespeckleRows(Rows rows) {
    // The channels never meet, so one plane pair serves all three in turn.
    HullPlanes planes(rows.width, rows.height);
    for (int channel = 0; channel < 3; ++channel) {
        const ProgressPass pass(channel, 3);
        for (int y = 0; y < rows.height; ++y) {
            const std::uint8_t* line = rows.Line(y) + channel;
            std::uint8_t* cell = planes.Cell(0, y);
            for (int x = 0; x < rows.width; ++x) cell[x] = line[std::size_t(x) * 3];
        }
        planes.Run();
        for (int y = 0; y < rows.height; ++y) {
            std::uint8_t* line = rows.Line(y) + channel;
            const std::uint8_t* cell = planes.Cell(0, y);
            for (int x = 0; x < rows.width; ++x) line[std::size_t(x) * 3] = cell[x];
        }
        ReportRows(1, 1);
    }
}

}  // namespace

bool Despeckle(std::uint8_t* buffer, int width, int height) {
    if (buffer == nullptr || width <= 0 || height <= 0) return false;
    DespeckleRows(PackedRows(buffer, width, height, 3));
    return true;
}

bool DespeckleImage(COXDIB& image) {
    if (!IsTrueColourImage(image)) return false;
    DespeckleRows(DibRows(image));
    return true;
}

}  // namespace quillor
