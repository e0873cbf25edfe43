#pragma once

#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include "brush/brush_deform_model.h"

namespace quillor {

// The drawing area of "Brush Deform Tool": shows the model's canvas and hands it the
// mouse, in the area's own coordinates.
class DeformCanvas final : public QWidget {
public:
    DeformCanvas(BrushDeformModel& model, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    BrushDeformModel& model_;
};

// "Brush Deform Tool": the canvas, with OK and Cancel beside it.
class BrushDeformDialog final : public QDialog {
public:
    BrushDeformDialog(BrushDeformModel& model, QWidget* parent = nullptr);

    DeformCanvas* canvas = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

}  // namespace quillor
