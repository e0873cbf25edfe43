#include "brush/brush_deform_model.h"

#include <algorithm>
#include <cstdlib>

#include "brush/brush_deform.h"

namespace quillor {

std::pair<int, int> BrushDeformModel::CanvasFor(int brushWidth, int brushHeight) {
    constexpr int kExtra = 200;
    return {std::clamp(brushWidth + kExtra, 400, 1000), std::clamp(brushHeight + kExtra, 300, 700)};
}

BrushDeformModel::BrushDeformModel(PaintBrush& brush, bool trueColour, BrushColour background, int canvasWidth,
                                   int canvasHeight)
    : brush_(brush),
      trueColour_(trueColour),
      background_(background),
      canvasWidth_(canvasWidth),
      canvasHeight_(canvasHeight) {}

bool BrushDeformModel::Fits() const {
    const BrushRecord& record = brush_.Current(trueColour_);
    return record.Exists() && !record.borrowed && canvasWidth_ >= record.width + kRoom &&
           canvasHeight_ >= record.height + kRoom;
}

void BrushDeformModel::Start(std::uint32_t documentFrames) {
    brush_.SaveAsPrevious(trueColour_, documentFrames);
    copy_ = brush_.Current(trueColour_);
    const int left = canvasWidth_ / 2 - copy_.width / 2 + kCanvasOrigin;
    const int right = canvasWidth_ / 2 + copy_.width / 2 + kCanvasOrigin;
    const int top = canvasHeight_ / 2 - copy_.height / 2 + kCanvasOrigin;
    const int bottom = canvasHeight_ / 2 + copy_.height / 2 + kCanvasOrigin;
    corners_ = {IntPoint{left, top}, IntPoint{right, top}, IntPoint{right, bottom}, IntPoint{left, bottom}};
    selected_.reset();
}

void BrushDeformModel::Press(IntPoint point) {
    selected_.reset();
    for (int i = 3; i >= 0; --i) {
        const IntPoint c = corners_[std::size_t(i)];
        if (std::abs(point.x - c.x) < kCornerReach && std::abs(point.y - c.y) < kCornerReach) selected_ = i;
    }
}

void BrushDeformModel::Drag(IntPoint point) {
    if (!selected_) return;
    // A corner stays where its whole box is on the canvas.
    const int low = kCanvasOrigin + kCornerReach;
    if (point.x > low && point.x < canvasWidth_ + kCornerReach && point.y > low &&
        point.y < canvasHeight_ + kCornerReach)
        corners_[std::size_t(*selected_)] = point;
    DeformBrush(brush_.Current(trueColour_), copy_, corners_, trueColour_, background_);
}

std::uint32_t BrushDeformModel::Shown(const BrushColour& colour) const {
    if (trueColour_) return 0xff000000u | std::uint32_t(colour.bytes[0]) << 16 | std::uint32_t(colour.bytes[1]) << 8 |
                            colour.bytes[2];
    const ColourRef c = copy_.palette[colour.bytes[0]];
    return 0xff000000u | std::uint32_t(RedOf(c)) << 16 | std::uint32_t(GreenOf(c)) << 8 | BlueOf(c);
}

std::vector<std::uint32_t> BrushDeformModel::Picture() const {
    const int w = canvasWidth_, h = canvasHeight_;
    std::vector<std::uint32_t> picture(std::size_t(w) * std::size_t(h), Shown(background_));
    const auto put = [&](int x, int y, std::uint32_t value) {
        if (x >= 0 && y >= 0 && x < w && y < h) picture[std::size_t(y) * std::size_t(w) + std::size_t(x)] = value;
    };
    const BrushRecord& record = brush_.Current(trueColour_);
    if (const std::uint8_t* pixels = record.CurrentPixels()) {
        int left = corners_[0].x, top = corners_[0].y;
        for (const IntPoint& c : corners_) left = std::min(left, c.x), top = std::min(top, c.y);
        const std::size_t bytes = trueColour_ ? 3 : 1;
        for (int y = 0; y < record.height; ++y)
            for (int x = 0; x < record.width; ++x) {
                BrushColour colour;
                std::copy_n(pixels + (std::size_t(y) * std::size_t(record.width) + std::size_t(x)) * bytes, bytes,
                            colour.bytes);
                put(left - kCanvasOrigin + x, top - kCanvasOrigin + y, Shown(colour));
            }
    }
    const std::uint32_t box = Shown(background_.Complement());
    for (const IntPoint& c : corners_) {
        const int x0 = c.x - kCanvasOrigin - kCornerReach, y0 = c.y - kCanvasOrigin - kCornerReach;
        for (int i = 0; i <= 2 * kCornerReach; ++i) {
            put(x0 + i, y0, box);
            put(x0 + i, y0 + 2 * kCornerReach, box);
            put(x0, y0 + i, box);
            put(x0 + 2 * kCornerReach, y0 + i, box);
        }
    }
    return picture;
}

}  // namespace quillor
