// Bilinear rescaling. Every weight and every sum is formed in double precision in the
// order the rule gives it (pixel at the near column times its weight, plus the far one),
// and the compiler is not allowed to fuse or reorder them, so a picture rescales to the
// same bytes on every machine. Each source line is interpolated across once and reused
// for every destination line that reads it.

#include "core/resample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/colour.h"
#include "core/image_limits.h"
#include "core/nearest_colour.h"
#include "core/work_progress.h"

namespace quillor {

namespace {

// Where one destination column (or line) reads: two source positions and their weights.
struct Tap {
    int near = 0;
    int far = 0;
    double nearWeight = 1.0;
    double farWeight = 0.0;
};

std::vector<Tap> Taps(int oldSide, int newSide) {
    const double ratio = double(oldSide) / double(newSide);
    const double last = double(oldSide - 1);
    std::vector<Tap> taps(static_cast<std::size_t>(newSide));
    for (int i = 0; i < newSide; ++i) {
        double pos = double(i) * ratio;
        pos = std::min(pos, last);
        pos = std::max(pos, 0.0);
        const double base = std::floor(pos);
        Tap& t = taps[std::size_t(i)];
        t.near = int(base);
        t.far = std::min(t.near + 1, oldSide - 1);
        t.nearWeight = (base + 1.0) - pos;
        t.farWeight = pos - base;
    }
    return taps;
}

bool SidesOk(int width, int height, int newWidth, int newHeight) {
    return ImageSideOk(width) && ImageSideOk(height) && ImageSideOk(newWidth) && ImageSideOk(newHeight);
}

bool RowsOk(ConstRows rows, int pixelBytes) {
    return rows.top != nullptr &&
           std::uint64_t(std::abs(rows.step)) >= std::uint64_t(rows.width) * unsigned(pixelBytes);
}

// The address range the pixels of `rows` take, `pixelBytes` to a pixel.
std::pair<std::uintptr_t, std::uintptr_t> Extent(ConstRows rows, int pixelBytes) {
    const std::ptrdiff_t reach = std::ptrdiff_t(rows.height - 1) * rows.step;
    const auto top = reinterpret_cast<std::uintptr_t>(rows.top);
    const std::uintptr_t low = reach < 0 ? top - std::uintptr_t(-reach) : top;
    const std::uintptr_t high = (reach < 0 ? top : top + std::uintptr_t(reach)) + rows.LineBytes(pixelBytes);
    return {low, high};
}

bool Overlap(ConstRows in, ConstRows out, int pixelBytes) {
    const auto a = Extent(in, pixelBytes);
    const auto b = Extent(out, pixelBytes);
    return a.first < b.second && b.first < a.second;
}

// Keeps the two most recently needed source lines, each already worked across, so a
// line read by several destination lines (enlarging) is worked across once.
template <typename Value>
class LinePair {
public:
    explicit LinePair(std::size_t length) : first_(length), second_(length) {}

