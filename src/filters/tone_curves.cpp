#include "filters/tone_curves.h"

#include <algorithm>
#include <cmath>

#include "core/work_progress.h"
#include "filters/true_colour_lines.h"

namespace quillor {

namespace {

struct CurvePoint {
    double x;
    double y;
};

double Limited(double v, double low, double high) { return v < low ? low : v > high ? high : v; }

double LimitedUnit(double v) { return std::isnan(v) ? 0.0 : Limited(v, -1.0, 1.0); }

}  // namespace

ToneTable ContrastTable(double brightness, double contrast) {
    const double b = LimitedUnit(brightness);
    const double c = LimitedUnit(contrast);
    CurvePoint p[5];
    if (c >= 0) {
        p[0] = {127 * c, 0};
        p[4] = {255 - 127 * c, 255};
    } else {
        p[0] = {0, -127 * c};
        p[4] = {255, 255 + 127 * c};
    }
    p[2] = {128, 128};
    const double a = 1 - std::fabs(c);
    p[1] = {(p[0].x + 128) * 0.5, p[0].y + a * (128 - p[0].y) * 0.5};
    p[3] = {(p[4].x + 128) * 0.5, p[4].y - a * (p[4].y - 128) * 0.5};
    for (CurvePoint& point : p) {
        point.x = Limited(point.x, 0, 255);
        point.y = Limited(point.y + 255 * b, 0, 255);
    }

    ToneTable table;
    for (int j = 0; j < 256; ++j) table[std::size_t(j)] = j <= 128 ? 0 : 255;
    for (int i = 0; i < 4; ++i) {
        const CurvePoint from = p[i], to = p[i + 1];
        const int h = int(from.x);
        const double run = to.x - from.x;
        // At contrast +1 two points share one x: such a step has no slope to follow (a
        // division would give infinity, and 0 x infinity not-a-number in the table).
        const double slope = run == 0 ? 0.0 : (to.y - from.y) / run;
        const int end = i == 3 ? 255 : std::min(h + int(run), 255);
        for (int j = h; j <= end; ++j)
            table[std::size_t(j)] = std::uint8_t(int(Limited((j - h) * slope + from.y, 0, 255)));
    }
    return table;
}

std::optional<ToneTable> GammaTable(double gamma) {
    if (!(gamma >= 0)) return std::nullopt;
    const double exponent = gamma == 0 ? 1.0 : 1 / gamma;
    ToneTable table;
    for (int i = 0; i < 256; ++i) {
        // Below 1 for every i < 256 with a positive exponent; the limit only guards a
        // huge exponent's rounding.
        const double v = 256 * std::pow(i / 256.0, exponent);
        table[std::size_t(i)] = std::uint8_t(std::min(int(v), 255));
    }
    return table;
}

void ApplyToneTable(std::uint8_t* buffer, int width, int height, const ToneTable& table) {
    const std::size_t n = std::size_t(width) * std::size_t(height) * 3;
    for (std::size_t i = 0; i < n; ++i) buffer[i] = table[buffer[i]];
}

bool ApplyToneTable(const COXDIB& original, COXDIB& image, const ToneTable& table) {
    if (!IsTrueColourImage(original) || !IsTrueColourImage(image) || original.GetSize() != image.GetSize())
        return false;
    const ConstRows from = DibRows(original);
    const Rows to = DibRows(image);
    const std::size_t n = from.LineBytes(3);
    for (int y = 0; y < from.height; ++y) {
        const std::uint8_t* s = from.Line(y);
        std::uint8_t* d = to.Line(y);
        for (std::size_t i = 0; i < n; ++i) d[i] = table[s[i]];
        ReportRows(y + 1, from.height);
    }
    return true;
}

bool ContrastCurve(std::uint8_t* buffer, int width, int height, double brightness, double contrast) {
    if (buffer == nullptr || width <= 0 || height <= 0) return false;
    ApplyToneTable(buffer, width, height, ContrastTable(brightness, contrast));
    return true;
}

bool GammaCurve(std::uint8_t* buffer, int width, int height, double gamma) {
    if (buffer == nullptr || width <= 0 || height <= 0) return false;
    const std::optional<ToneTable> table = GammaTable(gamma);
    if (!table) return false;
    ApplyToneTable(buffer, width, height, *table);
    return true;
}

}  // namespace quillor
