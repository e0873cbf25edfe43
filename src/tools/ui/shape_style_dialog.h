#pragma once

#include <QDialog>
#include <QRadioButton>

#include "tools/shape_style_models.h"

namespace quillor {

// "Square Tools" and "Circle Tools".
class ShapeStyleDialog final : public QDialog {
public:
    ShapeStyleDialog(ShapeStyleModel& model, QWidget* parent = nullptr);

    QRadioButton* choices[ShapeStyleModel::kChoices] = {};

private:
    ShapeStyleModel& model_;
};

}  // namespace quillor
