#pragma once

#include <QDialog>
#include <QLabel>
#include <QSpinBox>

#include "utilities/add_dot_model.h"

namespace quillor {

// "Add Dot": the offset of the dot, with the longest chosen name to count on.
class AddDotDialog final : public QDialog {
public:
    AddDotDialog(AddDotModel& model, QWidget* parent = nullptr);

    QSpinBox* offset = nullptr;
    QLabel* sample = nullptr;
    QLabel* result = nullptr;

    void accept() override;

private:
    AddDotModel& model_;
};

}  // namespace quillor
