#pragma once

#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <array>

#include "tools/fx_brush_model.h"

namespace quillor {

// "FX Brush Selection": the effect, and for the tint its opacity or gradient.
class FxBrushDialog final : public QDialog {
public:
    FxBrushDialog(FxBrushModel& model, QWidget* parent = nullptr);
    void accept() override;

    QRadioButton* smooth = nullptr;
    QRadioButton* tint = nullptr;
    QRadioButton* allBrush = nullptr;
    std::array<QRadioButton*, 5> directions{};
    QSlider* opacity = nullptr;
    QLabel* opacityText = nullptr;
    QSpinBox* from = nullptr;
    QSpinBox* to = nullptr;

private:
    void ShowEnabled();
    FxBrushModel& model_;
    std::vector<QWidget*> transparencyControls_;
};

}  // namespace quillor
