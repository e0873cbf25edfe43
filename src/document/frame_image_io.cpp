#include "document/frame_image_io.h"

namespace quillor {

bool LoadFrameImage(COXDIB& image, const std::string& path, const ImageFileContext& context,
                    LoadOutcome* outcome) {
    if (!LoadImageFile(image, path, context, outcome)) return false;
    const unsigned count = image.GetColourCount();
    if (count != 0 && count != 2 && count != 16 && count != 256) {
        COXDIB scratch;
        if (!image.CopyTo(scratch)) return false;
        image = std::move(scratch);
    }
    return true;
}

ColourMode FinishImageLoad(COXDIB& image) {
    const ColourMode mode = ColourModeFromBitCount(image.GetBitCount());
    if (mode == ColourMode::Colours16) image.ExpandFrom4Bit();
    if (mode == ColourMode::Mono) image.ExpandFrom1Bit();
    return mode;
}

bool SaveImageInMode(const COXDIB& image, ColourMode mode, const std::string& path,
                     const ImageFileContext& context) {
    if (mode == ColourMode::Colours16 || mode == ColourMode::Mono) {
        WaitCursor wait(context.ui);
        COXDIB packed;
        const bool ok = mode == ColourMode::Mono ? image.PackTo1Bit(packed) : image.PackTo4Bit(packed);
        return ok && SaveImageFile(packed, path, context);
    }
    return SaveImageFile(image, path, context);
}

}  // namespace quillor
