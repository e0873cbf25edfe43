#include "brush/ui/resize_brush_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/text_format.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/checked_accept.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

ResizeBrushDialog::ResizeBrushDialog(ResizeBrushModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString(ResizeBrushModel::kOldSizeLabel), this), 0, 0);
    grid->addWidget(new QLabel(ToQString(FormatText(ResizeBrushModel::kOldSize, {std::to_string(model.OldWidth()),
                                                                               std::to_string(model.OldHeight())})),
                               this),
                    0, 1, 1, 3);
    grid->addWidget(new QLabel(ToQString(ResizeBrushModel::kNewSizeLabel), this), 1, 0);
    width = new QSpinBox(this);
    height = new QSpinBox(this);
    for (QSpinBox* box : {width, height}) box->setRange(0, ResizeBrushModel::kLargestSide);
    grid->addWidget(width, 1, 1);
    grid->addWidget(new QLabel("x", this), 1, 2);
    grid->addWidget(height, 1, 3);
    aspect = new QCheckBox(ToQString(ResizeBrushModel::kAspectText), this);
    grid->addWidget(aspect, 2, 1, 1, 3);
    grid->addWidget(new QLabel(ToQString(ResizeBrushModel::kRatioLabel), this), 3, 0);
    ratio = new QLineEdit(this);
    grid->addWidget(ratio, 3, 1, 1, 3);
    useRatio = new QCheckBox(ToQString(ResizeBrushModel::kUseRatioText), this);
    grid->addWidget(useRatio, 4, 1, 1, 3);
    layout->addLayout(grid);
    AddOkCancel(this, layout);

    connect(width, &QSpinBox::valueChanged, this, [this](int v) {
        if (showing_) return;
        model_.TypeWidth(v);
        ShowModel();
    });
    connect(height, &QSpinBox::valueChanged, this, [this](int v) {
        if (showing_) return;
        model_.TypeHeight(v);
        ShowModel();
    });
    connect(aspect, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        model_.SetAspect(on);
        ShowModel();
    });
    connect(useRatio, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        model_.SetUseRatio(on);
        ShowModel();
    });
    connect(ratio, &QLineEdit::textEdited, this, [this](const QString& text) { model_.SetRatio(FromQString(text)); });
    ratio->setText(ToQString(model.Ratio()));
    ShowModel();
}

void ResizeBrushDialog::ShowModel() {
    showing_ = true;
    width->setValue(model_.Width());
    height->setValue(model_.Height());
    aspect->setChecked(model_.Aspect());
    useRatio->setChecked(model_.UseRatio());
    width->setEnabled(model_.SizeEnabled());
    height->setEnabled(model_.SizeEnabled());
    aspect->setEnabled(model_.SizeEnabled());
    ratio->setEnabled(model_.RatioEnabled());
    showing_ = false;
}

void ResizeBrushDialog::accept() {
    for (QSpinBox* box : {width, height}) box->interpretText();
    if (RefusedOk(this, model_)) return;
    QDialog::accept();
}

}  // namespace quillor
