#include "utilities/ui/browser_name_dialogs.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

BrowserSearchDialog::BrowserSearchDialog(BrowserSearchModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToQString(BrowserSearchModel::kPrompt), this);
    text = new QLineEdit(ToQString(model.Text()), this);
    prompt->setBuddy(text);
    names = new QListWidget(this);
    // Folders may hold thousands of pictures.
    names->setUniformItemSizes(true);
    for (const std::string& name : model.Names()) names->addItem(ToQString(name));
    names->setMinimumHeight(fontMetrics().height() * 12);
    layout->addWidget(prompt);
    layout->addWidget(text);
    layout->addWidget(names, 1);
    AddOkCancel(this, layout);

    connect(text, &QLineEdit::textEdited, this, [this](const QString& typed) { model_.SetText(FromQString(typed)); });
    connect(names, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.Choose(std::size_t(row));
        text->setText(ToQString(model_.Text()));
    });
    connect(names, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

BrowserFileOperationDialog::BrowserFileOperationDialog(BrowserFileOperationModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ToQString(model.Prompt()), this);
    text = new QLineEdit(ToQString(model.Text()), this);
    prompt->setBuddy(text);
    layout->addWidget(prompt);
    layout->addWidget(text);
    AddOkCancel(this, layout);
    // The name is there to be edited; the extension usually stays.
    const int dot = text->text().lastIndexOf('.');
    text->setSelection(0, dot > 0 ? dot : text->text().size());
    connect(text, &QLineEdit::textEdited, this, [this](const QString& typed) { model_.SetText(FromQString(typed)); });
}

}  // namespace quillor
