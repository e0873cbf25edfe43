#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

#include "brush/resize_brush_model.h"

namespace quillor {

// "Resize Brush".
class ResizeBrushDialog final : public QDialog {
public:
    ResizeBrushDialog(ResizeBrushModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only for a size the model accepts; otherwise it says why.
    void accept() override;

    QSpinBox* width = nullptr;
    QSpinBox* height = nullptr;
    QCheckBox* aspect = nullptr;
    QLineEdit* ratio = nullptr;
    QCheckBox* useRatio = nullptr;

private:
    void ShowModel();
    ResizeBrushModel& model_;
    bool showing_ = false;
};

}  // namespace quillor
