#include "utilities/ui/image_browser_dialog.h"

#include <QFileDialog>
#include <QSignalBlocker>

#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

// The dialog is laid out around the thumbnail area's fixed place.
constexpr int kScrollX = BrowserGrid::kLeft + BrowserGrid::kWidth + 2;
constexpr int kButtonX = kScrollX + 24;
constexpr int kButtonWidth = 100;
constexpr int kRowHeight = 28;
constexpr int kCaptionY = BrowserGrid::kTop + BrowserGrid::kHeight + 6;

}  // namespace

QPushButton* ImageBrowserDialog::Button(std::string_view text, int y) {
    auto* button = new QPushButton(ToQString(text), this);
    button->setGeometry(kButtonX, y, kButtonWidth, kRowHeight);
    // Return in the path or number boxes must not press a button.
    button->setAutoDefault(false);
    return button;
}

ImageBrowserDialog::ImageBrowserDialog(ImageBrowserModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    chooseFolder = [this](const QString& start) { return QFileDialog::getExistingDirectory(this, windowTitle(), start); };

    path = new QLineEdit(this);
    path->setGeometry(BrowserGrid::kLeft - 1, 12, BrowserGrid::kWidth - 40, 26);
    browse = Button(ImageBrowserModel::kBrowseText, 12);
    browse->setGeometry(BrowserGrid::kLeft + BrowserGrid::kWidth - 36, 12, 38, 26);

    grid = new BrowserGridView(model, this);
    scroll = new QScrollBar(Qt::Vertical, this);
    scroll->setGeometry(kScrollX, BrowserGrid::kTop - 1, 18, BrowserGrid::kHeight + 2);
    caption = new QLabel(this);
    caption->setGeometry(BrowserGrid::kLeft, kCaptionY, BrowserGrid::kWidth, 20);
    progress = new QProgressBar(this);
    progress->setGeometry(BrowserGrid::kLeft, kCaptionY + 24, BrowserGrid::kWidth, 14);
    progress->setTextVisible(false);

    find = Button(ImageBrowserModel::kFindText, BrowserGrid::kTop - 1);
    rename = Button(ImageBrowserModel::kRenameText, BrowserGrid::kTop - 1 + 34);
    copy = Button(ImageBrowserModel::kCopyText, BrowserGrid::kTop - 1 + 68);
    remove = Button(ImageBrowserModel::kDeleteText, BrowserGrid::kTop - 1 + 102);
    undo = Button(ImageBrowserModel::kUndoText, BrowserGrid::kTop - 1 + 136);
    open = Button(ImageBrowserModel::kOpenText, BrowserGrid::kTop - 1 + 170);

    names = new QCheckBox(ToQString(ImageBrowserModel::kNamesText), this);
    names->setGeometry(kButtonX, BrowserGrid::kTop + 214, kButtonWidth + 20, 24);
    auto* columnsLabel = new QLabel(ToQString(ImageBrowserModel::kColumnsLabel), this);
    columnsLabel->setGeometry(kButtonX, BrowserGrid::kTop + 246, 64, 24);
    columns = new QLineEdit(this);
    columns->setGeometry(kButtonX + 64, BrowserGrid::kTop + 246, 36, 24);
    columnsLabel->setBuddy(columns);
    auto* rowsLabel = new QLabel(ToQString(ImageBrowserModel::kRowsLabel), this);
    rowsLabel->setGeometry(kButtonX, BrowserGrid::kTop + 276, 64, 24);
    rows = new QLineEdit(this);
    rows->setGeometry(kButtonX + 64, BrowserGrid::kTop + 276, 36, 24);
    rowsLabel->setBuddy(rows);
    close = Button("Close", BrowserGrid::kTop + BrowserGrid::kHeight - kRowHeight + 1);
    setFixedSize(kButtonX + kButtonWidth + 12, kCaptionY + 24 + 14 + 12);

    path->setText(ToQString(model.Folder()));
    names->setChecked(model.Grid().Names());
    columns->setText(QString::number(model.Grid().Columns()));
    rows->setText(QString::number(model.Grid().Rows()));

    connect(path, &QLineEdit::editingFinished, this, [this] { PathEntered(); });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFolder(ToQString(model_.Folder()));
        if (chosen.isEmpty()) return;
        model_.SetFolder(FromQString(chosen));
        Refresh();
    });
    connect(scroll, &QScrollBar::valueChanged, this, [this](int row) {
        model_.ScrollTo(row);
        Refresh();
    });
    connect(grid, &BrowserGridView::changed, this, [this] { Refresh(); });
    connect(grid, &BrowserGridView::opened, this, [this] { accept(); });
    connect(find, &QPushButton::clicked, this, [this] { Run(&ImageBrowserModel::Find); });
    connect(rename, &QPushButton::clicked, this, [this] { Run(&ImageBrowserModel::Rename); });
    connect(copy, &QPushButton::clicked, this, [this] { Run(&ImageBrowserModel::Copy); });
    connect(remove, &QPushButton::clicked, this, [this] { Run(&ImageBrowserModel::Delete); });
    connect(undo, &QPushButton::clicked, this, [this] { Run(&ImageBrowserModel::Undo); });
    connect(open, &QPushButton::clicked, this, [this] {
        if (model_.Open()) accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(names, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetShowNames(on);
        Refresh();
    });
    connect(columns, &QLineEdit::textEdited, this, [this](const QString& text) {
        CountEdited(columns, &ImageBrowserModel::SetColumnsText, text);
    });
    connect(rows, &QLineEdit::textEdited, this, [this](const QString& text) {
        CountEdited(rows, &ImageBrowserModel::SetRowsText, text);
    });
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (model_.PollThumbnails()) Show();
    });
    poll_.start(kPollInterval);

    Refresh();
    grid->setFocus();
}

void ImageBrowserDialog::Run(void (ImageBrowserModel::*command)()) {
    (model_.*command)();
    Refresh();
}

void ImageBrowserDialog::CountEdited(QLineEdit* box, int (ImageBrowserModel::*set)(std::string_view),
                                     const QString& text) {
    // An emptied box is on its way to a new number.
    if (text.trimmed().isEmpty()) return;
    const QString kept = QString::number((model_.*set)(FromQString(text)));
    if (kept != text) box->setText(kept);
    Refresh();
}

void ImageBrowserDialog::PathEntered() {
    if (!path->isModified()) return;
    model_.SetFolder(FromQString(path->text()));
    path->setText(ToQString(model_.Folder()));
    Refresh();
}

void ImageBrowserDialog::Refresh() {
    model_.PollThumbnails();
    Show();
}

void ImageBrowserDialog::Show() {
    // Text being typed stays until it is entered.
    if (!path->isModified()) path->setText(ToQString(model_.Folder()));
    {
        const QSignalBlocker quiet(scroll);
        scroll->setRange(0, model_.MaxTopRow());
        scroll->setPageStep(model_.Grid().Rows());
        scroll->setSingleStep(1);
        scroll->setValue(model_.TopRow());
    }
    caption->setText(ToQString(model_.Caption()));
    const auto [done, total] = model_.PageProgress();
    progress->setVisible(done < total);
    progress->setRange(0, std::max(total, 1));
    progress->setValue(done);
    const bool selected = model_.HasSelection();
    find->setEnabled(!model_.Entries().empty());
    rename->setEnabled(selected);
    copy->setEnabled(selected);
    remove->setEnabled(selected);
    open->setEnabled(selected);
    undo->setEnabled(model_.CanUndo());
    grid->update();
}

}  // namespace quillor
