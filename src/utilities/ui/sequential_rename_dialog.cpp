#include "utilities/ui/sequential_rename_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/ui/qt_interaction.h"

namespace quillor {

SequentialRenameDialog::SequentialRenameDialog(SequentialRenameModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    auto* layout = new QVBoxLayout(this);
    files = new FolderListPanel(model.Files(), QAbstractItemView::ExtendedSelection, this);
    layout->addWidget(files, 1);

    auto* form = new QFormLayout;
    nameBase = new QLineEdit(ToQString(model.NameBase()), this);
    start = new QLineEdit(ToQString(model.StartText()), this);
    countDown = new QCheckBox(ToQString(SequentialRenameModel::kCountDownText), this);
    countDown->setChecked(model.CountDown());
    form->addRow(ToQString(SequentialRenameModel::kNameBaseLabel), nameBase);
    form->addRow(ToQString(SequentialRenameModel::kStartLabel), start);
    form->addRow(QString(), countDown);
    layout->addLayout(form);

    progress = new RenameProgressBar(model_.Progress(), this);
    layout->addWidget(progress);

    auto* buttons = new QHBoxLayout;
    rename = new QPushButton(ToQString(SequentialRenameModel::kRenameText), this);
    close = new QPushButton(ToQString(SequentialRenameModel::kCloseText), this);
    rename->setDefault(true);
    close->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(rename);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(nameBase, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SetNameBase(FromQString(text)); });
    connect(start, &QLineEdit::textEdited, this, [this](const QString& text) { model_.SetStartText(FromQString(text)); });
    connect(countDown, &QCheckBox::toggled, this, [this](bool on) { model_.SetCountDown(on); });
    connect(rename, &QPushButton::clicked, this, [this] {
        model_.Rename();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quillor
