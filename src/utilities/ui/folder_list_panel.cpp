#include "utilities/ui/folder_list_panel.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "platform/ui/qt_interaction.h"

namespace quillor {

FolderListPanel::FolderListPanel(FolderFileList& files, QAbstractItemView::SelectionMode mode, QWidget* parent)
    : QWidget(parent), files_(files) {
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, window()->windowTitle(), start);
    };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    path = new QLineEdit(ToQString(files.Folder()), this);
    browse = new QPushButton(ToQString(FolderFileList::kBrowseText), this);
    browse->setAutoDefault(false);
    browse->setMaximumWidth(browse->fontMetrics().horizontalAdvance(browse->text()) * 3 + 16);
    filter = new QLineEdit(ToQString(files.Filter()), this);
    list = new QListWidget(this);
    list->setSelectionMode(mode);
    // Folders may hold thousands of files.
    list->setUniformItemSizes(true);
    list->setMinimumWidth(fontMetrics().averageCharWidth() * 34);
    list->setMinimumHeight(fontMetrics().height() * 12);
    grid->addWidget(new QLabel(ToQString(FolderFileList::kPathLabel), this), 0, 0);
    grid->addWidget(path, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(new QLabel(ToQString(FolderFileList::kFilterLabel), this), 1, 0);
    grid->addWidget(filter, 1, 1, 1, 2);
    grid->addWidget(list, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(path, &QLineEdit::textEdited, this, [this](const QString& text) {
        files_.SetFolder(FromQString(text));
    });
    connect(filter, &QLineEdit::textEdited, this, [this](const QString& text) {
        files_.SetFilter(FromQString(text));
    });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFolder(ToQString(files_.Folder()));
        if (chosen.isEmpty()) return;
        path->setText(chosen);
        files_.SetFolder(FromQString(chosen));
    });
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    files_.SetListedListener([this] {
        ShowFiles();
        // A run holds the thread; the new names show before it reports.
        list->repaint();
    });
    ShowFiles();
}

FolderListPanel::~FolderListPanel() { files_.SetListedListener({}); }

void FolderListPanel::ShowFiles() {
    const QSignalBlocker quiet(list);
    list->clear();
    if (!files_.Valid()) {
        // The notice is not a file and cannot be chosen.
        auto* notice = new QListWidgetItem(ToQString(FolderFileList::kNotValid), list);
        notice->setFlags(Qt::ItemIsEnabled);
        return;
    }
    QStringList names;
    names.reserve(qsizetype(files_.Names().size()));
    for (const std::string& name : files_.Names()) names << ToQString(name);
    list->addItems(names);
    for (std::size_t i = 0; i < files_.Names().size(); ++i)
        if (files_.Selected(i)) list->item(int(i))->setSelected(true);
}

void FolderListPanel::ShowSelection() {
    if (!files_.Valid()) return;
    const QSignalBlocker quiet(list);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(files_.Selected(std::size_t(i)));
}

void FolderListPanel::SelectionChanged() {
    if (!files_.Valid()) return;
    for (int i = 0; i < list->count(); ++i) files_.SetSelected(std::size_t(i), list->item(i)->isSelected());
}

}  // namespace quillor
