#include "brush/fx_stroke.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace quillor {

namespace {

// A straight gradient's opacity at `position` of `length`, from `start` towards `end`.
int Along(int start, int end, int position, int length, bool trueColour) {
    // Palette pictures divide first; the two orders can differ at exact steps.
    if (trueColour) return start + int(double(position) * double(end - start) / double(length));
    return start + int(double(end - start) / double(length) * double(position));
}

}  // namespace

int FxOpacityAt(const FxSettings& s, int j, int i, int w, int h, bool trueColour) {
    if (s.allBrush) return s.opacity;
    const int f = s.from, t = s.to;
    switch (s.controlled) {
        case FxSettings::LeftToRight: return trueColour ? Along(f, t, j, w, true) : Along(t, f, j, w, false);
        case FxSettings::RightToLeft: return trueColour ? Along(t, f, j, w, true) : Along(f, t, j, w, false);
        case FxSettings::TopToBottom: return trueColour ? Along(f, t, i, h, true) : Along(t, f, i, h, false);
        case FxSettings::BottomToTop: return trueColour ? Along(t, f, i, h, true) : Along(f, t, i, h, false);
        default: break;
    }
    const int radius = w < h ? w / 2 : h / 2;
    const int dx = j - w / 2, dy = i - h / 2;
    const int d = int(std::sqrt(double(dx * dx + dy * dy)));
    if (d > radius) return t;
    // A brush a pixel across has no radius: all of it is the centre.
    if (radius == 0) return f;
    return f + int(double(t - f) / double(radius) * double(d));
}

FxStroke::FxStroke(const COXDIB& picture, const FxSettings& settings) : settings_(settings) {
    if (!picture.CopyTo(source_)) return;
    const DibSize size = source_.GetSize();
    width_ = size.width;
    height_ = size.height;
    done_.assign(std::size_t(width_) * std::size_t(height_), 0);
}

void FxStroke::SourceColour(int x, int y, int& r, int& g, int& b) const {
    x = std::clamp(x, 0, width_ - 1);
    y = std::clamp(y, 0, height_ - 1);
    if (source_.GetBitCount() == 24) {
        const std::uint8_t* p = source_.Line(y) + std::size_t(x) * 3;
        b = p[0], g = p[1], r = p[2];
        return;
    }
    const ColourRef c = source_.GetColour(source_.Line(y)[x]);
    r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
}

std::uint8_t FxStroke::NearestIndex(int r, int g, int b, unsigned limit) {
    const std::uint32_t key = std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
    if (const auto known = nearest_.find(key); known != nearest_.end()) return known->second;
    // The smallest sum of channel differences; the first entry keeps a tie.
    int best = INT_MAX;
    std::uint8_t index = 0;
    for (unsigned e = 0; e < limit; ++e) {
        const ColourRef c = source_.GetColour(std::uint8_t(e));
        const int d = std::abs(r - RedOf(c)) + std::abs(g - GreenOf(c)) + std::abs(b - BlueOf(c));
        if (d < best) best = d, index = std::uint8_t(e);
    }
    nearest_.emplace(key, index);
    return index;
}

void FxStroke::Apply(const BrushRecord& brush, std::int64_t left, std::int64_t top, const PaintTarget& target) {
    COXDIB& image = *target.image;
    const DibSize size = image.GetSize();
    const std::uint8_t* frame = brush.CurrentPixels();
    if (frame == nullptr || size.width != width_ || size.height != height_) return;
    const bool trueColour = target.TrueColour();
    const unsigned limit = target.PaletteLimit();
    const ColourRef background = target.BackgroundValue();
    for (int i = 0; i < brush.height; ++i) {
        const std::int64_t y = top + i;
        if (y < 0 || y >= height_) continue;
        for (int j = 0; j < brush.width; ++j) {
            const std::int64_t x = left + j;
            if (x < 0 || x >= width_) continue;
            std::uint8_t& done = done_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            if (done) continue;
            const std::uint8_t* p = frame + (std::size_t(i) * std::size_t(brush.width) + std::size_t(j)) *
                                                (trueColour ? 3 : 1);
            int br, bg, bb;
            if (trueColour) {
                if (MakeColour(p[0], p[1], p[2]) == background) continue;
                br = p[0], bg = p[1], bb = p[2];
            } else {
                if (p[0] == background || p[0] >= limit) continue;
                std::uint8_t* pixel = image.Line(int(y)) + x;
                if (target.isProtected && target.isProtected(*pixel)) continue;
                const ColourRef c = source_.GetColour(p[0]);
                br = RedOf(c), bg = GreenOf(c), bb = BlueOf(c);
            }
            const int px = int(x), py = int(y);
            int r, g, b;
            if (settings_.type == FxSettings::SmoothBlur) {
                // The mean of the four neighbours in the first picture.
                int sr = 0, sg = 0, sb = 0;
                const int nx[4] = {px - 1, px + 1, px, px}, ny[4] = {py, py, py - 1, py + 1};
                for (int n = 0; n < 4; ++n) {
                    int cr, cg, cb;
                    const bool inside = nx[n] >= 0 && ny[n] >= 0 && nx[n] < width_ && ny[n] < height_;
                    SourceColour(inside ? nx[n] : px, inside ? ny[n] : py, cr, cg, cb);
                    sr += cr, sg += cg, sb += cb;
                }
                r = sr / 4, g = sg / 4, b = sb / 4;
            } else {
                const int opacity = FxOpacityAt(settings_, j, i, brush.width, brush.height, trueColour);
                SourceColour(px, py, r, g, b);
                r = (r * (100 - opacity) + br * opacity) / 100;
                g = (g * (100 - opacity) + bg * opacity) / 100;
                b = (b * (100 - opacity) + bb * opacity) / 100;
            }
            r = std::clamp(r, 0, 255), g = std::clamp(g, 0, 255), b = std::clamp(b, 0, 255);
            if (trueColour) {
                std::uint8_t* d = image.Line(py) + std::size_t(px) * 3;
                d[0] = std::uint8_t(b), d[1] = std::uint8_t(g), d[2] = std::uint8_t(r);
            } else {
                image.Line(py)[px] = NearestIndex(r, g, b, limit);
            }
            done = 1;
        }
    }
}

}  // namespace quillor
