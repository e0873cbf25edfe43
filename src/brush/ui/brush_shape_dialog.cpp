#include "brush/ui/brush_shape_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/qt_interaction.h"

namespace quillor {
namespace {

constexpr int kPictureSide = 36;  // room for the largest brush, 31 pixels

// The brush at its own size, one screen pixel per brush pixel, so the buttons also show
// how the sizes compare.
QIcon PictureOf(const BrushShapeModel::Choice& choice, const QColor& ink) {
    using Picture = BrushShapeModel::Picture;
    if (choice.picture == Picture::RestorePrevious) return QIcon::fromTheme("edit-undo");
    QPixmap pixmap(kPictureSide, kPictureSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (choice.picture == Picture::Shape) {
        const BrushShape& shape = *choice.shape;
        const int origin = (kPictureSide - shape.size) / 2;
        for (int y = 0; y < shape.size; ++y) {
            const int width = shape.RowWidth(y);
            painter.fillRect(origin + (shape.size - width) / 2, origin + y, width, 1, ink);
        }
    } else {
        // A custom brush is sized by dragging: a dashed outline of any size.
        painter.setRenderHint(QPainter::Antialiasing, choice.picture == Picture::CustomCircle);
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        const QRectF box(5.5, 5.5, kPictureSide - 11, kPictureSide - 11);
        if (choice.picture == Picture::CustomCircle)
            painter.drawEllipse(box);
        else
            painter.drawRect(box);
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

BrushShapeDialog::BrushShapeDialog(BrushShapeModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(ToQString(model.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const QColor ink = palette().color(QPalette::ButtonText);
    int row = 0, column = 0, group = 0;
    for (const BrushShapeModel::Choice& choice : BrushShapeModel::Choices()) {
        if (choice.group != group) {
            group = choice.group;
            ++row;
            column = 0;
        }
        auto* button = new QToolButton(this);
        button->setText(ToQString(choice.label));
        button->setIcon(PictureOf(choice, ink));
        button->setIconSize(QSize(kPictureSide, kPictureSide));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(false);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        // The brush in use shows pressed in.
        button->setCheckable(true);
        button->setChecked(choice.id == model.Current());
        const int id = choice.id;
        connect(button, &QToolButton::clicked, this, [this, id] {
            model_.Choose(id);
            accept();
        });
        grid->addWidget(button, row, column++);
        buttons.push_back(button);
    }
    auto* box = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel = box->button(QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

}  // namespace quillor
