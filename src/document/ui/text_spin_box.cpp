#include "document/ui/text_spin_box.h"

#include <QFontMetrics>

namespace quillor {

TextSpinBox::TextSpinBox(const QString& text, int maxLength, Edited edited, Stepped stepped, QWidget* parent)
    : QAbstractSpinBox(parent), edited_(std::move(edited)), stepped_(std::move(stepped)) {
    QLineEdit* edit = lineEdit();
    if (maxLength > 0) edit->setMaxLength(maxLength);
    edit->setText(text);
    // Room for the longest text the box takes, and the arrows beside it.
    const int chars = maxLength > 0 ? maxLength : 6;
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(chars + 1, QLatin1Char('0'))) + 40);
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const QString kept = edited_(typed);
        if (kept != lineEdit()->text()) lineEdit()->setText(kept);
    });
}

void TextSpinBox::stepBy(int steps) {
    lineEdit()->setText(stepped_(steps));
    selectAll();
}

}  // namespace quillor
