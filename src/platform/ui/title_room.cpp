#include "platform/ui/title_room.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

namespace quillor {

namespace {

// Room for the title bar's icon and its three buttons, and the margins between them.
constexpr int kTitleBarExtras = 160;
constexpr char kAppliedProperty[] = "quillorTitleRoom";

}  // namespace

int TitleRoom::WidthFor(const QWidget& window) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

void TitleRoom::Apply(QWidget& dialog) {
    if (dialog.property(kAppliedProperty).toBool()) return;
    dialog.setProperty(kAppliedProperty, true);
    const int width = WidthFor(dialog);
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        // A message box fixes its own size from its layout each time it is shown.
        if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                          grid->rowCount(), 0, 1, grid->columnCount());
        return;
    }
    if (dialog.minimumWidth() < width && dialog.maximumWidth() >= width) dialog.setMinimumWidth(width);
}

bool TitleRoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
            Apply(*dialog);
    return QObject::eventFilter(watched, event);
}

}  // namespace quillor
