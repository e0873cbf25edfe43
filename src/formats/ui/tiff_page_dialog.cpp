#include "formats/ui/tiff_page_dialog.h"

#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

TiffPageDialog::TiffPageDialog(TiffPageModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(TiffPageModel::kPrompt), this));
    auto* row = new QHBoxLayout;
    page = new QLineEdit(ToQString(model.PageText()), this);
    page->setFixedWidth(fontMetrics().horizontalAdvance("000000") + 12);
    row->addWidget(page);
    row->addWidget(new QLabel(ToQString(model.RangeLabel()), this));
    row->addStretch();
    layout->addLayout(row);
    AddOkCancel(this, layout);
    connect(page, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetPageText(FromQString(text));
        const QString shown = ToQString(model_.PageText());
        if (page->text() != shown) page->setText(shown);
    });
}

}  // namespace quillor