    // The worked lines `a` and `b`; `make(line, into)` fills one that is not kept yet.
    template <typename Make>
    std::pair<const Value*, const Value*> Get(int a, int b, Make&& make) {
        if (firstLine_ != a) {
            if (secondLine_ == a) {
                first_.swap(second_);
                std::swap(firstLine_, secondLine_);
            } else {
                make(a, first_.data());
                firstLine_ = a;
            }
        }
        if (b == a) return {first_.data(), first_.data()};
        if (secondLine_ != b) {
            make(b, second_.data());
            secondLine_ = b;
        }
        return {first_.data(), second_.data()};
    }

private:
    std::vector<Value> first_, second_;
    int firstLine_ = -1, secondLine_ = -1;
};

// A tap whose far weight is 0 has a near weight of exactly 1, and v * 1 + w * 0 is v
// exactly: such a tap reads one pixel as it is. Shrinking to a half, a third and so on
// uses nothing else, so those rescales cost no more than a copy.
bool Pure(const Tap& t) { return t.farWeight == 0.0; }

template <int Channels>
void AcrossLine(const std::uint8_t* src, const std::vector<Tap>& columns, double* out) {
    for (const Tap& t : columns) {
        const std::uint8_t* a = src + std::size_t(t.near) * Channels;
        const std::uint8_t* b = src + std::size_t(t.far) * Channels;
        if (Pure(t)) {
            for (int c = 0; c < Channels; ++c) out[c] = double(a[c]);
        } else {
            for (int c = 0; c < Channels; ++c) out[c] = double(a[c]) * t.nearWeight + double(b[c]) * t.farWeight;
        }
        out += Channels;
    }
}

template <int Channels>
void CopyPixels(const std::uint8_t* src, const std::vector<Tap>& columns, std::uint8_t* dst) {
    for (const Tap& t : columns) {
        const std::uint8_t* a = src + std::size_t(t.near) * Channels;
        for (int c = 0; c < Channels; ++c) dst[c] = a[c];
        dst += Channels;
    }
}

template <int Channels>
void ResampleChannels(ConstRows in, Rows out, const std::vector<Tap>& columns,
                      const std::vector<Tap>& lines) {
    const std::size_t length = columns.size() * Channels;
    const bool pureColumns = std::all_of(columns.begin(), columns.end(), Pure);
    LinePair<double> pair(length);
    auto across = [&](int line, double* into) { AcrossLine<Channels>(in.Line(line), columns, into); };
    for (std::size_t j = 0; j < lines.size(); ++j) {
        ReportRows(int(j), int(lines.size()));
        const Tap& t = lines[j];
        std::uint8_t* dst = out.Line(int(j));
        if (Pure(t)) {
            if (pureColumns) {
                CopyPixels<Channels>(in.Line(t.near), columns, dst);
                continue;
            }
            const double* upper = pair.Get(t.near, t.near, across).first;
            for (std::size_t k = 0; k < length; ++k) dst[k] = std::uint8_t(int(upper[k]));
            continue;
        }
        const auto [upper, lower] = pair.Get(t.near, t.far, across);
        const double wu = t.nearWeight, wl = t.farWeight;
        for (std::size_t k = 0; k < length; ++k) dst[k] = std::uint8_t(int(upper[k] * wu + lower[k] * wl));
    }
}

// The 256 entries of a palette of blue, green, red, 0 bytes as table words.
std::array<TableWord, 256> TableWords(const std::uint8_t* palette) {
    std::array<TableWord, 256> words{};
    for (int e = 0; e < 256; ++e) {
        const std::uint8_t* entry = palette + e * 4;
        words[std::size_t(e)] = MakeTableWord(entry[2], entry[1], entry[0]);
    }
    return words;
}

// The nearest of the first `size` palette colours by squared distance, the earlier entry
// keeping a tie. Answers are remembered per colour; a colour's answer never depends on
// what was asked before, so the memory only saves searching. Colours are asked for in the
// palette's byte order (blue, green, red). Each channel of a mix stays within 0..255, as
// the search needs: the weights are never negative and add up to 1, and truncation
// drops what rounding adds.
class NearestEntry {
public:
    NearestEntry(const std::uint8_t* palette, int size) : search_(TableWords(palette).data(), size) {
        for (int e = 0; e < 256; ++e)
            for (int c = 0; c < 3; ++c) colours_[std::size_t(e)][std::size_t(c)] = palette[e * 4 + c];
        keys_.fill(kNoKey);
    }

    const std::array<int, 3>& Colour(std::uint8_t index) const { return colours_[index]; }

    std::uint8_t Find(int c0, int c1, int c2) {
        const std::uint32_t key = std::uint32_t(c0) << 16 | std::uint32_t(c1) << 8 | std::uint32_t(c2);
        const std::size_t slot = (key * 2654435761u) >> (32 - kSlotBits);
        if (keys_[slot] != key) {
            keys_[slot] = key;
            values_[slot] = search_.Find(c2, c1, c0);
        }
        return values_[slot];
    }

private:
    static constexpr int kSlotBits = 12;
    static constexpr std::uint32_t kNoKey = 0xFFFFFFFFu;

