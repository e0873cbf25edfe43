#include "document/ui/new_image_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

// An edit that keeps what the model keeps of the typed text.
QLineEdit* SideEdit(QWidget* parent, const std::string& text) {
    auto* edit = new QLineEdit(ToQString(text), parent);
    edit->setFixedWidth(parent->fontMetrics().horizontalAdvance("0000000") + 12);
    return edit;
}

void BindSide(QLineEdit* edit, NewImageModel& model, bool isWidth) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, &model, isWidth](const QString& text) {
        if (isWidth) model.SetWidthText(FromQString(text));
        else model.SetHeightText(FromQString(text));
        const QString kept = ToQString(isWidth ? model.WidthText() : model.HeightText());
        if (edit->text() != kept) edit->setText(kept);
    });
}

}  // namespace

NewImageDialog::NewImageDialog(NewImageModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);

    auto* sizeBox = new QGroupBox(QStringLiteral("Size"), this);
    auto* sizeLayout = new QVBoxLayout(sizeBox);
    for (int i = 0; i < NewImageModel::kSizeChoices; ++i) {
        sizes[i] = new QRadioButton(ToQString(NewImageModel::kSizeLabels[i]), sizeBox);
        sizes[i]->setChecked(model.SizeChoice() == i);
        connect(sizes[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on) return;
            model_.SetSizeChoice(i);
            ShowCustomState();
        });
        if (i < NewImageModel::kCustomSize) sizeLayout->addWidget(sizes[i]);
    }
    auto* customRow = new QHBoxLayout;
    customRow->addWidget(sizes[NewImageModel::kCustomSize]);
    width = SideEdit(sizeBox, model.WidthText());
    height = SideEdit(sizeBox, model.HeightText());
    customRow->addWidget(width);
    customRow->addWidget(new QLabel("x", sizeBox));
    customRow->addWidget(height);
    customRow->addStretch();
    sizeLayout->addLayout(customRow);
    BindSide(width, model_, true);
    BindSide(height, model_, false);
    layout->addWidget(sizeBox);

    auto* colourBox = new QGroupBox(QStringLiteral("Colours"), this);
    auto* colourLayout = new QVBoxLayout(colourBox);
    for (int i = 0; i < NewImageModel::kColourChoices; ++i) {
        colours[i] = new QRadioButton(ToQString(NewImageModel::kColourLabels[i]), colourBox);
        colours[i]->setChecked(model.ColourChoice() == i);
        connect(colours[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) model_.SetColourChoice(i);
        });
        colourLayout->addWidget(colours[i]);
    }
    layout->addWidget(colourBox);

    AddOkCancel(this, layout);
    ShowCustomState();
}

void NewImageDialog::ShowCustomState() {
    width->setEnabled(model_.CustomSizeEnabled());
    height->setEnabled(model_.CustomSizeEnabled());
}

void NewImageDialog::accept() {
    const std::string_view refusal = model_.Refusal();
    if (!refusal.empty()) {
        QMessageBox::information(this, windowTitle(), ToQString(refusal));
        if (model_.CustomSizeEnabled()) width->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace quillor
