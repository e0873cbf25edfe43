#pragma once

namespace quillor {

// The tools' identifiers: the command numbers of the "Tools" bar, in its order, and the
// internal tools that commands install for a while. A tool's right-click command is its
// identifier + 120.
namespace tool_id {
inline constexpr int kPaint = 32775;
inline constexpr int kRedEye = 32776;
inline constexpr int kFill = 32777;
inline constexpr int kMagnify = 32778;
inline constexpr int kPick = 32779;
inline constexpr int kFilledSquare = 32780;
inline constexpr int kSquare = 32781;
inline constexpr int kCircle = 32782;
inline constexpr int kFilledCircle = 32783;
inline constexpr int kCurve = 32784;
inline constexpr int kGrab = 32785;
inline constexpr int kPalette = 32786;
inline constexpr int kGrabFreehand = 32787;
inline constexpr int kSpray = 32788;
inline constexpr int kText = 32789;
inline constexpr int kHandle = 32790;
inline constexpr int kCrop = 32791;
inline constexpr int kLine = 32792;
inline constexpr int kStencil = 32793;
inline constexpr int kSymmetry = 32794;
inline constexpr int kScrollPush = 32795;
inline constexpr int kClampFrame = 32796;
inline constexpr int kClearScreen = 32797;
inline constexpr int kFxBrush = 32798;
inline constexpr int kUndo = 32799;
inline constexpr int kRedo = 32800;
inline constexpr int kRightClickOffset = 120;

inline constexpr int kCustomBrushSizing = 1;
inline constexpr int kBrushStretch = 2;
inline constexpr int kBrushHandle = 3;
inline constexpr int kBrushRotation = 4;
inline constexpr int kSymmetryCentre = 5;
}  // namespace tool_id

}  // namespace quillor
