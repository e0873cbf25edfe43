#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "brush/brush_colour.h"
#include "brush/paint_brush.h"
#include "core/geometry.h"
#include "platform/interaction.h"

namespace quillor {

// "Brush Deform Tool": the brush on a canvas with a handle at each of its four corners;
// dragging a corner reshapes every frame of the brush at once. The brush from before
// the dialog becomes the previous brush, so Cancel, which keeps the reshaped brush, is
// undone by "Restore Previous Brush".
//
// Points are in the dialog's drawing area, which shows the canvas from (kCanvasOrigin,
// kCanvasOrigin) on.
class BrushDeformModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "Brush Deform Tool";
    static constexpr std::string_view kTooBigText = "Sorry, the brush is too big for the Brush Deform Tool.";
    static constexpr std::string_view kTooBigTitle = "Brush Too Big";
    static constexpr int kCanvasOrigin = 10;
    // A corner is taken within this distance, and shown as a box reaching as far.
    static constexpr int kCornerReach = 5;
    // A brush needs this much more canvas than its own size.
    static constexpr int kRoom = 15;

    // The canvas for a brush of this size: room all round to pull the corners out, no
    // smaller than a comfortable dialog and no larger than a screen holds.
    static std::pair<int, int> CanvasFor(int brushWidth, int brushHeight);

    BrushDeformModel(PaintBrush& brush, bool trueColour, BrushColour background, int canvasWidth,
                     int canvasHeight);
    std::string_view Title() const override { return kTitle; }

    // The brush exists and leaves kRoom of the canvas free each way.
    bool Fits() const;
    // Keeps the brush as the previous brush and as the copy every reshaping starts from,
    // and puts the corners round it in the middle of the canvas.
    void Start(std::uint32_t documentFrames);

    int CanvasWidth() const { return canvasWidth_; }
    int CanvasHeight() const { return canvasHeight_; }
    const std::array<IntPoint, 4>& Corners() const { return corners_; }
    std::optional<int> Selected() const { return selected_; }

    void Press(IntPoint point);
    void Drag(IntPoint point);
    void Release() { selected_.reset(); }

    // What the canvas shows, one 0xffRRGGBB value per pixel, rows top-down: the current
    // brush frame at its corners' top-left on the background, and a box round each corner
    // in the background's complement.
    std::vector<std::uint32_t> Picture() const;

private:
    std::uint32_t Shown(const BrushColour& colour) const;

    PaintBrush& brush_;
    bool trueColour_;
    BrushColour background_;
    int canvasWidth_;
    int canvasHeight_;
    BrushRecord copy_;
    std::array<IntPoint, 4> corners_{};
    std::optional<int> selected_;
};

}  // namespace quillor
