#include "palette/ui/palette_window_base.h"

#include <QGuiApplication>
#include <algorithm>

#include "platform/ui/title_room.h"

namespace quillor {

namespace {

// Often enough that a colour changed elsewhere shows at once, seldom enough to cost
// nothing: a tick compares 256 entries.
constexpr int kTickMilliseconds = 50;

}  // namespace

PaletteWindowBase::PaletteWindowBase(ActiveDocument activeDocument, QSize size, int rightMargin,
                                     QWidget* parent)
    // A tool window with a close button only: narrow as the small palette is, its title
    // still has room.
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      activeDocument_(std::move(activeDocument)),
      rightMargin_(rightMargin) {
    setModal(false);
    size_ = size;
    setFixedSize(size);
    setMouseTracking(true);
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &PaletteWindowBase::Refresh);
}

void PaletteWindowBase::Open() {
    // The cells keep their places; the window is widened only as far as its title needs
    // beside the title bar's buttons, which a window manager may not make small.
    setFixedSize(std::max(size_.width(), TitleRoom::WidthFor(*this)), size_.height());
    if (!placed_ && parentWidget() != nullptr) {
        const QRect main = parentWidget()->frameGeometry();
        move(main.right() - rightMargin_ - width(), main.top() + (main.height() - height()) / 2);
        placed_ = true;
    }
    show();
    raise();
    timer_.start();
    Refresh();
}

void PaletteWindowBase::Refresh() {
    if (!isVisible()) {
        timer_.stop();
        return;
    }
    CAnimDoc* document = Document();
    if (document != followed_) {
        followed_ = document;
        Follow(document);
    }
    if (document != nullptr) Update(*document);
    update();
}

void PaletteWindowBase::leaveEvent(QEvent* event) {
    QDialog::leaveEvent(event);
    // Keys are for the picture again, so X, Z and C work as the pointer goes back to it.
    if (parentWidget() != nullptr && isActiveWindow()) parentWidget()->activateWindow();
}

}  // namespace quillor
