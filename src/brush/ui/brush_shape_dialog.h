#pragma once

#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <vector>

#include "brush/brush_shape_model.h"

namespace quillor {

// "Paint Brush Shape": a grid of buttons, each with a picture of its brush and its label.
// A button press chooses and closes the dialog at once.
class BrushShapeDialog final : public QDialog {
  public:
    BrushShapeDialog(BrushShapeModel& model, QWidget* parent = nullptr);

    std::vector<QToolButton*> buttons;  // in the order of BrushShapeModel::Choices()
    QPushButton* cancel = nullptr;

  private:
    BrushShapeModel& model_;
};

}  // namespace quillor
