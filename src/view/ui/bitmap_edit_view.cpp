#include "view/ui/bitmap_edit_view.h"

#include <QClipboard>
#include <QCursor>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <cmath>

#include "core/dib_render.h"
#include "document/playback.h"
#include "view/ui/dib_qimage.h"

namespace quillor {

namespace {

// The platform's "as soon as possible" timer is in truth its shortest tick.
constexpr int kTickMilliseconds = 10;

// Logical pixels a scroll bar arrow or wheel notch moves.
constexpr double kScrollBarStep = 20.0;

}  // namespace

CBitmapEditView::CBitmapEditView(CAnimDoc& document, ToolContext& tools, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document), tools_(tools) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // Every paint covers the whole exposed area itself.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    subscription_ = document_.Subscribe(*this);

    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CBitmapEditView::OnTick);
    // One tick even if the view never gets the focus, so that a document that is not
    // kept still closes its window.
    timer_.start();

    setWindowTitle(QString::fromStdString(document_.Title()));
    UpdateCursor();
    SyncScrollBars();
}

CBitmapEditView::~CBitmapEditView() {
    EndPlayback(document_, PlayerId());
    if (IsActiveView()) {
        tools_.activeView = nullptr;
        tools_.document = nullptr;
        tools_.currentImage = nullptr;
    }
}

// --- Frame and placement ---------------------------------------------------------------------

AnimFrame* CBitmapEditView::CurrentFrame() {
    return document_.FindFrame(document_.CurrentFrame());
}

const COXDIB* CBitmapEditView::CurrentImage() const {
    const AnimFrame* frame = document_.FindFrame(document_.ShownFrame());
    if (frame == nullptr || frame->image == nullptr || frame->image->IsEmpty()) return nullptr;
    return frame->image.get();
}

const COXDIB* CBitmapEditView::ShownImage() const { return CurrentImage(); }

namespace {

// Draws a rubber band over the rendered part of the picture: each band point fills the
// window pixels of its picture pixel, and at least one, so a band stays visible when the
// picture is shown smaller than its size.
void DrawBandOver(const BandOverlay& band, const Placement& p, const QRect& exposed,
                  std::uint32_t* part, std::ptrdiff_t stride) {
    band.ForEach([&](IntPoint q, TableWord shown) {
        const int x0 = int(std::ceil(p.originX + q.x * p.zoom));
        const int y0 = int(std::ceil(p.originY + q.y * p.zoom));
        const int x1 = std::max(x0 + 1, int(std::ceil(p.originX + (q.x + 1) * p.zoom)));
        const int y1 = std::max(y0 + 1, int(std::ceil(p.originY + (q.y + 1) * p.zoom)));
        const int left = std::max(x0, exposed.left()), right = std::min(x1, exposed.right() + 1);
        const int top = std::max(y0, exposed.top()), bottom = std::min(y1, exposed.bottom() + 1);
        for (int y = top; y < bottom; ++y)
            std::fill(part + (y - exposed.y()) * stride + (left - exposed.x()),
                      part + (y - exposed.y()) * stride + (right - exposed.x()),
                      0xFF000000u | shown);
    });
}

}  // namespace

Placement CBitmapEditView::CurrentPlacement() const {
    if (IsActiveView()) return {tools_.zoom, tools_.originX, tools_.originY};
    return placement_;
}

void CBitmapEditView::StorePlacement(const Placement& placement) {
    placement_ = placement;
    if (IsActiveView()) {
        tools_.zoom = placement.zoom;
        tools_.originX = placement.originX;
        tools_.originY = placement.originY;
    }
}

void CBitmapEditView::ApplyPlacement(Placement placement) {
    if (const COXDIB* image = CurrentImage())
        placement = ClampPlacement(placement, image->GetSize(), Client());
    StorePlacement(placement);
    SyncScrollBars();
    statusRefreshPending_ = true;
    viewport()->update();
}

