#include "app/ui/tool_grid_bar.h"

#include <QAction>
#include <QGridLayout>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

namespace quillor {

ToolGridBar::ToolGridBar(const QString& title, QWidget* parent) : QToolBar(title, parent) {
    grid_ = new QWidget(this);
    layout_ = new QGridLayout(grid_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(1);
    addWidget(grid_);
    connect(this, &QToolBar::orientationChanged, this, [this] { Relayout(); });
    setOrientation(Qt::Vertical);
}

void ToolGridBar::AddAction(QAction* action) {
    auto* button = new QToolButton(grid_);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(iconSize());
    // The bar's own menu of toolbars must not answer a right click on a tool: that click
    // opens the tool's settings.
    button->setContextMenuPolicy(Qt::PreventContextMenu);
    button->installEventFilter(this);
    buttons_.push_back(button);
    Relayout();
}

bool ToolGridBar::eventFilter(QObject* watched, QEvent* event) {
    // X11 sends a context-menu event with every right press; left to travel up, it
    // reaches the main window, which shows its toolbar menu over the settings dialog.
    if (event->type() == QEvent::ContextMenu && qobject_cast<QToolButton*>(watched)) {
        event->accept();
        return true;
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if ((press || release) && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        auto* button = qobject_cast<QToolButton*>(watched);
        QAction* action = button ? button->defaultAction() : nullptr;
        if (action && action->isEnabled() && onRightClick) {
            // The settings dialog opens once the click is over, so that no half-finished
            // click keeps the pointer grabbed while the dialog runs.
            if (release) {
                const int id = action->data().toInt();
                QTimer::singleShot(0, this, [this, id] { onRightClick(id); });
            }
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void ToolGridBar::Relayout() {
    for (QToolButton* b : buttons_) layout_->removeWidget(b);
    const bool vertical = orientation() == Qt::Vertical;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int major = int(i / 2), minor = int(i % 2);
        if (vertical) layout_->addWidget(buttons_[i], major, minor);
        else layout_->addWidget(buttons_[i], minor, major);
    }
}

}  // namespace quillor
