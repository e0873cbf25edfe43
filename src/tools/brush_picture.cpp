#include "tools/brush_picture.h"

namespace quillor {

std::optional<BrushPicture> BrushPictureOf(const PaintBrush& brush, bool trueColour) {
    const BrushRecord& record = brush.Current(trueColour);
    if (record.borrowed || !record.Exists() || record.width < 1 || record.height < 1) return std::nullopt;
    BrushPicture picture;
    picture.width = record.width;
    picture.height = record.height;
    picture.trueColour = trueColour;
    picture.pixels = record.frames[record.currentFrame];
    if (!trueColour) picture.palette.assign(record.palette.begin(), record.palette.end());
    return picture;
}

}  // namespace quillor
