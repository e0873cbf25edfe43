#pragma once

#include <QDialog>
#include <QRadioButton>

#include "document/select_file_type_model.h"

namespace quillor {

class SelectFileTypeDialog final : public QDialog {
public:
    SelectFileTypeDialog(SelectFileTypeModel& model, QWidget* parent = nullptr);

    QRadioButton* first = nullptr;
    QRadioButton* second = nullptr;
};

// Binds the main window's own dialog models to their Qt dialogs.
void RegisterAppDialogs(class QtInteraction& ui);

}  // namespace quillor
