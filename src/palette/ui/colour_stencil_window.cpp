#include "palette/ui/colour_stencil_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/anim_doc.h"
#include "palette/palette_table.h"
#include "palette/ui/palette_painting.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

namespace {

// The picture's current frame is a palette picture: the stencil applies to it.
bool OnPalettePicture(CAnimDoc& document) {
    const PaletteTable table(document);
    return table.Valid() && !table.TrueColour();
}

}  // namespace

ColourStencilWindow::ColourStencilWindow(ActiveDocument activeDocument, ChoosingFor choosingFor, QWidget* parent)
    : PaletteWindowBase(std::move(activeDocument), QSize(296, 286), 63, parent),
      choosingFor_(std::move(choosingFor)) {
    setWindowTitle(ToQString(ColourStencilModel::kTitle));
    hover = new QLabel(this);
    hover->setGeometry(12, 226, 272, 20);
    invert = new QPushButton(ToQString(ColourStencilModel::kInvertText), this);
    invert->setGeometry(12, 250, 88, 26);
    clear = new QPushButton(ToQString(ColourStencilModel::kClearText), this);
    clear->setGeometry(108, 250, 88, 26);
    connect(invert, &QPushButton::clicked, this, [this] {
        if (CAnimDoc* document = Document()) document->stencil.Invert();
        Changed();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        if (CAnimDoc* document = Document()) document->stencil.Clear();
        Changed();
    });
}

void ColourStencilWindow::Follow(CAnimDoc* document) {
    if (document == nullptr) {
        hide();
        return;
    }
    if (choosingFor_) choosingFor_(document);
}

void ColourStencilWindow::Update(CAnimDoc& document) {
    // An undo that turns the picture true colour ends the choosing.
    if (!OnPalettePicture(document)) hide();
}

void ColourStencilWindow::paintEvent(QPaintEvent* event) {
    PaletteWindowBase::paintEvent(event);
    CAnimDoc* document = Document();
    if (document == nullptr || !OnPalettePicture(*document)) return;
    const PaletteTable table(*document);
    QPainter painter(this);
    for (int entry = 0; entry < table.Count(); ++entry) {
        const QRect swatch = ToQRect(ColourStencilModel::SwatchOf(entry));
        painter.fillRect(swatch, ToQColor(table.Get(entry)));
        painter.setPen(Qt::black);
        painter.drawRect(swatch.adjusted(-1, -1, 0, 0));
        // Protected: a black marker framed in white; free: white.
        const QRect marker = ToQRect(ColourStencilModel::MarkerOf(entry));
        if (document->stencil.Protects(std::uint8_t(entry))) {
            painter.fillRect(marker, Qt::black);
            painter.setPen(Qt::white);
            painter.drawRect(marker.adjusted(0, 0, -1, -1));
        } else {
            painter.fillRect(marker, Qt::white);
        }
    }
}

void ColourStencilWindow::mousePressEvent(QMouseEvent* event) {
    CAnimDoc* document = Document();
    const QPoint at = event->position().toPoint();
    if (document == nullptr || !(event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        PaletteWindowBase::mousePressEvent(event);
        return;
    }
    ColourStencilModel::Mark(*document, at.x(), at.y(), event->button() == Qt::LeftButton);
    Changed();
}

void ColourStencilWindow::mouseMoveEvent(QMouseEvent* event) {
    CAnimDoc* document = Document();
    const QPoint at = event->position().toPoint();
    if (document != nullptr) {
        if (event->buttons() & (Qt::LeftButton | Qt::RightButton))
            ColourStencilModel::Mark(*document, at.x(), at.y(), (event->buttons() & Qt::LeftButton) != 0);
        hover->setText(ToQString(ColourStencilModel::HoverText(*document, at.x(), at.y())));
        update();
    }
    PaletteWindowBase::mouseMoveEvent(event);
}

void ColourStencilWindow::leaveEvent(QEvent* event) {
    hover->clear();
    PaletteWindowBase::leaveEvent(event);
}

void ColourStencilWindow::hideEvent(QHideEvent* event) {
    if (choosingFor_) choosingFor_(nullptr);
    PaletteWindowBase::hideEvent(event);
}

void ColourStencilWindow::Changed() {
    update();
    emit changed();
}

}  // namespace quillor
