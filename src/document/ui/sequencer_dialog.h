#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "document/sequencer_model.h"

namespace quillor {

// "Animation Sequencer": the image files of a folder on the left, the animation being
// put together on the right.
class SequencerDialog final : public QDialog {
public:
    SequencerDialog(SequencerModel& model, QWidget* parent = nullptr);

    // OK closes the dialog only with files in the sequence; otherwise it says why.
    void accept() override;

    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    QListWidget* files = nullptr;
    QPushButton* selectAll = nullptr;
    QPushButton* deselectAll = nullptr;
    QPushButton* add = nullptr;
    QListWidget* sequence = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* removeAll = nullptr;
    // The folder browser behind "..."; empty when the user cancels it.
    std::function<QString(const QString& start)> chooseFolder;

private:
    void ShowFiles();
    void ShowSequence();
    void FileSelectionChanged();

    SequencerModel& model_;
};

}  // namespace quillor
