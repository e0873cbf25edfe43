#pragma once

#include <span>
#include <string_view>

#include "platform/interaction.h"
#include "brush/brush_shapes.h"

namespace quillor {

// "Paint Brush Shape" (right click on the paint tool, or "Choose Paint Brush Shape"):
// one button per choice; pressing one is the OK that hands its identifier to
// PaintBrush::ChooseShape. Cancel leaves the brush as it was.
class BrushShapeModel final : public DialogModel {
  public:
    static constexpr std::string_view kTitle = "Paint Brush Shape";

    // What a choice's button shows beside its label.
    enum class Picture { Shape, CustomCircle, CustomSquare, RestorePrevious };
    struct Choice {
        int id;
        std::string_view label;
        Picture picture;
        const BrushShape* shape;  // the shape drawn, for Picture::Shape
        int group;                // round shapes, square shapes, the other entries
    };

    explicit BrushShapeModel(int currentChoice) : current_(currentChoice), chosen_(currentChoice) {}
    std::string_view Title() const override { return kTitle; }

    // Every choice in the order the dialog lays them out.
    static std::span<const Choice> Choices();

    int Current() const { return current_; }
    // A choice's button was pressed; identifiers the dialog does not offer are ignored.
    void Choose(int id);
    int Chosen() const { return chosen_; }

  private:
    int current_;
    int chosen_;
};

}  // namespace quillor
