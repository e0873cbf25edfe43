#include "tools/ui/text_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"
#include "tools/ui/qt_text_rasteriser.h"

namespace quillor {

TextDialog::TextDialog(TextModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    text = new QLineEdit(QString::fromStdString(model.Text()), this);
    layout->addWidget(text);

    auto* row = new QHBoxLayout;
    families = new QListWidget(this);
    for (const std::string& family : model.Families()) families->addItem(QString::fromStdString(family));
    if (families->count() > 0) families->setCurrentRow(model.Family());
    row->addWidget(families, 1);
    auto* right = new QVBoxLayout;
    sizes = new QComboBox(this);
    for (int size = TextModel::kSmallest; size <= TextModel::kLargest; ++size) sizes->addItem(QString::number(size));
    sizes->setCurrentIndex(model.SizeIndex());
    right->addWidget(sizes);
    const auto box = [this, right](const char* label, bool checked) {
        auto* check = new QCheckBox(tr(label), this);
        check->setChecked(checked);
        right->addWidget(check);
        connect(check, &QCheckBox::toggled, this, [this] {
            model_.bold = bold->isChecked();
            model_.italic = italic->isChecked();
            model_.strikeOut = strikeOut->isChecked();
            model_.underline = underline->isChecked();
            model_.antiAlias = antiAlias->isChecked();
            ShowSample();
        });
        return check;
    };
    bold = box("&Bold", model.bold);
    italic = box("&Italic", model.italic);
    strikeOut = box("&Strike Out", model.strikeOut);
    underline = box("&Underline", model.underline);
    antiAlias = box(TextModel::kAntiAliasText.data(), model.antiAlias);
    right->addStretch();
    row->addLayout(right);
    layout->addLayout(row);

    sample = new QLabel(ToQString(TextModel::kSample), this);
    sample->setMinimumHeight(TextModel::kLargest + 16);
    layout->addWidget(sample);
    AddOkCancel(this, layout);

    connect(text, &QLineEdit::textChanged, this, [this](const QString& t) { model_.SetText(t.toStdString()); });
    connect(families, &QListWidget::currentRowChanged, this, [this](int index) {
        model_.SetFamily(index);
        ShowSample();
    });
    connect(sizes, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.SetSizeIndex(index);
        ShowSample();
    });
    ShowSample();
    text->setFocus();
}

void TextDialog::ShowSample() { sample->setFont(FontFor(model_.Style())); }

void TextDialog::accept() {
    if (!RefusedOk(this, model_)) QDialog::accept();
}

}  // namespace quillor
