#include "utilities/ui/browser_grid_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

QColor ToQColor(ColourRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

QRect ToQRect(const IntRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

BrowserGridView::BrowserGridView(ImageBrowserModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setGeometry(kOriginX, kOriginY, BrowserGrid::kWidth + 4, BrowserGrid::kHeight + 4);
    setFocusPolicy(Qt::StrongFocus);
}

void BrowserGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(-kOriginX, -kOriginY);
    QFont font = painter.font();
    font.setPixelSize(BrowserGrid::kFontHeight);
    painter.setFont(font);
    const std::vector<BrowserCellPaint> cells = model_.PageCells();
    for (const BrowserCellPaint& cell : cells) {
        painter.fillRect(ToQRect(cell.fill), ToQColor(cell.fillColour));
        if (cell.thumbnail) {
            const ThumbnailImage& t = *cell.thumbnail;
            const QImage image(t.bgr.data(), t.width, t.height, t.width * 3, QImage::Format_BGR888);
            painter.drawImage(QPoint(cell.thumbnailAt.x, cell.thumbnailAt.y), image);
        }
        if (cell.showName) {
            painter.setPen(ToQColor(cell.nameColour));
            const QRect strip = ToQRect(cell.nameStrip);
            painter.save();
            painter.setClipRect(strip);
            painter.fillRect(strip, ToQColor(cell.fillColour));
            painter.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ToQString(cell.name));
            painter.restore();
        }
        if (cell.locked) {
            painter.setPen(ToQColor(cell.nameColour));
            painter.drawText(ToQRect(cell.lockedArea), Qt::AlignCenter, ToQString(ImageBrowserModel::kLocked));
        }
    }
    // Neighbouring outlines share a line of pixels; the selection's is drawn last so it
    // shows whole.
    painter.setBrush(Qt::NoBrush);
    for (const bool selected : {false, true})
        for (const BrowserCellPaint& cell : cells) {
            if ((cell.index == model_.Selection()) != selected) continue;
            // A one-pixel pen outlines the pixels from left to right - 1.
            painter.setPen(ToQColor(cell.frameColour));
            painter.drawRect(cell.frame.left, cell.frame.top, cell.frame.Width() - 1, cell.frame.Height() - 1);
        }
}

void BrowserGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() + QPoint(kOriginX, kOriginY);
    if (event->button() == Qt::LeftButton && model_.ClickAt(at.x(), at.y())) {
        update();
        emit changed();
    }
}

void BrowserGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() + QPoint(kOriginX, kOriginY);
    if (event->button() == Qt::LeftButton && model_.DoubleClickAt(at.x(), at.y())) emit opened();
}

void BrowserGridView::wheelEvent(QWheelEvent* event) {
    // One row per notch; touchpads send parts of notches.
    wheelRemainder_ += event->angleDelta().y();
    const int rows = wheelRemainder_ / 120;
    wheelRemainder_ -= rows * 120;
    if (rows != 0) {
        model_.ScrollTo(model_.TopRow() - rows);
        update();
        emit changed();
    }
    event->accept();
}

void BrowserGridView::keyPressEvent(QKeyEvent* event) {
    const int columns = model_.Grid().Columns();
    const int page = model_.Grid().PageSize();
    switch (event->key()) {
        case Qt::Key_Left: model_.MoveSelection(-1); break;
        case Qt::Key_Right: model_.MoveSelection(1); break;
        case Qt::Key_Up: model_.MoveSelection(-columns); break;
        case Qt::Key_Down: model_.MoveSelection(columns); break;
        case Qt::Key_PageUp: model_.MoveSelection(-page); break;
        case Qt::Key_PageDown: model_.MoveSelection(page); break;
        case Qt::Key_Home: model_.MoveSelection(-int(model_.Entries().size())); break;
        case Qt::Key_End: model_.MoveSelection(int(model_.Entries().size())); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (model_.Open()) emit opened();
            return;
        default: QWidget::keyPressEvent(event); return;
    }
    update();
    emit changed();
}

}  // namespace quillor
