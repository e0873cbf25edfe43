#include "brush/brush_shape_model.h"

#include <vector>

#include "brush/paint_brush.h"

namespace quillor {
namespace {

std::vector<BrushShapeModel::Choice> MakeChoices() {
    using Picture = BrushShapeModel::Picture;
    std::vector<BrushShapeModel::Choice> choices;
    for (const BrushShape& shape : BrushShapes()) {
        const bool round = shape.fullRows < shape.size;
        const int group = shape.choice == kSinglePixelShape ? 2 : round ? 0 : 1;
        choices.push_back({shape.choice, shape.label, Picture::Shape, &shape, group});
    }
    choices.push_back({kCustomCircleShape, "Custom", Picture::CustomCircle, nullptr, 2});
    choices.push_back({kCustomSquareShape, "Custom", Picture::CustomSquare, nullptr, 2});
    choices.push_back(
        {kRestorePreviousShape, "Restore Previous", Picture::RestorePrevious, nullptr, 2});
    return choices;
}

}  // namespace

std::span<const BrushShapeModel::Choice> BrushShapeModel::Choices() {
    static const std::vector<Choice> choices = MakeChoices();
    return choices;
}

void BrushShapeModel::Choose(int id) {
    for (const Choice& choice : Choices())
        if (choice.id == id) chosen_ = id;
}

}  // namespace quillor