void CBitmapEditView::SyncScrollBars() {
    const COXDIB* image = CurrentImage();
    const Placement p = CurrentPlacement();
    const ClientSize client = Client();
    const DibSize size = image ? image->GetSize() : DibSize{};
    const int step = std::max(1, int(std::lround(kScrollBarStep * DeviceRatio())));
    syncingScrollBars_ = true;
    auto sync = [&](QScrollBar* bar, int extent, int clientExtent, int origin) {
        const int range = image ? ScrollRange(extent, p.zoom, clientExtent) : 0;
        bar->setRange(0, range);
        bar->setPageStep(std::max(1, clientExtent));
        bar->setSingleStep(step);
        bar->setValue(range > 0 ? -origin : 0);
    };
    sync(horizontalScrollBar(), size.width, client.width, p.originX);
    sync(verticalScrollBar(), size.height, client.height, p.originY);
    syncingScrollBars_ = false;
}

void CBitmapEditView::scrollContentsBy(int, int) {
    if (syncingScrollBars_) return;
    Placement p = CurrentPlacement();
    if (horizontalScrollBar()->maximum() > 0) p.originX = -horizontalScrollBar()->value();
    if (verticalScrollBar()->maximum() > 0) p.originY = -verticalScrollBar()->value();
    ApplyPlacement(p);
}

void CBitmapEditView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ApplyPlacement(CurrentPlacement());
}

double CBitmapEditView::DeviceRatio() const {
    return viewport()->devicePixelRatioF();
}

ClientSize CBitmapEditView::Client() const {
    const double ratio = DeviceRatio();
    return {int(std::lround(viewport()->width() * ratio)),
            int(std::lround(viewport()->height() * ratio))};
}

IntPoint CBitmapEditView::ToWindow(QPointF logical) const {
    const double ratio = DeviceRatio();
    return {int(std::floor(std::clamp(logical.x() * ratio, -1e9, 1e9))),
            int(std::floor(std::clamp(logical.y() * ratio, -1e9, 1e9)))};
}

IntPoint CBitmapEditView::PointerInWindow() const {
    return ToWindow(QPointF(viewport()->mapFromGlobal(QCursor::pos())));
}

void CBitmapEditView::SetBusy(bool busy) {
    if (busy) QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else if (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

bool CBitmapEditView::InClient(IntPoint window) const {
    const ClientSize client = Client();
    return window.x >= 0 && window.y >= 0 && window.x < client.width && window.y < client.height;
}

void CBitmapEditView::MovePointerTo(IntPoint window) {
    if (!isVisible()) return;
    const double ratio = DeviceRatio();
    // The logical pixel that holds the middle of the device pixel.
    const QPoint logical(int(std::floor((window.x + 0.5) / ratio)),
                         int(std::floor((window.y + 0.5) / ratio)));
    QCursor::setPos(viewport()->mapToGlobal(logical));
}

// --- Drawing ---------------------------------------------------------------------------------

void CBitmapEditView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const COXDIB* image = ShownImage();
    if (image == nullptr) {
        painter.fillRect(event->rect(), palette().brush(QPalette::Window));
        return;
    }
    const ClientSize client = Client();
    const double ratio = DeviceRatio();
    const Placement before = CurrentPlacement();
    Placement p = ClampPlacement(before, image->GetSize(), client);

    if (canvas_.width() != client.width || canvas_.height() != client.height)
        canvas_ = QImage(client.width, client.height, QImage::Format_RGB32);
    if (canvas_.isNull()) {
        // No memory for the drawing: keep the zoom that last drew.
        if (lastGoodZoom_ > 0.0 && p.zoom != lastGoodZoom_) {
            p.zoom = lastGoodZoom_;
            ApplyPlacement(p);
        }
        return;
    }
    const QRect exposed =
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio)
            .toAlignedRect()
            .intersected(QRect(0, 0, client.width, client.height));
    if (!exposed.isEmpty()) {
        const std::ptrdiff_t stride = canvas_.bytesPerLine() / 4;
        auto* part =
            reinterpret_cast<std::uint32_t*>(canvas_.bits()) + exposed.y() * stride + exposed.x();
        const RenderPlacement shifted{p.zoom, p.originX - exposed.x(), p.originY - exposed.y()};
        const IntRect covered =
            RenderDib(*image, shifted, part, exposed.width(), exposed.height(), stride);
        FillHatchOutside(part, exposed.width(), exposed.height(), stride, covered, exposed.x(),
                         exposed.y());
        if (IsActiveView()) {
            if (const PreviewPatch* preview = dispatch_->Preview())
                RenderDibAt(preview->image, preview->at, shifted, part, exposed.width(),
                            exposed.height(), stride);
            if (const BandOverlay* band = dispatch_->Band()) DrawBandOver(*band, p, exposed, part, stride);
        }
        canvas_.setDevicePixelRatio(ratio);
        painter.drawImage(
            QRectF(QPointF(exposed.topLeft()) / ratio, QSizeF(exposed.size()) / ratio), canvas_,
            QRectF(exposed));
    }

    lastGoodZoom_ = p.zoom;
    StorePlacement(p);
    if (IsActiveView()) tools_.currentImage = CurrentFrame();
    // Someone moved the shared placement out of bounds; the bars follow after the paint.
    if (p.originX != before.originX || p.originY != before.originY)
        QMetaObject::invokeMethod(this, &CBitmapEditView::SyncScrollBars, Qt::QueuedConnection);
    if (statusRefreshPending_) {
        const IntPoint pointer = PointerInWindow();
        if (InClient(pointer)) RefreshStatus(pointer);
    }
}

