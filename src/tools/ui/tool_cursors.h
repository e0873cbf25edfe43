#pragma once

#include <QCursor>

namespace quillor {

// Every cursor shape the tools show. Square and filled square share one, as do circle
// and filled circle, and the two grab tools.
enum class CursorShape {
    Paint,
    PaintFx,
    PaintSymmetry,
    Line,
    LineFx,
    LineSymmetry,
    Square,
    SquareFx,
    Circle,
    CircleFx,
    Curve,
    CurveFx,
    Spray,
    SpraySymmetry,
    Pick,
    Fill,
    Magnify,
    Text,
    Handle,
    RedEye,
    Grab,
    SymmetryCentre,
    BrushStretch,
    Blocked,
    Busy,
};

// The shape a tool shows for the FX brush and symmetry settings. Symmetry wins over FX
// where a tool has both; the square, circle and curve tools show their FX shape only
// while symmetry is off. Tools without a shape of their own show the paint tool's.
CursorShape ToolCursorShape(int toolId, bool fxOn, bool symmetryOn);

QCursor CursorFor(CursorShape shape);
QCursor ToolCursor(int toolId, bool fxOn, bool symmetryOn);
// Shown over the picture while painting is not allowed.
QCursor BlockedCursor();
// Shown while a slow operation runs in the view.
QCursor BusyCursor();

}  // namespace quillor
