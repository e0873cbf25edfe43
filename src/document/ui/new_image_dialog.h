#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "document/new_image_model.h"

namespace quillor {

// "New Image" and "New Images".
class NewImageDialog final : public QDialog {
public:
    NewImageDialog(NewImageModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only for a size the model accepts; otherwise it says why.
    void accept() override;

    QRadioButton* sizes[NewImageModel::kSizeChoices] = {};
    QLineEdit* width = nullptr;
    QLineEdit* height = nullptr;
    QRadioButton* colours[NewImageModel::kColourChoices] = {};

private:
    void ShowCustomState();

    NewImageModel& model_;
};

}  // namespace quillor
