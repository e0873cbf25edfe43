#pragma once

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "utilities/folder_file_list.h"

namespace quillor {

// The folder box, its "..." browser, the filter box and the file list of the batch
// utilities, bound to a FolderFileList. Editing either box lists the folder again at once.
class FolderListPanel final : public QWidget {
public:
    FolderListPanel(FolderFileList& files, QAbstractItemView::SelectionMode mode, QWidget* parent);
    ~FolderListPanel() override;

    // Shows the list as the model has it now; it does so by itself whenever the model
    // lists the folder again.
    void ShowFiles();
    // Shows the model's selection on the list as it stands.
    void ShowSelection();

    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    QLineEdit* filter = nullptr;
    QListWidget* list = nullptr;
    // The folder browser behind "..."; empty when the user cancels it.
    std::function<QString(const QString& start)> chooseFolder;

private:
    void SelectionChanged();

    FolderFileList& files_;
};

}  // namespace quillor
