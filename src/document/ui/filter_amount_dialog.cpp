#include "document/ui/filter_amount_dialog.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

FilterAmountDialog::FilterAmountDialog(FilterAmountModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQString(model.Label()), this));
    amount = new QLineEdit(ToQString(model.Text()), this);
    amount->setValidator(new QIntValidator(-999, 999, amount));
    amount->setMaximumWidth(fontMetrics().averageCharWidth() * 8);
    row->addWidget(amount);
    row->addWidget(new QLabel(ToQString(model.Unit()), this));
    layout->addLayout(row);
    AddOkCancel(this, layout);
    connect(amount, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.SetText(FromQString(text));
        // The model may have brought the number back within its range.
        if (ToQString(model_.Text()) != text) amount->setText(ToQString(model_.Text()));
    });
    amount->selectAll();
}

}  // namespace quillor
