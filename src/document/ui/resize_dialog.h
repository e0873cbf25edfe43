#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QSpinBox>
#include <QToolButton>
#include <array>

#include "document/resize_model.h"

namespace quillor {

// "Resize/Crop".
class ResizeDialog final : public QDialog {
public:
    ResizeDialog(ResizeModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only for a size the model accepts; otherwise it says why.
    void accept() override;

    QSpinBox* width = nullptr;
    QSpinBox* height = nullptr;
    QSpinBox* offsetX = nullptr;
    QSpinBox* offsetY = nullptr;
    std::array<QToolButton*, 9> anchors{};
    QCheckBox* aspect = nullptr;
    QCheckBox* bilinear = nullptr;
    QCheckBox* rescale = nullptr;

private:
    void ShowModel();
    ResizeModel& model_;
    bool showing_ = false;
};

}  // namespace quillor
