#pragma once

#include <optional>

#include "brush/paint_brush.h"
#include "document/document_environment.h"

namespace quillor {

// The current frame of the brush of one depth as "Make New Image From Brush" takes it:
// nothing when that brush has no frames of its own.
std::optional<BrushPicture> BrushPictureOf(const PaintBrush& brush, bool trueColour);

}  // namespace quillor
