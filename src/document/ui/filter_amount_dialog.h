#pragma once

#include <QDialog>
#include <QLineEdit>

#include "document/filter_amount_model.h"

namespace quillor {

// "Sharpen Image", "Blur Image" and "Simplify Image": one number.
class FilterAmountDialog final : public QDialog {
public:
    FilterAmountDialog(FilterAmountModel& model, QWidget* parent = nullptr);
    QLineEdit* amount = nullptr;

private:
    FilterAmountModel& model_;
};

}  // namespace quillor
