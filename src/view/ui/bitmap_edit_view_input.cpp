// Pointer, wheel and key input of the edit view.

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "view/ui/bitmap_edit_view.h"
#include "tools/ui/tool_cursors.h"

namespace quillor {

namespace {

unsigned FlagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (buttons & Qt::LeftButton) flags |= pointer_flags::kLeft;
    if (buttons & Qt::RightButton) flags |= pointer_flags::kRight;
    if (buttons & Qt::MiddleButton) flags |= pointer_flags::kMiddle;
    if (modifiers & Qt::ShiftModifier) flags |= pointer_flags::kShift;
    if (modifiers & Qt::ControlModifier) flags |= pointer_flags::kControl;
    return flags;
}

// One notch of an ordinary wheel; finer wheels add up to it.
constexpr int kWheelNotch = 120;

}  // namespace

// --- Buttons ---------------------------------------------------------------------------------

void CBitmapEditView::mousePressEvent(QMouseEvent* event) {
    HandleButton(event, true);
}

// A double-click is one more press.
void CBitmapEditView::mouseDoubleClickEvent(QMouseEvent* event) {
    HandleButton(event, true);
}

void CBitmapEditView::mouseReleaseEvent(QMouseEvent* event) {
    HandleButton(event, false);
}

void CBitmapEditView::HandleButton(QMouseEvent* event, bool down) {
    event->accept();
    if (CurrentImage() == nullptr) return;
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    const IntPoint window = shiftLock_.Apply(ToWindow(event->position()),
                                             event->modifiers().testFlag(Qt::ShiftModifier));
    const unsigned flags = FlagsOf(event->buttons(), event->modifiers());
    if (down)
        ButtonDown(button, window, event->buttons(), flags);
    else
        ButtonUp(button, window, event->buttons(), flags);
}

void CBitmapEditView::ButtonDown(Qt::MouseButton button, IntPoint window, Qt::MouseButtons held,
                                 unsigned flags) {
    if (leftCaptured_ || rightCaptured_) return;
    if (button == Qt::LeftButton) {
        if ((held & Qt::RightButton) || !leftArmed_) return;
        leftCaptured_ = true;
    } else {
        if (held & Qt::LeftButton) return;
        rightCaptured_ = true;
    }
    pressPoint_ = WindowToPicture(window, CurrentPlacement());
    dispatch_->Press(flags, pressPoint_);
    if (InClient(window)) RefreshStatus(window);
}

void CBitmapEditView::ButtonUp(Qt::MouseButton button, IntPoint window, Qt::MouseButtons held,
                               unsigned flags) {
    const Qt::MouseButton other = button == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    if (held & other) return;
    bool& captured = button == Qt::LeftButton ? leftCaptured_ : rightCaptured_;
    // A release whose press was refused (the click that focused the window) is no stroke.
    if (!captured) return;
    captured = false;
    dispatch_->Release(flags, WindowToPicture(window, CurrentPlacement()));
    if (InClient(window)) RefreshStatus(window);
}

// --- Moves -----------------------------------------------------------------------------------

void CBitmapEditView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    HandleMove(ToWindow(event->position()), event->buttons(), event->modifiers());
}

void CBitmapEditView::HandleMove(IntPoint window, Qt::MouseButtons held,
                                 Qt::KeyboardModifiers modifiers) {
    if (CurrentImage() == nullptr) return;
    const bool anyHeld = held & (Qt::LeftButton | Qt::RightButton);
    if (!anyHeld && hasFocus()) leftArmed_ = true;

    if (tools_.scrollPushOn && (leftCaptured_ || rightCaptured_) && !InClient(window)) {
        const ScrollPush push = ScrollPushFor(window, Client());
        Placement p = CurrentPlacement();
        p.originX += push.originDeltaX;
        p.originY += push.originDeltaY;
        ApplyPlacement(p);
        MovePointerTo(push.pointer);
        window = push.pointer;
    }

    window = shiftLock_.Apply(window, modifiers.testFlag(Qt::ShiftModifier));
    const unsigned flags = FlagsOf(held, modifiers);
    // Presses and releases that happened elsewhere (over another window, during a modal
    // loop) are made good here, so that no stroke is left half open.
    if ((held & Qt::LeftButton) && !leftCaptured_) ButtonDown(Qt::LeftButton, window, held, flags);
    if ((held & Qt::RightButton) && !rightCaptured_)
        ButtonDown(Qt::RightButton, window, held, flags);
    if (leftCaptured_ && !(held & Qt::LeftButton)) ButtonUp(Qt::LeftButton, window, held, flags);
    if (rightCaptured_ && !(held & Qt::RightButton)) ButtonUp(Qt::RightButton, window, held, flags);

    const CapturedButton button = leftCaptured_    ? CapturedButton::Left
                                  : rightCaptured_ ? CapturedButton::Right
                                                   : CapturedButton::None;
    dispatch_->Move(button, WindowToPicture(window, CurrentPlacement()));
    if (InClient(window)) {
        readyShown_ = false;
        RefreshStatus(window);
    }
    UpdateCursor();
}

