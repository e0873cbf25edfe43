#pragma once

#include <QDialog>
#include <QPushButton>

#include "utilities/dot_rename_model.h"
#include "utilities/ui/folder_list_panel.h"
#include "utilities/ui/rename_progress_bar.h"

namespace quillor {

// The dot renamer: a folder's files, and the two buttons that take a dot out of the
// selected names or put one in.
class DotRenameDialog final : public QDialog {
public:
    DotRenameDialog(DotRenameModel& model, QWidget* parent = nullptr);

    FolderListPanel* files = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* removeDot = nullptr;
    QPushButton* addDot = nullptr;
    QPushButton* close = nullptr;

private:
    DotRenameModel& model_;
};

}  // namespace quillor