    NearestColour search_;
    // Every entry, also those beyond the size: any index in the picture has a colour.
    std::array<std::array<int, 3>, 256> colours_{};
    std::array<std::uint32_t, std::size_t(1) << kSlotBits> keys_{};
    std::array<std::uint8_t, std::size_t(1) << kSlotBits> values_{};
};

// The index nearest to the mix of two entries' colours, each channel truncated.
std::uint8_t MixedEntry(NearestEntry& nearest, std::uint8_t a, std::uint8_t b, double wa, double wb) {
    const auto& ca = nearest.Colour(a);
    const auto& cb = nearest.Colour(b);
    return nearest.Find(int(double(ca[0]) * wa + double(cb[0]) * wb), int(double(ca[1]) * wa + double(cb[1]) * wb),
                        int(double(ca[2]) * wa + double(cb[2]) * wb));
}

}  // namespace

bool ResampleTrueColourRows(ConstRows in, Rows out, int bytesPerPixel) {
    if (bytesPerPixel < 1 || bytesPerPixel > 4) return false;
    if (!SidesOk(in.width, in.height, out.width, out.height)) return false;
    if (!RowsOk(in, bytesPerPixel) || !RowsOk(out, bytesPerPixel)) return false;
    // Writing over lines still to be read would feed results back in as source.
    if (Overlap(in, out, bytesPerPixel)) return false;

    const std::vector<Tap> columns = Taps(in.width, out.width);
    const std::vector<Tap> lines = Taps(in.height, out.height);
    switch (bytesPerPixel) {
        case 1: ResampleChannels<1>(in, out, columns, lines); break;
        case 2: ResampleChannels<2>(in, out, columns, lines); break;
        case 3: ResampleChannels<3>(in, out, columns, lines); break;
        default: ResampleChannels<4>(in, out, columns, lines); break;
    }
    return true;
}

bool ResamplePalettedRows(ConstRows in, Rows out, int paletteSize, const std::uint8_t* palette) {
    if (palette == nullptr || paletteSize < 1 || paletteSize > 256) return false;
    if (!SidesOk(in.width, in.height, out.width, out.height)) return false;
    if (!RowsOk(in, 1) || !RowsOk(out, 1)) return false;
    if (Overlap(in, out, 1)) return false;

    const std::vector<Tap> columns = Taps(in.width, out.width);
    const std::vector<Tap> lines = Taps(in.height, out.height);
    NearestEntry nearest(palette, paletteSize);
    // A pure tap mixes an entry with itself: its colour, mapped back, which need not be
    // the same index (an entry beyond the palette size, or a repeated colour).
    std::array<std::uint8_t, 256> remap{};
    for (int e = 0; e < 256; ++e) remap[std::size_t(e)] = MixedEntry(nearest, std::uint8_t(e), std::uint8_t(e), 1.0, 0.0);
    LinePair<std::uint8_t> pair(columns.size());
    auto across = [&](int line, std::uint8_t* into) {
        const std::uint8_t* src = in.Line(line);
        for (const Tap& t : columns)
            *into++ = Pure(t) ? remap[src[t.near]] : MixedEntry(nearest, src[t.near], src[t.far], t.nearWeight, t.farWeight);
    };
    for (std::size_t j = 0; j < lines.size(); ++j) {
        ReportRows(int(j), int(lines.size()));
        const Tap& t = lines[j];
        std::uint8_t* dst = out.Line(int(j));
        if (Pure(t)) {
            const std::uint8_t* upper = pair.Get(t.near, t.near, across).first;
            for (std::size_t i = 0; i < columns.size(); ++i) dst[i] = remap[upper[i]];
            continue;
        }
        const auto [upper, lower] = pair.Get(t.near, t.far, across);
        for (std::size_t i = 0; i < columns.size(); ++i)
            dst[i] = MixedEntry(nearest, upper[i], lower[i], t.nearWeight, t.farWeight);
    }
    return true;
}

bool ResampleTrueColour(const std::uint8_t* in, int width, int height, std::uint8_t* out, int newWidth,
                        int newHeight, int bytesPerPixel) {
    if (bytesPerPixel < 1 || bytesPerPixel > 4 || width < 1 || newWidth < 1) return false;
    return ResampleTrueColourRows(PackedRows(in, width, height, bytesPerPixel),
                                  PackedRows(out, newWidth, newHeight, bytesPerPixel), bytesPerPixel);
}

bool ResamplePaletted(const std::uint8_t* in, int width, int height, std::uint8_t* out, int newWidth,
                      int newHeight, int paletteSize, const std::uint8_t* palette) {
    if (width < 1 || newWidth < 1) return false;
    return ResamplePalettedRows(PackedRows(in, width, height, 1), PackedRows(out, newWidth, newHeight, 1),
                                paletteSize, palette);
}

}  // namespace quillor
