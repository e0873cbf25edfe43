// The brush stamped into the picture along the segments of a stroke. Pixels go straight
// into the rows: a stroke costs in proportion to the
// brush and the segment, never to the picture.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "brush/fx_stroke.h"
#include "brush/paint_brush.h"
#include "paint/segment_stepping.h"

namespace quillor {
namespace {

// The image's rows by picture line, so that no pixel goes through the image object.
struct Rows {
    explicit Rows(COXDIB& image)
        : bits(image.GetBits()),
          stride(std::ptrdiff_t(image.GetStride())),
          width(image.GetSize().width),
          height(image.GetSize().height) {}

    std::uint8_t* Line(std::int64_t y) const {
        return bits + std::ptrdiff_t(height - 1 - y) * stride;
    }
    bool Inside(std::int64_t x, std::int64_t y) const {
        return x >= 0 && y >= 0 && x < width && y < height;
    }

    std::uint8_t* bits;
    std::ptrdiff_t stride;
    int width;
    int height;
};

// Where a brush pasted at (x, y) lands, clipped to the picture: brush columns [x0, x1)
// and rows [y0, y1), whose pixel (bx, by) covers picture pixel (left + bx, top + by).
struct Placed {
    Placed(const BrushRecord& brush, const Rows& rows, int x, int y)
        : left(std::int64_t(x) - brush.width + brush.handleX),
          top(std::int64_t(y) - brush.height + brush.handleY),
          x0(int(std::clamp<std::int64_t>(-left, 0, brush.width))),
          x1(int(std::clamp<std::int64_t>(rows.width - left, 0, brush.width))),
          y0(int(std::clamp<std::int64_t>(-top, 0, brush.height))),
          y1(int(std::clamp<std::int64_t>(rows.height - top, 0, brush.height))) {}
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
    // The picture pixels the brush may change, blended edges included.
    IntRect Covered() const {
        return {int(left + x0), int(top + y0), int(left + x1), int(top + y1)};
    }

