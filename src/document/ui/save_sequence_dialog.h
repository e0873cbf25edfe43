#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "document/save_sequence_model.h"

namespace quillor {

// "Save Animation Sequence" and "Save Layered Image": the output folder, the script,
// the new names of the frames and which frames are written.
class SaveSequenceDialog final : public QDialog {
public:
    SaveSequenceDialog(SaveSequenceModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only with at least one frame chosen; otherwise it says why.
    void accept() override;

    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    QCheckBox* script = nullptr;
    QLineEdit* scriptName = nullptr;
    QCheckBox* newSequence = nullptr;
    QLineEdit* prefix = nullptr;
    QLineEdit* start = nullptr;
    QComboBox* type = nullptr;
    QListWidget* folderFiles = nullptr;
    QLabel* saveListLabel = nullptr;
    QListWidget* saveList = nullptr;
    QPushButton* selectAll = nullptr;
    QPushButton* deselectAll = nullptr;
    // The folder browser behind "..."; empty when the user cancels it.
    std::function<QString(const QString& start)> chooseFolder;

private:
    void ShowEnabling();
    void ShowFolderFiles();
    void ShowSaveList();

    SaveSequenceModel& model_;
};

}  // namespace quillor
