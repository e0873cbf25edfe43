#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "utilities/browser_file_operation_model.h"
#include "utilities/browser_search_model.h"

namespace quillor {

// "Search": the folder's names in a list; clicking one puts it in the box, a double
// click takes it at once.
class BrowserSearchDialog final : public QDialog {
public:
    BrowserSearchDialog(BrowserSearchModel& model, QWidget* parent = nullptr);

    QLineEdit* text = nullptr;
    QListWidget* names = nullptr;

private:
    BrowserSearchModel& model_;
};

// "File Operation": the new name for a file being renamed or copied.
class BrowserFileOperationDialog final : public QDialog {
public:
    BrowserFileOperationDialog(BrowserFileOperationModel& model, QWidget* parent = nullptr);

    QLineEdit* text = nullptr;

private:
    BrowserFileOperationModel& model_;
};

}  // namespace quillor
