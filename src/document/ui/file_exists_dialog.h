#pragma once

#include <QDialog>
#include <QPushButton>

#include "document/file_exists_model.h"

namespace quillor {

// "File Exists": one button per answer; every answer but Cancel closes it with OK.
class FileExistsDialog final : public QDialog {
public:
    FileExistsDialog(FileExistsModel& model, QWidget* parent = nullptr);

    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* yesToAll = nullptr;
    QPushButton* noToAll = nullptr;
    QPushButton* cancel = nullptr;

private:
    FileExistsModel& model_;
};

}  // namespace quillor
