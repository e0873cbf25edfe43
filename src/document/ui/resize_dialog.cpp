#include "document/ui/resize_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text_format.h"
#include "platform/ui/checked_accept.h"
#include "platform/ui/dialog_layout.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

// A frame with a filled block where the picture will sit.
QIcon AnchorIcon(int anchor) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(1, 1, 17, 17);
    const int x = 3 + (anchor % 3) * 5;
    const int y = 3 + (anchor / 3) * 5;
    painter.fillRect(x, y, 5, 5, QColor(40, 80, 160));
    return QIcon(pixmap);
}

QSpinBox* Number(QWidget* parent, int low, int high) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    return box;
}

}  // namespace

ResizeDialog::ResizeDialog(ResizeModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(ToQString(ResizeModel::kOldSizeLabel), this), 0, 0);
    sizes->addWidget(new QLabel(ToQString(FormatText(ResizeModel::kOldSize, {std::to_string(model.OldWidth()),
                                                                            std::to_string(model.OldHeight())})),
                                this),
                     0, 1, 1, 3);
    sizes->addWidget(new QLabel(ToQString(ResizeModel::kNewSizeLabel), this), 1, 0);
    width = Number(this, 0, ResizeModel::kLargestSide);
    height = Number(this, 0, ResizeModel::kLargestSide);
    sizes->addWidget(width, 1, 1);
    sizes->addWidget(new QLabel("x", this), 1, 2);
    sizes->addWidget(height, 1, 3);
    sizes->addWidget(new QLabel(ToQString(ResizeModel::kOffsetLabel), this), 2, 0);
    offsetX = Number(this, -ResizeModel::kLargestSide, ResizeModel::kLargestSide);
    offsetY = Number(this, -ResizeModel::kLargestSide, ResizeModel::kLargestSide);
    sizes->addWidget(offsetX, 2, 1);
    sizes->addWidget(new QLabel(ToQString(ResizeModel::kOffsetComma), this), 2, 2);
    sizes->addWidget(offsetY, 2, 3);
    sizes->addWidget(new QLabel(ToQString(ResizeModel::kOffsetEnd), this), 2, 4);
    layout->addLayout(sizes);

    auto* anchorGrid = new QGridLayout;
    for (int i = 0; i < 9; ++i) {
        anchors[std::size_t(i)] = new QToolButton(this);
        anchors[std::size_t(i)]->setIcon(AnchorIcon(i));
        anchors[std::size_t(i)]->setToolTip(ToQString(ResizeModel::kAnchorTips[std::size_t(i)]));
        anchorGrid->addWidget(anchors[std::size_t(i)], i / 3, i % 3);
        connect(anchors[std::size_t(i)], &QToolButton::clicked, this, [this, i] {
            model_.Anchor(i);
            ShowModel();
        });
    }
    auto* middle = new QHBoxLayout;
    middle->addLayout(anchorGrid);
    auto* checks = new QVBoxLayout;
    aspect = new QCheckBox(ToQString(ResizeModel::kAspectText), this);
    bilinear = new QCheckBox(ToQString(ResizeModel::kBilinearText), this);
    rescale = new QCheckBox(ToQString(ResizeModel::kRescaleText), this);
    checks->addWidget(aspect);
    checks->addWidget(bilinear);
    checks->addWidget(rescale);
    middle->addLayout(checks);
    layout->addLayout(middle);
    AddOkCancel(this, layout);

    connect(width, &QSpinBox::valueChanged, this, [this](int value) {
        if (showing_) return;
        model_.TypeWidth(value);
        ShowModel();
    });
    connect(height, &QSpinBox::valueChanged, this, [this](int value) {
        if (showing_) return;
        model_.TypeHeight(value);
        ShowModel();
    });
    connect(offsetX, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) model_.SetOffsetX(value);
    });
    connect(offsetY, &QSpinBox::valueChanged, this, [this](int value) {
        if (!showing_) model_.SetOffsetY(value);
    });
    connect(aspect, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        model_.SetAspect(on);
        ShowModel();
    });
    connect(bilinear, &QCheckBox::toggled, this, [this](bool on) {
        if (!showing_) model_.SetBilinear(on);
    });
    connect(rescale, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        model_.SetRescale(on);
        ShowModel();
    });
    ShowModel();
}

void ResizeDialog::ShowModel() {
    showing_ = true;
    width->setValue(model_.Width());
    height->setValue(model_.Height());
    offsetX->setValue(model_.OffsetX());
    offsetY->setValue(model_.OffsetY());
    aspect->setChecked(model_.Aspect());
    bilinear->setChecked(model_.Bilinear());
    rescale->setChecked(model_.Rescale());
    offsetX->setEnabled(model_.CropEnabled());
    offsetY->setEnabled(model_.CropEnabled());
    for (QToolButton* anchor : anchors) anchor->setEnabled(model_.CropEnabled());
    bilinear->setEnabled(model_.BilinearEnabled());
    showing_ = false;
}

void ResizeDialog::accept() {
    // Text still being typed has not reached the model yet.
    for (QSpinBox* box : {width, height, offsetX, offsetY}) box->interpretText();
    if (RefusedOk(this, model_)) return;
    QDialog::accept();
}

}  // namespace quillor