    std::int64_t left;
    std::int64_t top;
    int x0, x1, y0, y1;
};

void PastePalette(const BrushRecord& brush, const std::uint8_t* frame, const Rows& rows,
                  const Placed& at, const PaintTarget& target) {
    const std::uint8_t background = target.background;
    const unsigned limit = target.PaletteLimit();
    const bool stencil = bool(target.isProtected);
    for (int by = at.y0; by < at.y1; ++by) {
        const std::uint8_t* source = frame + std::size_t(by) * std::size_t(brush.width);
        std::uint8_t* line = rows.Line(at.top + by) + at.left;
        for (int bx = at.x0; bx < at.x1; ++bx) {
            const std::uint8_t p = source[bx];
            if (p == background) continue;
            if (!target.rightButton && p >= limit) continue;
            std::uint8_t& out = line[bx];
            if (stencil && target.isProtected(out)) continue;
            out = target.rightButton ? background : p;
        }
    }
}

void PasteTrueColour(const BrushRecord& brush, const std::uint8_t* frame, const Rows& rows,
                     const Placed& at, ColourRef background, bool paintBackground) {
    const std::uint8_t r = RedOf(background), g = GreenOf(background), b = BlueOf(background);
    for (int by = at.y0; by < at.y1; ++by) {
        const std::uint8_t* source = frame + std::size_t(by) * std::size_t(brush.width) * 3;
        std::uint8_t* line = rows.Line(at.top + by) + at.left * 3;
        for (int bx = at.x0; bx < at.x1; ++bx) {
            const std::uint8_t* s = source + 3 * bx;
            if (s[0] == r && s[1] == g && s[2] == b) continue;
            std::uint8_t* d = line + 3 * bx;
            if (paintBackground) {
                d[0] = b, d[1] = g, d[2] = r;
            } else {
                d[0] = s[2], d[1] = s[1], d[2] = s[0];
            }
        }
    }
}

// A picture pixel in the image's byte order.
struct Bgr {
    std::uint8_t b = 0, g = 0, r = 0;
};

void WriteBlend(std::uint8_t* d, const std::uint8_t* brushRgb, Bgr under) {
    d[0] = std::uint8_t((brushRgb[2] + under.b) / 2);
    d[1] = std::uint8_t((brushRgb[1] + under.g) / 2);
    d[2] = std::uint8_t((brushRgb[0] + under.r) / 2);
}

// The brush with its outermost opaque pixels mixed half and half with the picture, so
// the edge of a stamp does not show as a hard step. The flags run over the whole brush,
// outside the picture too, so that clipping never changes which pixels count as edges.
void PasteBlended(const BrushRecord& brush, const std::uint8_t* frame, const Rows& rows,
                  const Placed& at, ColourRef background) {
    const int w = brush.width;
    const int h = brush.height;
    const std::uint8_t r = RedOf(background), g = GreenOf(background), b = BlueOf(background);
    thread_local std::vector<std::uint8_t> opaqueAbove;
    thread_local std::vector<Bgr> underAbove;
    opaqueAbove.assign(std::size_t(w), 0);
    underAbove.assign(std::size_t(w), Bgr{});
    // Where brush column bx lands on a picture line, or null off the picture.
    auto pixelAt = [&](std::uint8_t* line, int bx) -> std::uint8_t* {
        const std::int64_t x = at.left + bx;
        return line && x >= 0 && x < rows.width ? line + 3 * x : nullptr;
    };
    std::uint8_t* lineAbove = nullptr;
    for (int by = 0; by < h; ++by) {
        const std::int64_t y = at.top + by;
        std::uint8_t* line = y >= 0 && y < rows.height ? rows.Line(y) : nullptr;
        const bool lastRow = by == h - 1;
        bool inRun = false;
        Bgr underLeft;
        for (int bx = 0; bx < w; ++bx) {
            const std::uint8_t* s =
                frame + 3 * (std::size_t(by) * std::size_t(w) + std::size_t(bx));
            const bool opaque = !(s[0] == r && s[1] == g && s[2] == b);
            const bool lastColumn = bx == w - 1;
            std::uint8_t* d = pixelAt(line, bx);
            if (opaque && !(lastColumn && inRun) && !(lastRow && opaqueAbove[std::size_t(bx)])) {
                const Bgr under = d ? Bgr{d[0], d[1], d[2]} : Bgr{};
                underLeft = under;
                underAbove[std::size_t(bx)] = under;
                if (!inRun || !opaqueAbove[std::size_t(bx)]) {
                    inRun = true;
                    opaqueAbove[std::size_t(bx)] = 1;
                    if (d) WriteBlend(d, s, under);
                } else if (d) {
                    d[0] = s[2], d[1] = s[1], d[2] = s[0];
                }
                continue;
            }
            if (inRun) {
                if (!opaque) {
                    if (std::uint8_t* left = pixelAt(line, bx - 1))
                        WriteBlend(left, s - 3, underLeft);
                } else if (d) {
                    WriteBlend(d, s, Bgr{d[0], d[1], d[2]});
                }
            } else if (opaqueAbove[std::size_t(bx)]) {
                if (!opaque) {
                    if (std::uint8_t* up = pixelAt(lineAbove, bx))
                        WriteBlend(up, s - 3 * std::size_t(w), underAbove[std::size_t(bx)]);
                } else if (d) {
                    WriteBlend(d, s, Bgr{d[0], d[1], d[2]});
                }
            }
            opaqueAbove[std::size_t(bx)] = 0;
            inRun = false;
        }
        lineAbove = line;
    }
}

// The picture pixels a segment's points land on, found by stepping it without writing:
// the stepper's rounding, not the end points, decides which line a span lies on.
IntRect SteppedBounds(IntPoint from, IntPoint to, const Reach& reach, const Rows& rows) {
    IntRect bounds{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                   std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    StepWithin(from, to, reach, [&](int x, int y) {
        if (!rows.Inside(x, y)) return;
        bounds.left = std::min(bounds.left, x);
        bounds.top = std::min(bounds.top, y);
        bounds.right = std::max(bounds.right, x + 1);
        bounds.bottom = std::max(bounds.bottom, y + 1);
    });
    return bounds;
}

// A rubber-band point: shown over the picture in a colour that stands out from the pixel
// under it, or, when erasing, taken off the band again.
void DrawBandSegment(const PaintTarget& target, IntPoint from, IntPoint to) {
    if (target.band == nullptr) return;
    COXDIB& image = *target.image;
    const Rows picture(image);
    const Reach reach{0, picture.width - 1, 0, picture.height - 1};
    BandOverlay& band = *target.band;
    if (target.eraseBand) {
        StepWithin(from, to, reach, [&](int x, int y) {
            if (picture.Inside(x, y)) band.Erase({x, y});
        });
        return;
    }
    if (target.TrueColour()) {
        StepWithin(from, to, reach, [&](int x, int y) {
            if (!picture.Inside(x, y)) return;
            const std::uint8_t* p = picture.Line(y) + 3 * std::ptrdiff_t(x);
            band.Set({x, y}, p[0] + p[1] + p[2] < 3 * 128 ? 0xFFFFFFu : 0x000000u);
        });
        return;
    }
    const TableWord darkest = image.GetTableWord(target.bandDarkest);
    const TableWord lightest = image.GetTableWord(target.bandLightest);
    StepWithin(from, to, reach, [&](int x, int y) {
        if (!picture.Inside(x, y)) return;
        const TableWord w = image.GetTableWord(picture.Line(y)[x]);
        const unsigned mean = ((w >> 16 & 255) + (w >> 8 & 255) + (w & 255)) / 3;
        band.Set({x, y}, mean > 127 ? darkest : lightest);
    });
}

}  // namespace

void PaintBrush::PasteAt(PaintTarget& target, int x, int y) const {
    if (target.image == nullptr || target.image->IsEmpty()) return;
    const bool trueColour = target.TrueColour();
    const BrushRecord& brush = Current(trueColour);
    if (!brush.Exists() || brush.width <= 0 || brush.height <= 0) return;
    const std::uint8_t* frame = brush.frames[brush.currentFrame].data();
    if (brush.frames[brush.currentFrame].size() <
        std::size_t(brush.width) * std::size_t(brush.height) * (trueColour ? 3 : 1))
        return;
    const Rows rows(*target.image);
    const Placed at(brush, rows, x, y);
    if (!at.Empty()) {
        target.BeforeWrite(at.Covered());
        if (target.fx != nullptr && !target.rightButton)
            target.fx->Apply(brush, at.left, at.top, target);
        else if (!trueColour)
            PastePalette(brush, frame, rows, at, target);
        else if (target.antiAlias && !target.rightButton)
            PasteBlended(brush, frame, rows, at, target.BackgroundValue());
        else
            PasteTrueColour(brush, frame, rows, at, target.BackgroundValue(), target.rightButton);
    }
    target.pasted = true;
}

void PaintBrush::PasteSegment(PaintTarget& target, IntPoint from, IntPoint to, int colour,
                              bool useBrush) {
    if (target.image == nullptr || target.image->IsEmpty()) return;
    const bool trueColour = target.TrueColour();
    BrushRecord& brush = Current(trueColour);
    // The FX brush works through the brush, the single pixel too, even where a shape
    // would write plain pixels.
    const bool fxPixel = target.fx != nullptr && !target.rightButton && kind == BrushKind::SinglePixel;
    if (fxPixel) useBrush = true;
    if (colour == kBandColour) {
        DrawBandSegment(target, from, to);
    } else if (useBrush && (kind != BrushKind::SinglePixel || fxPixel) && brush.Exists()) {
        const DibSize size = target.image->GetSize();
        const Reach reach{1 - std::int64_t(brush.handleX),
                          std::int64_t(size.width) - 1 + brush.width - brush.handleX,
                          1 - std::int64_t(brush.handleY),
                          std::int64_t(size.height) - 1 + brush.height - brush.handleY};
        StepWithin(from, to, reach, [&](int x, int y) { PasteAt(target, x, y); });
    } else {
        const Rows rows(*target.image);
        const Reach reach{0, rows.width - 1, 0, rows.height - 1};
        // A row or column (the spans of filled shapes) is announced at once; a slanted
        // segment pixel by pixel, since its bounding box may be most of the picture.
        const bool straight = from.x == to.x || from.y == to.y;
        if (straight && target.guard) target.BeforeWrite(SteppedBounds(from, to, reach, rows));
        auto announce = [&](int px, int py) {
            if (!straight) target.BeforeWrite({px, py, px + 1, py + 1});
        };
        if (trueColour) {
            const ColourRef c = target.TableColour(colour);
            StepWithin(from, to, reach, [&](int x, int y) {
                if (!rows.Inside(x, y)) return;
                announce(x, y);
                std::uint8_t* d = rows.Line(y) + 3 * std::ptrdiff_t(x);
                d[0] = BlueOf(c), d[1] = GreenOf(c), d[2] = RedOf(c);
                target.pasted = false;
            });
        } else {
            const auto index = std::uint8_t(colour);
            const bool stencil = bool(target.isProtected);
            StepWithin(from, to, reach, [&](int x, int y) {
                if (!rows.Inside(x, y)) return;
                std::uint8_t& d = rows.Line(y)[x];
                if (stencil && target.isProtected(d)) return;
                announce(x, y);
                d = index;
                target.pasted = false;
            });
        }
    }
}

}  // namespace quillor
