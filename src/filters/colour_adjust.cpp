#include "filters/colour_adjust.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/work_progress.h"
#include "filters/true_colour_lines.h"
#include "filters/tone_curves.h"

namespace quillor {

namespace {

std::uint8_t Limited(int v) { return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

bool IsPaletteImage(const COXDIB& image) { return !image.IsEmpty() && image.GetBitCount() <= 8; }

// `image` takes its changes from `original`: same depth, size and table length.
bool Matching(const COXDIB& original, const COXDIB& image) {
    return !original.IsEmpty() && !image.IsEmpty() && original.GetBitCount() == image.GetBitCount() &&
           original.GetSize() == image.GetSize() && original.GetColourCount() == image.GetColourCount();
}

// Writes original's pixel bytes through one table per byte position (blue, green, red
// as stored).
void MapPixels(const COXDIB& original, COXDIB& image, const std::array<std::uint8_t, 256> (&tables)[3]) {
    const ConstRows from = DibRows(original);
    const Rows to = DibRows(image);
    for (int y = 0; y < from.height; ++y) {
        const std::uint8_t* s = from.Line(y);
        std::uint8_t* d = to.Line(y);
        for (int x = 0; x < from.width; ++x, s += 3, d += 3) {
            d[0] = tables[0][s[0]];
            d[1] = tables[1][s[1]];
            d[2] = tables[2][s[2]];
        }
        ReportRows(y + 1, from.height);
    }
}

}  // namespace

int AdjustedTableEntries(const COXDIB& image, ColourMode mode) {
    if (!IsPaletteImage(image)) return 0;
    const int inMode = mode == ColourMode::Mono ? 2 : mode == ColourMode::Colours16 ? 16 : 256;
    return std::min(inMode, int(image.GetColourCount()));
}

bool BlackAndWhite(COXDIB& image, ColourMode mode) {
    if (IsPaletteImage(image)) {
        const int entries = AdjustedTableEntries(image, mode);
        for (int i = 0; i < entries; ++i) {
            const ColourRef c = image.GetColour(std::uint8_t(i));
            const auto m = std::uint8_t((RedOf(c) + GreenOf(c) + BlueOf(c)) / 3);
            image.SetColour(std::uint8_t(i), MakeColour(m, m, m));
        }
        return true;
    }
    if (!IsTrueColourImage(image)) return false;
    const Rows rows = DibRows(image);
    for (int y = 0; y < rows.height; ++y) {
        std::uint8_t* p = rows.Line(y);
        for (int x = 0; x < rows.width; ++x, p += 3) {
            const auto m = std::uint8_t((unsigned(p[0]) + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = m;
        }
        ReportRows(y + 1, rows.height);
    }
    return true;
}

bool Negative(COXDIB& image, ColourMode mode) {
    if (IsPaletteImage(image)) {
        const int entries = AdjustedTableEntries(image, mode);
        for (int i = 0; i < entries; ++i) {
            const ColourRef c = image.GetColour(std::uint8_t(i));
            image.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(255 - RedOf(c)), std::uint8_t(255 - GreenOf(c)),
                                                        std::uint8_t(255 - BlueOf(c))));
        }
        return true;
    }
    if (!IsTrueColourImage(image)) return false;
    const Rows rows = DibRows(image);
    const std::size_t n = rows.LineBytes(3);
    for (int y = 0; y < rows.height; ++y) {
        std::uint8_t* p = rows.Line(y);
        for (std::size_t i = 0; i < n; ++i) p[i] = std::uint8_t(255 - p[i]);
        ReportRows(y + 1, rows.height);
    }
    return true;
}

ColourBalanceValues MoveBalanceSlider(ColourBalanceValues values, BalanceChannel channel, int value,
                                      bool locked) {
    int* slots[3] = {&values.red, &values.green, &values.blue};
    const int moved = int(channel);
    value = std::clamp(value, -100, 100);
    const int step = value - *slots[moved];
    *slots[moved] = value;
    if (locked)
        for (int i = 0; i < 3; ++i)
            if (i != moved) *slots[i] = std::clamp(*slots[i] + step, -100, 100);
    return values;
}

int BalanceOffset(int value) { return value * 255 / 100; }

bool ColourBalance(const COXDIB& original, COXDIB& image, ColourMode mode, ColourBalanceValues values) {
    if (!Matching(original, image)) return false;
    const int red = BalanceOffset(values.red), green = BalanceOffset(values.green),
              blue = BalanceOffset(values.blue);
    if (IsPaletteImage(image)) {
        const int entries = AdjustedTableEntries(image, mode);
        for (int i = 0; i < entries; ++i) {
            const ColourRef c = original.GetColour(std::uint8_t(i));
            image.SetColour(std::uint8_t(i),
                            MakeColour(Limited(RedOf(c) + red), Limited(GreenOf(c) + green), Limited(BlueOf(c) + blue)));
        }
        return true;
    }
    if (!IsTrueColourImage(image)) return false;
    std::array<std::uint8_t, 256> tables[3];
    const int offsets[3] = {blue, green, red};  // in the order the bytes are stored
    for (int c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v) tables[c][std::size_t(v)] = Limited(v + offsets[c]);
    MapPixels(original, image, tables);
    return true;
}

bool Contrast(const COXDIB& original, COXDIB& image, ColourMode mode, int value) {
    if (!Matching(original, image)) return false;
    value = std::clamp(value, -100, 100);
    if (IsTrueColourImage(image)) return ApplyToneTable(original, image, ContrastTable(0, value / 100.0));
    const int entries = AdjustedTableEntries(image, mode);
    if (entries == 0) return false;
    // Single precision, as the palette form has always scaled its colours.
    const float k = float((value + 100) * 0.01);
    int sum = 0;
    for (int i = 0; i < entries; ++i) {
        const ColourRef c = original.GetColour(std::uint8_t(i));
        sum += (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3;
    }
    const int mean = sum / entries;
    auto scaled = [&](int x) {
        const float v = x <= mean && k >= 1 ? (2 - k) * float(x) : k * float(x);
        return Limited(int(v));
    };
    for (int i = 0; i < entries; ++i) {
        const ColourRef c = original.GetColour(std::uint8_t(i));
        image.SetColour(std::uint8_t(i), MakeColour(scaled(RedOf(c)), scaled(GreenOf(c)), scaled(BlueOf(c))));
    }
    return true;
}

bool Gamma(const COXDIB& original, COXDIB& image, int value) {
    if (!Matching(original, image) || !IsTrueColourImage(image)) return false;
    value = std::clamp(value, -100, 100);
    const std::optional<ToneTable> table = GammaTable(1 + value / 100.0);
    return table && ApplyToneTable(original, image, *table);
}

}  // namespace quillor