void CBitmapEditView::SendPointerMove() {
    HandleMove(PointerInWindow(), QGuiApplication::mouseButtons(),
               QGuiApplication::keyboardModifiers());
    viewport()->update();
}

bool CBitmapEditView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        // With the focus kept and the pointer still over the view (a tool tip or a menu
        // covering it), it has not really left.
        if (!hasFocus() || !InClient(PointerInWindow())) ShowReady();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CBitmapEditView::ShowReady() {
    if (readyShown_) return;
    readyShown_ = true;
    dispatch_->HidePreview();
    viewport()->update();
    emit statusTextChanged(QString::fromLatin1(kReadyText));
}

void CBitmapEditView::RefreshStatus(IntPoint window) {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    const Placement placement = CurrentPlacement();
    StatusReport report;
    report.picture = image->GetSize();
    report.pointer = WindowToPicture(window, placement);
    report.zoom = placement.zoom;
    const IntPoint at = report.pointer;
    // Beside the picture the last colour under the pointer stays on show.
    if (at.x >= 0 && at.y >= 0 && at.x < report.picture.width && at.y < report.picture.height)
        lastColour_ = ColourAt(*image, at);
    report.colour = lastColour_;
    if (leftCaptured_ || rightCaptured_) report.pressPoint = pressPoint_;
    report.extras = dispatch_->Extras();
    statusRefreshPending_ = false;
    emit statusTextChanged(QString::fromStdString(BuildStatusText(report)));
}

void CBitmapEditView::UpdateCursor() {
    const CursorShape shape = dispatch_->Cursor();
    if (shownCursor_ == shape) return;
    shownCursor_ = shape;
    viewport()->setCursor(CursorFor(shape));
}

// --- Wheel and keys --------------------------------------------------------------------------

void CBitmapEditView::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    wheelRemainder_ += event->angleDelta().y();
    IntPoint window = ToWindow(event->position());
    bool zoomed = false;
    while (wheelRemainder_ >= kWheelNotch || wheelRemainder_ <= -kWheelNotch) {
        const bool in = wheelRemainder_ > 0;
        wheelRemainder_ += in ? -kWheelNotch : kWheelNotch;
        ZoomAtWindow(window, in ? ZoomStep::In : ZoomStep::Out);
        // The point zoomed at is now in the middle, under the pointer.
        window = ClientCentre(Client());
        zoomed = true;
    }
    if (zoomed) SendPointerMove();
}

void CBitmapEditView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers other =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    if (other != Qt::NoModifier || CurrentImage() == nullptr) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Unzoom();
            break;
        case Qt::Key_Left:
            ScrollByArrow(1, 0);
            break;
        case Qt::Key_Right:
            ScrollByArrow(-1, 0);
            break;
        case Qt::Key_Up:
            ScrollByArrow(0, 1);
            break;
        case Qt::Key_Down:
            ScrollByArrow(0, -1);
            break;
        case Qt::Key_C:
            PickColour();
            break;
        case Qt::Key_X:
            ZoomIn();
            break;
        case Qt::Key_Z:
            ZoomOut();
            break;
        case Qt::Key_Plus:
            if (!keypad) return QAbstractScrollArea::keyPressEvent(event);
            ZoomIn();
            break;
        case Qt::Key_Minus:
            if (!keypad) return QAbstractScrollArea::keyPressEvent(event);
            ZoomOut();
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CBitmapEditView::ScrollByArrow(int stepsX, int stepsY) {
    Placement p = CurrentPlacement();
    const int step = ArrowStep(p.zoom);
    p.originX += stepsX * step;
    p.originY += stepsY * step;
    ApplyPlacement(p);
    SendPointerMove();
}

void CBitmapEditView::PickColour() {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    const IntPoint at = WindowToPicture(PointerInWindow(), CurrentPlacement());
    const DibSize size = image->GetSize();
    if (at.x < 0 || at.y < 0 || at.x >= size.width || at.y >= size.height) return;
    const PointerColour picked = ColourAt(*image, at);
    if (picked.palette && document_.stencil.choosing) {
        document_.stencil.Toggle(picked.index);
    } else if (picked.palette) {
        document_.SetForeground(picked.index);
    } else {
        document_.SetTableColour(255, picked.colour);
        document_.SetForeground(255);
    }
}

}  // namespace quillor
