#pragma once

namespace quillor {

// Every cursor shape the tools show over the picture. Square and filled square share
// one, as do circle and filled circle, and the two grab tools.
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
    BrushRotate,
    Blocked,
    Busy,
};

// The three shapes of a tool with FX and symmetry variants: symmetry wins over FX.
constexpr CursorShape WithVariants(CursorShape normal, CursorShape fx, CursorShape symmetry,
                                   bool fxOn, bool symmetryOn) {
    return symmetryOn ? symmetry : fxOn ? fx : normal;
}

}  // namespace quillor
