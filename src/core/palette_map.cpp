// Nearest-colour mapping without dither. The picture's colours are grouped into cells
// of 8 x 8 x 8; for each cell a pixel falls into, the palette entries that could be
// nearest to some colour of the cell are listed once (an entry whose nearest point of
// the cell is farther than another entry's farthest point never is), so most cells have
// a single answer and the rest a short list to scan in index order, which keeps the
// lowest index winning ties exactly as a scan of the whole palette would.

#include "core/palette_map.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "core/nearest_colour.h"
#include "core/work_progress.h"

namespace quillor {

namespace {

template <class A, class B>
bool Usable(const ImageRows<A>& from, const ImageRows<B>& to, int paletteSize, const TableWord* palette) {
    return from.top && to.top && palette && from.width >= 1 && from.height >= 1 && to.width == from.width &&
           to.height == from.height && paletteSize >= 1 && paletteSize <= 256;
}

class CellCandidates {
public:
    explicit CellCandidates(const NearestColour& palette) : palette_(palette), start_(32768), count_(32768, 0) {}

    std::uint8_t Find(int red, int green, int blue) {
        const int cell = (red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3);
        if (count_[std::size_t(cell)] == 0) List(cell);
        const std::uint8_t* entry = &pool_[start_[std::size_t(cell)]];
        const int count = count_[std::size_t(cell)];
        if (count == 1) return entry[0];
        int best = INT_MAX, bestIndex = 0;
        for (int i = 0; i < count; ++i) {
            const int k = entry[i];
            const int dr = red - palette_.Red(k), dg = green - palette_.Green(k), db = blue - palette_.Blue(k);
            const int d = dr * dr + dg * dg + db * db;
            if (d < best) best = d, bestIndex = k;
        }
        return std::uint8_t(bestIndex);
    }

private:
    static int Nearer(int v, int low) { return v < low ? low - v : v > low + 7 ? v - low - 7 : 0; }
    static int Farther(int v, int low) { return std::max(std::abs(v - low), std::abs(v - low - 7)); }

    void List(int cell) {
        const int low[3] = {(cell >> 10) << 3, ((cell >> 5) & 31) << 3, (cell & 31) << 3};
        int least[256];
        int bound = INT_MAX;
        for (int k = 0; k < palette_.Size(); ++k) {
            const int v[3] = {palette_.Red(k), palette_.Green(k), palette_.Blue(k)};
            int nearest = 0, farthest = 0;
            for (int c = 0; c < 3; ++c) {
                const int n = Nearer(v[c], low[c]), f = Farther(v[c], low[c]);
                nearest += n * n;
                farthest += f * f;
            }
            least[k] = nearest;
            bound = std::min(bound, farthest);
        }
        start_[std::size_t(cell)] = std::uint32_t(pool_.size());
        for (int k = 0; k < palette_.Size(); ++k)
            if (least[k] <= bound) pool_.push_back(std::uint8_t(k));
        count_[std::size_t(cell)] = std::uint16_t(pool_.size() - start_[std::size_t(cell)]);
    }

    const NearestColour& palette_;
    std::vector<std::uint32_t> start_;
    std::vector<std::uint16_t> count_;
    std::vector<std::uint8_t> pool_;
};

template <int R, int B>
void MapRows(const ConstRows& pixels, const Rows& indices, const NearestColour& nearest) {
    CellCandidates cells(nearest);
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* p = pixels.Line(y);
        std::uint8_t* out = indices.Line(y);
        std::uint32_t lastKey = 0xFFFFFFFFu;
        std::uint8_t last = 0;
        for (int x = 0; x < pixels.width; ++x, p += 3) {
            const std::uint32_t key = std::uint32_t(p[R]) << 16 | std::uint32_t(p[1]) << 8 | p[B];
            if (key != lastKey) {
                lastKey = key;
                last = cells.Find(p[R], p[1], p[B]);
            }
            out[x] = last;
        }
        ReportRows(y + 1, pixels.height);
    }
}

template <int R, int B>
void ExpandRows(const ConstRows& indices, const Rows& pixels, const TableWord* palette) {
    for (int y = 0; y < indices.height; ++y) {
        const std::uint8_t* in = indices.Line(y);
        std::uint8_t* p = pixels.Line(y);
        for (int x = 0; x < indices.width; ++x, p += 3) {
            const TableWord w = palette[in[x]];
            p[R] = std::uint8_t(w >> 16);
            p[1] = std::uint8_t(w >> 8);
            p[B] = std::uint8_t(w);
        }
        ReportRows(y + 1, indices.height);
    }
}

}  // namespace

bool MapToPalette(ConstRows pixels, Rows indices, int paletteSize, const TableWord* palette) {
    if (!Usable(pixels, indices, paletteSize, palette)) return false;
    const NearestColour nearest(palette, paletteSize);
    if (pixels.order == ChannelOrder::Rgb)
        MapRows<0, 2>(pixels, indices, nearest);
    else
        MapRows<2, 0>(pixels, indices, nearest);
    return true;
}

bool MapToPalette(const std::uint8_t* rgb, int width, int height, std::uint8_t* indices, int paletteSize,
                  const TableWord* palette) {
    return MapToPalette(PackedRows(rgb, width, height, 3), PackedRows(indices, width, height, 1), paletteSize,
                        palette);
}

bool ExpandIndices(ConstRows indices, Rows pixels, int paletteSize, const TableWord* palette) {
    if (!Usable(indices, pixels, paletteSize, palette)) return false;
    if (pixels.order == ChannelOrder::Rgb)
        ExpandRows<0, 2>(indices, pixels, palette);
    else
        ExpandRows<2, 0>(indices, pixels, palette);
    return true;
}

bool ExpandIndices(const std::uint8_t* indices, std::uint8_t* rgb, int width, int height, int paletteSize,
                   const TableWord* palette) {
    return ExpandIndices(PackedRows(indices, width, height, 1), PackedRows(rgb, width, height, 3), paletteSize,
                         palette);
}

}  // namespace quillor
