#pragma once

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "tools/symmetry_options_model.h"

namespace quillor {

// "Symmetry Options". "Centre" closes the dialog as OK does, with the model noting that
// the centre is to be placed next.
class SymmetryOptionsDialog final : public QDialog {
public:
    SymmetryOptionsDialog(SymmetryOptionsModel& model, QWidget* parent = nullptr);
    void accept() override;

    QRadioButton* styles[SymmetryOptionsModel::kStyles] = {};
    QSpinBox* points = nullptr;
    QSpinBox* width = nullptr;
    QSpinBox* height = nullptr;
    QPushButton* centre = nullptr;

private:
    SymmetryOptionsModel& model_;
};

}  // namespace quillor
