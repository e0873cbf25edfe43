#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <optional>

#include "document/anim_doc.h"
#include "document/document_observer.h"
#include "view/shift_lock.h"
#include "tools/edit_view_port.h"
#include "view/status_text.h"
#include "tools/tool_context.h"
#include "tools/tool_dispatch.h"
#include "view/view_placement.h"
#include "view/zoom_rules.h"

class QPrinter;

namespace quillor {

// The scrolling view that shows a document's current frame and turns the user's pointer
// and keys into tool input in picture coordinates.
//
// Window pixels are the screen's device pixels: at zoom 1 every picture pixel is one
// pixel of the screen, also on a high-density screen, and at whole zooms every picture
// pixel is a block of exactly zoom x zoom screen pixels. Origins, the client size, arrow
// steps and the 16-pixel minimum are all counted in them; pointer positions, which Qt
// gives in logical pixels, are scaled on the way in and out.
//
// Only the visible part of the picture is drawn, on every paint, so the cost of a paint
// follows the window's size and not the picture's.
class CBitmapEditView : public QAbstractScrollArea, public EditViewPort, private DocumentObserver {
    Q_OBJECT

public:
    // This view's name for the document's playback.
    const void* PlayerId() const { return static_cast<const EditViewPort*>(this); }

    CBitmapEditView(CAnimDoc& document, ToolContext& tools, QWidget* parent = nullptr);
    ~CBitmapEditView() override;

    // EditViewPort: what the tools use.
    CAnimDoc& Document() override { return document_; }
    void Redraw() override { viewport()->update(); }
    Placement GetPlacement() const override { return CurrentPlacement(); }
    void SetPlacement(const Placement& placement) override { ApplyPlacement(placement); }
    IntPoint PointerInWindow() const override;
    bool PointerHasEntered() const override { return leftArmed_; }
    bool PointerInside() const override { return InClient(PointerInWindow()); }
    void SetBusy(bool busy) override;

    // "Zoom Into Image", "Zoom Out Of Image", "Unzoom Image": one magnify click at the
    // picture point under the pointer (the middle of the view when the pointer is
    // elsewhere); the point ends up, with the pointer, in the middle of the view.
    void ZoomIn();
    void ZoomOut();
    void Unzoom();
    // The magnify tool's clicks.
    void ZoomInAt(IntPoint picture, const std::optional<IntRect>& dragged = std::nullopt) override;
    void ZoomOutAt(IntPoint picture) override;
    // "Clamp Frame": back to zoom 1, as Unzoom gives it.
    void ClampFrame();

    void CopyFrameToClipboard();
    // The frame as large as the printable page allows, centred, at its own aspect, its
    // pixels scaled without smoothing.
    void PrintFrame(QPrinter& printer);

    // Shows another frame of the document; false when there is no such frame.
    bool ShowFrame(int index);
    void Invalidate();

    double Zoom() const { return CurrentPlacement().zoom; }
    QPoint Origin() const {
        const Placement p = CurrentPlacement();
        return {p.originX, p.originY};
    }
    // Where pointer input goes; null restores the do-nothing default.
    void SetToolDispatch(ToolDispatch* dispatch);

signals:
    void statusTextChanged(const QString& text);
    void activated(CBitmapEditView* view);
    void titleChanged(const QString& title);
    // The document is not one the program keeps: the user has been told, and the
    // window should close.
    void notKept(CBitmapEditView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // DocumentObserver
    void OnFramesChanged(CAnimDoc& document, int frameIndex) override;
    void OnTitleChanged(CAnimDoc& document) override;
    void OnFrameListChanged(CAnimDoc& document) override;
    void OnColoursChanged(CAnimDoc& document) override;

    // --- Placement (bitmap_edit_view.cpp) ---------------------------------------------
    AnimFrame* CurrentFrame();
    const COXDIB* CurrentImage() const;
    // What is drawn: the tools' display copy while there is one, else the frame.
    const COXDIB* ShownImage() const;
    bool IsActiveView() const { return tools_.activeView == this; }
    Placement CurrentPlacement() const;
    // Clamps, keeps and shares a new placement, and redraws.
    void ApplyPlacement(Placement placement);
    void StorePlacement(const Placement& placement);
    void SyncScrollBars();
    double DeviceRatio() const;
    ClientSize Client() const;
    IntPoint ToWindow(QPointF logical) const;
    bool InClient(IntPoint window) const;
    void MovePointerTo(IntPoint window);
    void Activate();
    void RefreshTitle();
    void FrameChanged();
    void OnTick();
    // Playback: whether this view plays, and one step.
    bool Playing() const;
    void Step();

    // --- Zoom (bitmap_edit_view.cpp) --------------------------------------------------
    enum class ZoomStep { In, Out, Unzoom };
    void ZoomAtWindow(IntPoint window, ZoomStep step);
    void ZoomAtPointer(ZoomStep step);
    void FinishZoom(IntPoint centre, double zoom);
    MagnifySettings Magnify() const;

    // --- Input (bitmap_edit_view_input.cpp) ---------------------------------------------
    void HandleButton(QMouseEvent* event, bool down);
    void ButtonDown(Qt::MouseButton button, IntPoint window, Qt::MouseButtons held, unsigned flags);
    void ButtonUp(Qt::MouseButton button, IntPoint window, Qt::MouseButtons held, unsigned flags);
    void HandleMove(IntPoint window, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers);
    void SendPointerMove();
    void ScrollByArrow(int stepsX, int stepsY);
    void PickColour();
    void RefreshStatus(IntPoint window);
    void ShowReady();
    void UpdateCursor();

    CAnimDoc& document_;
    ToolContext& tools_;
    ToolDispatch idle_;
    ToolDispatch* dispatch_ = &idle_;
    ObserverList::Subscription subscription_;

    Placement placement_{1.0, 0, 0};
    double lastGoodZoom_ = 0.0;
    ShiftLock shiftLock_;
    bool leftCaptured_ = false;
    bool rightCaptured_ = false;
    // A left press counts only after the pointer has moved over the focused view with no
    // button held, so the click that brings the window forward paints nothing.
    bool leftArmed_ = false;
    IntPoint pressPoint_;
    PointerColour lastColour_;
    bool readyShown_ = false;
    bool statusRefreshPending_ = false;
    bool active_ = false;
    bool notKeptShown_ = false;
    bool ticked_ = false;
    int editedFrame_ = 0;
    bool syncingScrollBars_ = false;
    int wheelRemainder_ = 0;
    std::optional<CursorShape> shownCursor_;

    QTimer timer_;
    // The visible part of the picture, in device pixels; kept between paints so that a
    // paint allocates nothing.
    QImage canvas_;
};

}  // namespace quillor
