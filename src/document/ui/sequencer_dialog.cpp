#include "document/ui/sequencer_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

QListWidget* MakeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Folders may hold thousands of pictures.
    list->setUniformItemSizes(true);
    list->setMinimumWidth(parent->fontMetrics().averageCharWidth() * 32);
    list->setMinimumHeight(parent->fontMetrics().height() * 14);
    return list;
}

}  // namespace

SequencerDialog::SequencerDialog(SequencerModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, windowTitle(), start);
    };
    auto* layout = new QVBoxLayout(this);

    auto* pathRow = new QHBoxLayout;
    path = new QLineEdit(ToQString(model.PathText()), this);
    browse = new QPushButton(ToQString(SequencerModel::kBrowseText), this);
    pathRow->addWidget(new QLabel(ToQString(SequencerModel::kPathLabel), this));
    pathRow->addWidget(path, 1);
    pathRow->addWidget(browse);
    layout->addLayout(pathRow);

    auto* grid = new QGridLayout;
    files = MakeList(this);
    sequence = MakeList(this);
    add = new QPushButton(ToQString(SequencerModel::kAddText), this);
    add->setToolTip(ToQString(SequencerModel::kAddTip));
    selectAll = new QPushButton(ToQString(SequencerModel::kSelectAllText), this);
    deselectAll = new QPushButton(ToQString(SequencerModel::kDeselectAllText), this);
    remove = new QPushButton(ToQString(SequencerModel::kRemoveText), this);
    removeAll = new QPushButton(ToQString(SequencerModel::kRemoveAllText), this);
    grid->addWidget(files, 0, 0);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(add);
    middle->addStretch();
    grid->addLayout(middle, 0, 1);
    grid->addWidget(sequence, 0, 2);
    auto* fileButtons = new QHBoxLayout;
    fileButtons->addWidget(selectAll);
    fileButtons->addWidget(deselectAll);
    fileButtons->addStretch();
    grid->addLayout(fileButtons, 1, 0);
    auto* sequenceButtons = new QHBoxLayout;
    sequenceButtons->addWidget(remove);
    sequenceButtons->addWidget(removeAll);
    sequenceButtons->addStretch();
    grid->addLayout(sequenceButtons, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid, 1);
    AddOkCancel(this, layout);

    connect(path, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (model_.SetPathText(FromQString(text))) ShowFiles();
    });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFolder(ToQString(model_.ListedFolder()));
        if (chosen.isEmpty()) return;
        model_.ChooseFolder(FromQString(chosen));
        path->setText(ToQString(model_.PathText()));
        ShowFiles();
    });
    connect(files, &QListWidget::itemSelectionChanged, this, [this] { FileSelectionChanged(); });
    connect(selectAll, &QPushButton::clicked, this, [this] { files->selectAll(); });
    connect(deselectAll, &QPushButton::clicked, this, [this] { files->clearSelection(); });
    connect(add, &QPushButton::clicked, this, [this] {
        model_.AddSelected();
        ShowSequence();
    });
    connect(sequence, &QListWidget::itemSelectionChanged, this, [this] {
        for (int i = 0; i < sequence->count(); ++i) model_.SetSequenceSelected(std::size_t(i), sequence->item(i)->isSelected());
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        model_.RemoveSelected();
        ShowSequence();
    });
    connect(removeAll, &QPushButton::clicked, this, [this] {
        model_.RemoveAll();
        ShowSequence();
    });

    ShowFiles();
    ShowSequence();
}

void SequencerDialog::ShowFiles() {
    {
        const QSignalBlocker quiet(files);
        files->clear();
        for (std::size_t i = 0; i < model_.Files().size(); ++i) {
            files->addItem(ToQString(model_.Files()[i]));
            files->item(int(i))->setSelected(model_.FileSelected(i));
        }
    }
    add->setEnabled(model_.AddEnabled());
}

void SequencerDialog::FileSelectionChanged() {
    for (int i = 0; i < files->count(); ++i) model_.SetFileSelected(std::size_t(i), files->item(i)->isSelected());
    add->setEnabled(model_.AddEnabled());
}

void SequencerDialog::ShowSequence() {
    const QSignalBlocker quiet(sequence);
    sequence->clear();
    for (std::size_t i = 0; i < model_.Sequence().size(); ++i) {
        const std::string& full = model_.Sequence()[i];
        auto* item = new QListWidgetItem(ToQString(SequencerModel::SequenceItemText(full)), sequence);
        item->setToolTip(ToQString(full));
        item->setSelected(model_.SequenceSelected(i));
    }
}

void SequencerDialog::accept() {
    if (!RefusedOk(this, model_)) QDialog::accept();
}

}  // namespace quillor
