#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QSlider>
#include <QSpinBox>
#include <array>

#include "document/colour_balance_model.h"

namespace quillor {

// "Colour Balance/Brightness": three sliders and their numbers, and the lock that moves
// them together; the picture follows live.
class ColourBalanceDialog final : public QDialog {
public:
    ColourBalanceDialog(ColourBalanceModel& model, QWidget* parent = nullptr);
    std::array<QSlider*, 3> sliders{};
    std::array<QSpinBox*, 3> values{};
    QCheckBox* lock = nullptr;

private:
    void ShowModel();
    ColourBalanceModel& model_;
};

}  // namespace quillor
