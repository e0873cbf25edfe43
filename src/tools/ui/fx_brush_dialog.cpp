#include "tools/ui/fx_brush_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

FxBrushDialog::FxBrushDialog(FxBrushModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    using M = FxBrushModel;
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);

    auto* effect = new QGroupBox(this);
    auto* effectLayout = new QHBoxLayout(effect);
    smooth = new QRadioButton(ToQString(M::kSmoothText), effect);
    tint = new QRadioButton(ToQString(M::kTintText), effect);
    (model.Tint() ? tint : smooth)->setChecked(true);
    effectLayout->addWidget(smooth);
    effectLayout->addWidget(tint);
    layout->addWidget(effect);

    auto* transparency = new QGroupBox(this);
    auto* grid = new QGridLayout(transparency);
    allBrush = new QRadioButton(ToQString(M::kAllBrushText), transparency);
    grid->addWidget(allBrush, 0, 0);
    auto* modes = new QButtonGroup(this);
    modes->addButton(allBrush);
    for (std::size_t i = 0; i < directions.size(); ++i) {
        directions[i] = new QRadioButton(ToQString(M::kDirectionTexts[i]), transparency);
        modes->addButton(directions[i]);
        grid->addWidget(directions[i], int(i) + 1, 0);
        connect(directions[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) model_.SetDirection(int(i));
        });
    }
    (model.AllBrush() ? allBrush : directions[std::size_t(model.Direction())])->setChecked(true);
    connect(allBrush, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.SetAllBrush();
    });

    grid->addWidget(new QLabel(ToQString(M::kMagnitudeLabel), transparency), 0, 1);
    opacity = new QSlider(Qt::Horizontal, transparency);
    opacity->setRange(1, 100);
    opacity->setValue(model.Opacity());
    grid->addWidget(opacity, 1, 1, 1, 4);
    opacityText = new QLabel(ToQString(model.OpacityText()), transparency);
    grid->addWidget(opacityText, 2, 1, 1, 4);

    grid->addWidget(new QLabel(ToQString(M::kFromLabel), transparency), 4, 1);
    from = new QSpinBox(transparency);
    from->setRange(0, 100);
    from->setValue(model.From());
    grid->addWidget(from, 4, 2);
    grid->addWidget(new QLabel(ToQString(M::kToLabel), transparency), 4, 3);
    to = new QSpinBox(transparency);
    to->setRange(0, 100);
    to->setValue(model.To());
    grid->addWidget(to, 4, 4);
    layout->addWidget(transparency);
    transparencyControls_ = {transparency};
    AddOkCancel(this, layout);

    connect(tint, &QRadioButton::toggled, this, [this](bool on) {
        model_.SetTint(on);
        ShowEnabled();
    });
    connect(opacity, &QSlider::valueChanged, this, [this](int value) {
        model_.SetOpacity(value);
        opacityText->setText(ToQString(model_.OpacityText()));
    });
    connect(from, &QSpinBox::valueChanged, this, [this](int value) { model_.SetFrom(value); });
    connect(to, &QSpinBox::valueChanged, this, [this](int value) { model_.SetTo(value); });
    ShowEnabled();
}

void FxBrushDialog::ShowEnabled() {
    for (QWidget* w : transparencyControls_) w->setEnabled(model_.TransparencyEnabled());
}

void FxBrushDialog::accept() {
    from->interpretText();
    to->interpretText();
    QDialog::accept();
}

}  // namespace quillor
