#include "utilities/ui/palette_mapper_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/ui/qt_interaction.h"

namespace quillor {

PaletteMapperDialog::PaletteMapperDialog(PaletteMapperModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);

    auto* lists = new QHBoxLayout;
    auto* sourceBox = new QGroupBox(ToQString(PaletteMapperModel::kSourceGroup), this);
    auto* sourceLayout = new QVBoxLayout(sourceBox);
    source = new FolderListPanel(model.Source(), QAbstractItemView::SingleSelection, sourceBox);
    sourceLayout->addWidget(source);
    lists->addWidget(sourceBox);

    auto* destinationBox = new QGroupBox(ToQString(PaletteMapperModel::kDestinationGroup), this);
    auto* destinationLayout = new QVBoxLayout(destinationBox);
    destination = new FolderListPanel(model.Destination(), QAbstractItemView::ExtendedSelection, destinationBox);
    destinationLayout->addWidget(destination);
    auto* selectionRow = new QHBoxLayout;
    selectAll = new QPushButton(ToQString(PaletteMapperModel::kSelectAllText), destinationBox);
    deselectAll = new QPushButton(ToQString(PaletteMapperModel::kDeselectAllText), destinationBox);
    selectAll->setAutoDefault(false);
    deselectAll->setAutoDefault(false);
    selectionRow->addWidget(selectAll);
    selectionRow->addWidget(deselectAll);
    selectionRow->addStretch();
    destinationLayout->addLayout(selectionRow);
    lists->addWidget(destinationBox);
    layout->addLayout(lists, 1);

    auto* bottom = new QHBoxLayout;
    auto* operations = new QVBoxLayout;
    replace = new QRadioButton(ToQString(PaletteMapperModel::kReplaceText), this);
    remap = new QRadioButton(ToQString(PaletteMapperModel::kReplaceText), this);
    auto* note = new QLabel(ToQString(PaletteMapperModel::kRemapNote), this);
    // The note reads as the second choice's continuation, under its text.
    note->setIndent(remap->sizeHint().width() - remap->fontMetrics().horizontalAdvance(remap->text()));
    operations->addWidget(replace);
    operations->addWidget(remap);
    operations->addWidget(note);
    bottom->addLayout(operations);
    bottom->addStretch();
    ok = new QPushButton(ToQString(PaletteMapperModel::kOkText), this);
    exit = new QPushButton(ToQString(PaletteMapperModel::kExitText), this);
    ok->setDefault(true);
    exit->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    bottom->addLayout(buttons);
    layout->addLayout(bottom);

    (model.Operation() == PaletteOperation::ReplaceAndRemap ? remap : replace)->setChecked(true);
    connect(replace, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.SetOperation(PaletteOperation::ReplacePalette);
    });
    connect(remap, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.SetOperation(PaletteOperation::ReplaceAndRemap);
    });
    connect(selectAll, &QPushButton::clicked, this, [this] {
        model_.Destination().SelectAll();
        destination->ShowSelection();
    });
    connect(deselectAll, &QPushButton::clicked, this, [this] {
        model_.Destination().DeselectAll();
        destination->ShowSelection();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Ok();
        // The files rewritten are no longer selected.
        destination->ShowSelection();
    });
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quillor
