#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "brush/paint_brush.h"
#include "core/coxdib.h"

namespace quillor {

// The FX brush's settings, as the "FX Brush Selection" dialog leaves them.
struct FxSettings {
    enum Type { SmoothBlur = 0, TransparencyTint = 1 };
    enum Controlled { LeftToRight = 0, RightToLeft = 1, TopToBottom = 2, BottomToTop = 3, CentreOutwards = 4 };
    int type = SmoothBlur;
    int opacity = 50;      // percent opaque, "All brush"
    bool allBrush = true;  // false: a gradient across the brush from `from` to `to`
    int controlled = CentreOutwards;
    int from = 100;
    int to = 0;
};

// How opaque the tint is at brush column j, row i of a w x h brush, percent. The four
// straight gradients run the other way round on palette pictures.
int FxOpacityAt(const FxSettings& settings, int j, int i, int w, int h, bool trueColour);

// One stroke of the FX brush: the picture as it was when the stroke began, and which of
// its pixels the stroke has changed already. Under each stamp of the brush the effect is
// worked out from that first picture, and each pixel is changed once at most, so going
// over a place again adds nothing.
class FxStroke {
public:
    FxStroke(const COXDIB& picture, const FxSettings& settings);

    bool Valid() const { return !source_.IsEmpty(); }
    // The effect under `brush` (its current frame) pasted with its top-left pixel at
    // (left, top) of `target`'s picture: only where the brush is not transparent, the
    // picture's colours admit the brush pixel and the stencil does not protect it.
    void Apply(const BrushRecord& brush, std::int64_t left, std::int64_t top, const PaintTarget& target);

private:
    // The first picture's pixel (x, y), clamped into it, as red, green, blue.
    void SourceColour(int x, int y, int& r, int& g, int& b) const;
    std::uint8_t NearestIndex(int r, int g, int b, unsigned limit);

    COXDIB source_;
    FxSettings settings_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> done_;
    std::unordered_map<std::uint32_t, std::uint8_t> nearest_;
};

}  // namespace quillor
