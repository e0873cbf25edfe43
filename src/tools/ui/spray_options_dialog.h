#pragma once

#include <QDialog>
#include <QSpinBox>

#include "tools/spray_options_model.h"

namespace quillor {

// "Spray Paint Options".
class SprayOptionsDialog final : public QDialog {
public:
    SprayOptionsDialog(SprayOptionsModel& model, QWidget* parent = nullptr);
    void accept() override;

    QSpinBox* diameter = nullptr;
    QSpinBox* density = nullptr;

private:
    SprayOptionsModel& model_;
};

}  // namespace quillor
