#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "utilities/image_browser_model.h"
#include "utilities/ui/browser_grid_view.h"

namespace quillor {

// "Browse Files": the thumbnail grid with its scroll bar, the folder, the grid settings
// and the file commands. Thumbnails arrive from the model's worker while the dialog
// stays free to use; a timer takes them in and repaints.
class ImageBrowserDialog final : public QDialog {
public:
    // How often finished thumbnails are taken in, in milliseconds.
    static constexpr int kPollInterval = 30;

    ImageBrowserDialog(ImageBrowserModel& model, QWidget* parent = nullptr);

    QLineEdit* path = nullptr;
    QPushButton* browse = nullptr;
    BrowserGridView* grid = nullptr;
    QScrollBar* scroll = nullptr;
    QLabel* caption = nullptr;
    QProgressBar* progress = nullptr;
    QPushButton* find = nullptr;
    QPushButton* rename = nullptr;
    QPushButton* copy = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* undo = nullptr;
    QPushButton* open = nullptr;
    QPushButton* close = nullptr;
    QCheckBox* names = nullptr;
    QLineEdit* columns = nullptr;
    QLineEdit* rows = nullptr;
    // The folder browser behind "..."; empty when the user cancels it.
    std::function<QString(const QString& start)> chooseFolder;

    // Takes in finished thumbnails and shows the page, caption and progress as they are.
    void Refresh();
    // Shows the page, caption, progress and buttons as the model has them.
    void Show();

private:
    QPushButton* Button(std::string_view text, int y);
    void Run(void (ImageBrowserModel::*command)());
    void CountEdited(QLineEdit* box, int (ImageBrowserModel::*set)(std::string_view), const QString& text);
    void PathEntered();

    ImageBrowserModel& model_;
    QTimer poll_;
};

}  // namespace quillor
