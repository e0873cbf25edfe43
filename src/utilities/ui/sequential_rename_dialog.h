#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "utilities/sequential_rename_model.h"
#include "utilities/ui/folder_list_panel.h"
#include "utilities/ui/rename_progress_bar.h"

namespace quillor {

// "Batch Sequential File Rename": the folder's files in file-name order, the new names'
// base and first number, and the bar that follows a run.
class SequentialRenameDialog final : public QDialog {
public:
    SequentialRenameDialog(SequentialRenameModel& model, QWidget* parent = nullptr);

    FolderListPanel* files = nullptr;
    QLineEdit* nameBase = nullptr;
    QLineEdit* start = nullptr;
    QCheckBox* countDown = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* rename = nullptr;
    QPushButton* close = nullptr;

private:
    SequentialRenameModel& model_;
};

}  // namespace quillor
