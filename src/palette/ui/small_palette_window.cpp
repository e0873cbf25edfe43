#include "palette/ui/small_palette_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "palette/palette_edit_model.h"
#include "palette/palette_table.h"
#include "palette/ui/palette_painting.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

CSmallPaletteDlg::CSmallPaletteDlg(ActiveDocument activeDocument, QWidget* parent)
    : PaletteWindowBase(std::move(activeDocument), QSize(123, 218), 63, parent) {
    setWindowTitle(ToQString(SmallPaletteModel::kTitle));
    auto label = [this](int y) {
        auto* l = new QLabel(this);
        l->setGeometry(3, y, 117, 18);
        return l;
    };
    fore = label(3);
    back = label(22);
    hover = label(193);
}

void CSmallPaletteDlg::Follow(CAnimDoc*) { model_ = SmallPaletteModel(); }

void CSmallPaletteDlg::Update(CAnimDoc& document) {
    fore->setText(ToQString(model_.ForeText(document)));
    back->setText(ToQString(model_.BackText(document)));
}

void CSmallPaletteDlg::paintEvent(QPaintEvent* event) {
    PaletteWindowBase::paintEvent(event);
    CAnimDoc* document = Document();
    if (document == nullptr) return;
    PaletteTable table(*document);
    if (!table.Valid()) return;
    QPainter painter(this);
    for (int entry = 0; entry < table.Count(); ++entry)
        PaintCell(painter, SmallPaletteModel::CellOf(entry), table.Get(entry),
                  model_.LastChosen() == entry);
}

void CSmallPaletteDlg::mousePressEvent(QMouseEvent* event) {
    CAnimDoc* document = Document();
    const QPoint at = event->position().toPoint();
    const auto entry = SmallPaletteModel::EntryAt(at.x(), at.y());
    if (document == nullptr || !entry || !PaletteEditModel::Selectable(*document, *entry)) {
        PaletteWindowBase::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) model_.LeftClick(*document, *entry);
    else if (event->button() == Qt::RightButton) model_.RightClick(*document, *entry);
    else return;
    Refresh();
    emit changed();
}

void CSmallPaletteDlg::mouseMoveEvent(QMouseEvent* event) {
    CAnimDoc* document = Document();
    const QPoint at = event->position().toPoint();
    hover->setText(document ? ToQString(model_.HoverText(*document, SmallPaletteModel::EntryAt(at.x(), at.y())))
                            : QString());
    PaletteWindowBase::mouseMoveEvent(event);
}

void CSmallPaletteDlg::leaveEvent(QEvent* event) {
    hover->clear();
    PaletteWindowBase::leaveEvent(event);
}

}  // namespace quillor
