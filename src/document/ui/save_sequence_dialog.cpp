#include "document/ui/save_sequence_dialog.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

// Puts back what the model kept of the typed text, leaving the cursor where it was
// when nothing was dropped.
void ShowKept(QLineEdit* edit, const std::string& kept) {
    const QString text = ToQString(kept);
    if (edit->text() == text) return;
    const int cursor = edit->cursorPosition() - (edit->text().size() - text.size());
    edit->setText(text);
    edit->setCursorPosition(std::max(0, int(std::min<qsizetype>(cursor, text.size()))));
}

QListWidget* MakeList(QWidget* parent, QAbstractItemView::SelectionMode mode) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(mode);
    list->setUniformItemSizes(true);
    list->setMinimumWidth(parent->fontMetrics().averageCharWidth() * 30);
    list->setMinimumHeight(parent->fontMetrics().height() * 12);
    return list;
}

}  // namespace

SaveSequenceDialog::SaveSequenceDialog(SaveSequenceModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, windowTitle(), start);
    };
    auto* layout = new QVBoxLayout(this);

    auto* pathRow = new QHBoxLayout;
    path = new QLineEdit(ToQString(model.PathText()), this);
    browse = new QPushButton(ToQString(SaveSequenceModel::kBrowseText), this);
    pathRow->addWidget(new QLabel(ToQString(SaveSequenceModel::kPathLabel), this));
    pathRow->addWidget(path, 1);
    pathRow->addWidget(browse);
    layout->addLayout(pathRow);

    auto* scriptBox = new QGroupBox(this);
    auto* scriptForm = new QFormLayout(scriptBox);
    script = new QCheckBox(ToQString(model.ScriptCaption()), scriptBox);
    script->setChecked(model.ScriptOn());
    scriptName = new QLineEdit(ToQString(model.ScriptName()), scriptBox);
    scriptName->setMaxLength(int(SaveSequenceModel::kScriptNameMaxChars));
    scriptForm->addRow(script);
    scriptForm->addRow(ToQString(SaveSequenceModel::kAsLabel), scriptName);
    layout->addWidget(scriptBox);

    auto* sequenceBox = new QGroupBox(this);
    auto* sequenceForm = new QFormLayout(sequenceBox);
    newSequence = new QCheckBox(ToQString(model.NewSequenceCaption()), sequenceBox);
    newSequence->setChecked(model.NewSequence());
    prefix = new QLineEdit(ToQString(model.Prefix()), sequenceBox);
    prefix->setMaxLength(int(SaveSequenceModel::kPrefixMaxChars));
    start = new QLineEdit(ToQString(model.StartText()), sequenceBox);
    start->setMaxLength(int(SaveSequenceModel::kStartMaxChars));
    type = new QComboBox(sequenceBox);
    for (const std::string_view t : kSequenceTypes) type->addItem(ToQString(t));
    type->setCurrentIndex(model.TypeIndex());
    sequenceForm->addRow(newSequence);
    sequenceForm->addRow(ToQString(SaveSequenceModel::kAsLabel), prefix);
    sequenceForm->addRow(ToQString(SaveSequenceModel::kStartLabel), start);
    sequenceForm->addRow(ToQString(SaveSequenceModel::kTypeLabel), type);
    layout->addWidget(sequenceBox);

    auto* lists = new QGridLayout;
    folderFiles = MakeList(this, QAbstractItemView::NoSelection);
    saveList = MakeList(this, QAbstractItemView::MultiSelection);
    saveListLabel = new QLabel(ToQString(model.SaveListLabel()), this);
    selectAll = new QPushButton(ToQString(SaveSequenceModel::kSelectAllText), this);
    deselectAll = new QPushButton(ToQString(SaveSequenceModel::kDeselectAllText), this);
    lists->addWidget(new QLabel(ToQString(SaveSequenceModel::kFolderFilesLabel), this), 0, 0);
    lists->addWidget(saveListLabel, 0, 1);
    lists->addWidget(folderFiles, 1, 0);
    lists->addWidget(saveList, 1, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(selectAll);
    listButtons->addWidget(deselectAll);
    listButtons->addStretch();
    lists->addLayout(listButtons, 2, 1);
    layout->addLayout(lists, 1);
    AddOkCancel(this, layout);

    connect(path, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (model_.SetPathText(FromQString(text))) ShowFolderFiles();
    });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = chooseFolder(ToQString(model_.PathText()));
        if (chosen.isEmpty()) return;
        model_.ChooseFolder(FromQString(chosen));
        path->setText(ToQString(model_.PathText()));
        ShowFolderFiles();
    });
    connect(script, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetScriptOn(on);
        ShowEnabling();
    });
    connect(scriptName, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetScriptName(FromQString(text));
        ShowKept(scriptName, model_.ScriptName());
    });
    connect(newSequence, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetNewSequence(on);
        ShowEnabling();
        ShowSaveList();
    });
    connect(prefix, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetPrefix(FromQString(text));
        ShowKept(prefix, model_.Prefix());
        ShowSaveList();
    });
    connect(start, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetStartText(FromQString(text));
        ShowKept(start, model_.StartText());
        ShowSaveList();
    });
    connect(type, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.SetTypeIndex(index);
        ShowSaveList();
    });
    connect(saveList, &QListWidget::itemSelectionChanged, this, [this] {
        for (int i = 0; i < saveList->count(); ++i) model_.SetItemSelected(std::size_t(i), saveList->item(i)->isSelected());
    });
    connect(selectAll, &QPushButton::clicked, this, [this] { saveList->selectAll(); });
    connect(deselectAll, &QPushButton::clicked, this, [this] { saveList->clearSelection(); });

    ShowEnabling();
    ShowFolderFiles();
    ShowSaveList();
}

void SaveSequenceDialog::ShowEnabling() {
    scriptName->setEnabled(model_.ScriptNameEnabled());
    prefix->setEnabled(model_.SequenceFieldsEnabled());
    start->setEnabled(model_.SequenceFieldsEnabled());
    type->setEnabled(model_.SequenceFieldsEnabled());
}

void SaveSequenceDialog::ShowFolderFiles() {
    folderFiles->clear();
    for (const std::string& name : model_.FolderFiles()) folderFiles->addItem(ToQString(name));
}

void SaveSequenceDialog::ShowSaveList() {
    const QSignalBlocker quiet(saveList);
    saveList->clear();
    for (std::size_t i = 0; i < model_.SaveItems().size(); ++i) {
        saveList->addItem(ToQString(model_.SaveItems()[i]));
        saveList->item(int(i))->setSelected(model_.ItemSelected(i));
    }
}

void SaveSequenceDialog::accept() {
    if (!RefusedOk(this, model_)) QDialog::accept();
}

}  // namespace quillor
