#include "tools/shape_style_models.h"

namespace quillor {

// The defaults of "Square Only" and "Circle Only": rectangles, but circles.
ShapeStyleModel::ShapeStyleModel(Family family)
    : family_(family), style_(family == Family::Squares ? 1 : 0) {}

std::string_view ShapeStyleModel::Label(int choice) const {
    if (choice < 0 || choice >= kChoices) return {};
    return family_ == Family::Squares ? kSquareLabels[choice] : kCircleLabels[choice];
}

void ShapeStyleModel::Load(const ToolPreferences& preferences) {
    SetStyle(family_ == Family::Squares ? preferences.squareOnly : preferences.circleOnly);
}

void ShapeStyleModel::Store(ToolPreferences& preferences) const {
    (family_ == Family::Squares ? preferences.squareOnly : preferences.circleOnly) = style_;
}

void ShapeStyleModel::SetStyle(int style) {
    if (style >= 0 && style < kChoices) style_ = style;
}

}  // namespace quillor
