#pragma once

#include <QDialog>
#include <QRadioButton>
#include <QSpinBox>

#include "tools/magnify_options_model.h"

namespace quillor {

// "Magnification Options".
class MagnifyOptionsDialog final : public QDialog {
public:
    MagnifyOptionsDialog(MagnifyOptionsModel& model, QWidget* parent = nullptr);
    void accept() override;

    QRadioButton* choices[MagnifyOptionsModel::kChoices] = {};
    QSpinBox* fixed = nullptr;

private:
    MagnifyOptionsModel& model_;
};

}  // namespace quillor
