#pragma once

#include <QDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <array>

#include "tools/animated_brush_model.h"

namespace quillor {

// "Animated Brush Settings".
class AnimatedBrushDialog final : public QDialog {
public:
    AnimatedBrushDialog(AnimatedBrushModel& model, QWidget* parent = nullptr);
    void accept() override;

    QSpinBox* frames = nullptr;
    std::array<QRadioButton*, 3> controls{};

private:
    AnimatedBrushModel& model_;
};

}  // namespace quillor
