#include "app/ui/edit_view_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMdiArea>

#include "platform/ui/qt_interaction.h"
#include "view/ui/bitmap_edit_view.h"

namespace quillor {

CBitmapEditViewFrame::CBitmapEditViewFrame(std::shared_ptr<CAnimDoc> document, ToolContext& tools,
                                           QWidget* parent)
    : QMdiSubWindow(parent), document_(std::move(document)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The window menu's "Close" carries the same key as this window's own system menu;
    // two actions on one key make Qt run neither.
    if (QMenu* system = systemMenu())
        for (QAction* action : system->actions()) action->setShortcuts({});
    view_ = new CBitmapEditView(*document_, tools, this);
    setWidget(view_);
    setWindowTitle(ToQString(document_->Title()));
    connect(view_, &CBitmapEditView::titleChanged, this, &QWidget::setWindowTitle);
    connect(view_, &CBitmapEditView::statusTextChanged, this, &CBitmapEditViewFrame::statusTextChanged);
    connect(view_, &CBitmapEditView::activated, this, [this](CBitmapEditView*) { emit viewActivated(this); });
    connect(view_, &CBitmapEditView::notKept, this, [this](CBitmapEditView*) { CloseWithoutAsking(); });
}

CBitmapEditViewFrame::~CBitmapEditViewFrame() {
    // The view listens to the document: it must go before this window lets go of it.
    delete view_;
    view_ = nullptr;
}

void CBitmapEditViewFrame::CloseWithoutAsking() {
    askBeforeClosing_ = false;
    close();
}

bool CBitmapEditViewFrame::IsLastWindowOfDocument() const {
    // Every window holds one reference, so this one is the last when it holds the only one.
    return document_.use_count() == 1;
}

void CBitmapEditViewFrame::closeEvent(QCloseEvent* event) {
    if (askBeforeClosing_ && IsLastWindowOfDocument() && !document_->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace quillor
