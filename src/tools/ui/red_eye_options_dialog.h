#pragma once

#include <QDialog>
#include <QSpinBox>

#include "tools/red_eye_options_model.h"

namespace quillor {

// "Red Eye Elimination Settings": two percentages, each with its explanation.
class RedEyeOptionsDialog final : public QDialog {
public:
    RedEyeOptionsDialog(RedEyeOptionsModel& model, QWidget* parent = nullptr);
    void accept() override;

    QSpinBox* saturation = nullptr;
    QSpinBox* range = nullptr;

private:
    RedEyeOptionsModel& model_;
};

}  // namespace quillor
