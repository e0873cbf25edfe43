#include "document/frame_clear.h"

#include <cstring>

#include "document/anim_doc.h"

namespace quillor {

bool ClearCurrentFrame(CAnimDoc& document) {
    AnimFrame* frame = document.FindFrame(document.CurrentFrame());
    if (!frame || !frame->image || frame->image->IsEmpty()) return false;
    if (document.PaintingBlocked()) return false;
    // Every pixel changes: the step keeps the whole frame at once.
    document.Undo().PushWholeFrame(document);
    COXDIB& image = *frame->image;
    if (image.GetBitCount() == 24) {
        const ColourRef c = document.TableColour(document.Background());
        const std::uint8_t bgr[3] = {BlueOf(c), GreenOf(c), RedOf(c)};
        const DibSize size = image.GetSize();
        for (int y = 0; y < size.height; ++y) {
            std::uint8_t* line = image.Line(y);
            for (int x = 0; x < size.width; ++x) std::memcpy(line + 3 * x, bgr, 3);
        }
    } else {
        std::memset(image.GetBits(), document.Background(), image.GetImageBytes());
    }
    document.FramesChanged(document.CurrentFrame());
    return true;
}

}  // namespace quillor