void CBitmapEditView::Invalidate() {
    viewport()->update();
}

// --- Zoom ------------------------------------------------------------------------------------

MagnifySettings CBitmapEditView::Magnify() const {
    return tools_.Magnify();
}

void CBitmapEditView::ZoomIn() {
    ZoomAtPointer(ZoomStep::In);
}
void CBitmapEditView::ZoomOut() {
    ZoomAtPointer(ZoomStep::Out);
}
void CBitmapEditView::Unzoom() {
    ZoomAtPointer(ZoomStep::Unzoom);
}

void CBitmapEditView::ClampFrame() {
    Placement p = CurrentPlacement();
    p.zoom = 1.0;
    StorePlacement(p);
    viewport()->update();
    Unzoom();
}

void CBitmapEditView::ZoomAtPointer(ZoomStep step) {
    IntPoint window = PointerInWindow();
    if (!InClient(window)) window = ClientCentre(Client());
    ZoomAtWindow(window, step);
    SendPointerMove();
}

void CBitmapEditView::ZoomAtWindow(IntPoint window, ZoomStep step) {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    const IntPoint picture = WindowToPicture(window, CurrentPlacement());
    if (step == ZoomStep::In) {
        ZoomInAt(picture);
    } else if (step == ZoomStep::Out) {
        ZoomOutAt(picture);
    } else {
        FinishZoom(picture, ZoomOutResult(kUnzoomRequest, Magnify(), image->GetSize()));
    }
}

void CBitmapEditView::ZoomInAt(IntPoint picture, const std::optional<IntRect>& dragged) {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    const double zoom = ZoomInResult(CurrentPlacement().zoom, Magnify(), image->GetSize(), dragged);
    const bool toRectangle =
        dragged && dragged->left != dragged->right && dragged->top != dragged->bottom;
    FinishZoom(toRectangle ? CentreOf(*dragged) : picture, zoom);
}

void CBitmapEditView::ZoomOutAt(IntPoint picture) {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    FinishZoom(picture, ZoomOutResult(CurrentPlacement().zoom, Magnify(), image->GetSize()));
}

void CBitmapEditView::FinishZoom(IntPoint centre, double zoom) {
    const ClientSize client = Client();
    ApplyPlacement(CentredOn(centre, zoom, client));
    MovePointerTo(ClientCentre(client));
}

// --- Activation, title, document -------------------------------------------------------------

void CBitmapEditView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    Activate();
}

void CBitmapEditView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    // A menu or pop-up over the view leaves it active.
    if (event->reason() == Qt::PopupFocusReason) return;
    active_ = false;
    // Playback goes on in a window that is not the active one.
    if (!Playing()) timer_.stop();
    dispatch_->HidePreview();
    viewport()->update();
}

void CBitmapEditView::Activate() {
    // The shared placement may have been changed by the tools while this view was active.
    if (IsActiveView()) placement_ = CurrentPlacement();
    active_ = true;
    tools_.activeView = this;
    tools_.document = &document_;
    tools_.currentImage = CurrentFrame();
    tools_.devicePixelRatio = DeviceRatio();
    StorePlacement(placement_);
    timer_.start();
    dispatch_->Activated();
    emit activated(this);
    RefreshTitle();
    UpdateCursor();
    viewport()->update();
}

