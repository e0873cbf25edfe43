#pragma once

#include <string>
#include <string_view>

#include "formats/image_file_context.h"

namespace quillor {

class PaintBrush;

inline constexpr char kBrushOpenKey[] = "Brush Open";
inline constexpr char kBrushSaveAsKey[] = "Brush Save As";
inline constexpr char kBrushFilter[] = "Brush File (*.bsh)|*.bsh|";

// The name a brush is saved or loaded under: as chosen, with ".bsh" added unless it
// already ends so (in any letter case).
std::string BrushPath(std::string_view chosen);

// "Save Brush As": the brush of the picture's depth (`imageTrueColour`), refused when it
// has no frames of its own; the file dialog remembers its folder under "Previous Paths",
// "Brush Save As". False when nothing was saved.
bool SaveBrushAs(const PaintBrush& brush, bool imageTrueColour, const ImageFileContext& context);

// "Load Brush": the file fills the brush of its own depth; the brush of the picture's
// depth is kept as the previous brush first. False when nothing was loaded.
bool LoadBrush(PaintBrush& brush, bool imageTrueColour, std::uint32_t documentFrames,
               const ImageFileContext& context);

}  // namespace quillor
