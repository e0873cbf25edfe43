#include "brush/ui/brush_deform_dialog.h"

#include <QHBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

IntPoint PointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace

DeformCanvas::DeformCanvas(BrushDeformModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    const int margin = 2 * BrushDeformModel::kCanvasOrigin;
    setFixedSize(model.CanvasWidth() + margin, model.CanvasHeight() + margin);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DeformCanvas::paintEvent(QPaintEvent*) {
    std::vector<std::uint32_t> pixels = model_.Picture();
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), model_.CanvasWidth(), model_.CanvasHeight(),
                       int(model_.CanvasWidth() * sizeof(std::uint32_t)), QImage::Format_RGB32);
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(BrushDeformModel::kCanvasOrigin, BrushDeformModel::kCanvasOrigin, image);
}

void DeformCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    model_.Press(PointOf(event));
}

void DeformCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !model_.Selected()) return;
    model_.Drag(PointOf(event));
    update();
}

void DeformCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    model_.Release();
    update();
}

BrushDeformDialog::BrushDeformDialog(BrushDeformModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QHBoxLayout(this);
    canvas = new DeformCanvas(model, this);
    layout->addWidget(canvas);
    auto* buttons = new QVBoxLayout;
    ok = new QPushButton(tr("OK"), this);
    cancel = new QPushButton(tr("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quillor