void CBitmapEditView::RefreshTitle() {
    const QString title = QString::fromStdString(document_.Title());
    setWindowTitle(title);
    emit titleChanged(title);
}

bool CBitmapEditView::ShowFrame(int index) {
    if (!document_.ShowFrame(index)) return false;
    RefreshTitle();
    FrameChanged();
    return true;
}

void CBitmapEditView::FrameChanged() {
    if (IsActiveView()) {
        tools_.currentImage = CurrentFrame();
        // Another frame: a shape half drawn on the old one is dropped, and the brush is
        // made for the new frame's colours.
        if (document_.CurrentFrame() != editedFrame_) dispatch_->Activated();
    }
    editedFrame_ = document_.CurrentFrame();
    // Playback started from a toolbar or another window finds this view's timer stopped.
    if (Playing() && !timer_.isActive()) timer_.start();
    // The frame may have another size: the placement and the bars follow it.
    ApplyPlacement(CurrentPlacement());
}

void CBitmapEditView::OnFramesChanged(CAnimDoc&, int frameIndex) {
    if (frameIndex == -1 || frameIndex == document_.ShownFrame()) FrameChanged();
}

void CBitmapEditView::OnTitleChanged(CAnimDoc&) {
    RefreshTitle();
    // A new current frame is announced as a new title.
    FrameChanged();
}

void CBitmapEditView::OnColoursChanged(CAnimDoc&) {
    if (IsActiveView()) dispatch_->ColoursChanged();
    viewport()->update();
}

void CBitmapEditView::OnFrameListChanged(CAnimDoc&) {
    FrameChanged();
}

void CBitmapEditView::SetToolDispatch(ToolDispatch* dispatch) {
    dispatch_ = dispatch != nullptr ? dispatch : &idle_;
    UpdateCursor();
}

void CBitmapEditView::OnTick() {
    if (!document_.IsKept()) {
        if (!notKeptShown_) {
            notKeptShown_ = true;
            timer_.stop();
            if (!document_.openFailureTold)
                document_.Environment().Ui().ShowMessage("File not loaded.", "Load Aborted",
                                                         MessageIcon::Exclamation);
            emit notKept(this);
        }
        return;
    }
    Step();
    if (!active_) {
        if (!Playing()) timer_.stop();
        return;
    }
    const IntPoint pointer = PointerInWindow();
    if (!InClient(pointer)) ShowReady();
    UpdateCursor();
    if (CurrentImage() == nullptr) return;
    if (!ticked_) {
        ticked_ = true;
        dispatch_->FirstTick();
    }
    dispatch_->TimerTick(WindowToPicture(pointer, CurrentPlacement()));
}

bool CBitmapEditView::Playing() const {
    return document_.playing && document_.playerView == PlayerId();
}

void CBitmapEditView::Step() {
    MillisecondClock& clock = document_.Environment().Clock();
    PlaybackTick(document_, PlayerId(), clock.NowMs());
    // While this view plays, the timer wakes when the next frame is due rather than at
    // its usual pace, so that the rate holds to the millisecond.
    const std::int64_t wait = MillisecondsToNextStep(document_, PlayerId(), clock.NowMs());
    if (wait < 0) {
        timer_.setTimerType(Qt::CoarseTimer);
        timer_.setInterval(kTickMilliseconds);
    } else {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(int(std::min<std::int64_t>(wait, kTickMilliseconds)));
        if (!timer_.isActive()) timer_.start();
    }
}

// --- Clipboard and printing ------------------------------------------------------------------

void CBitmapEditView::CopyFrameToClipboard() {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    const QImage copy = DibToQImage(*image);
    if (!copy.isNull()) QGuiApplication::clipboard()->setImage(copy);
}

void CBitmapEditView::PrintFrame(QPrinter& printer) {
    const COXDIB* image = CurrentImage();
    if (image == nullptr) return;
    const QImage page = DibToQImage(*image);
    if (page.isNull()) return;
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect area = painter.viewport();
    const IntRect fitted = FitOnPage(image->GetSize(), {0, 0, area.width(), area.height()});
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(fitted.left, fitted.top, fitted.Width(), fitted.Height()), page);
    painter.end();
}

}  // namespace quillor
