#include "utilities/ui/dot_rename_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/ui/qt_interaction.h"

namespace quillor {

DotRenameDialog::DotRenameDialog(DotRenameModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    auto* layout = new QVBoxLayout(this);
    files = new FolderListPanel(model.Files(), QAbstractItemView::ExtendedSelection, this);
    layout->addWidget(files, 1);

    progress = new RenameProgressBar(model_.Progress(), this);
    layout->addWidget(progress);

    auto* buttons = new QHBoxLayout;
    removeDot = new QPushButton(ToQString(DotRenameModel::kRemoveText), this);
    addDot = new QPushButton(ToQString(DotRenameModel::kAddText), this);
    close = new QPushButton(ToQString(DotRenameModel::kCloseText), this);
    removeDot->setAutoDefault(false);
    addDot->setAutoDefault(false);
    close->setAutoDefault(false);
    buttons->addWidget(removeDot);
    buttons->addWidget(addDot);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(removeDot, &QPushButton::clicked, this, [this] {
        model_.RemoveDot();
    });
    connect(addDot, &QPushButton::clicked, this, [this] {
        model_.AddDot();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quillor
