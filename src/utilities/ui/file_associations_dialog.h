#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <vector>

#include "utilities/file_associations.h"

namespace quillor {

class QtInteraction;

class FileAssociationsDialog : public QDialog {
public:
    FileAssociationsDialog(FileAssociationsModel& model, QWidget* parent);

    std::vector<QCheckBox*> typeBoxes;
    std::vector<QLabel*> noApplication;
    QCheckBox* xpBox = nullptr;
};

void RegisterFileAssociationsDialog(QtInteraction& ui);

}  // namespace quillor
