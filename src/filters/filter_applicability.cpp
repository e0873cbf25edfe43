#include "filters/filter_applicability.h"

namespace quillor {

bool OperationApplies(PixelOperation operation, ColourMode mode) {
    return mode == ColourMode::TrueColour || NotTrueColourMessage(operation) == nullptr;
}

const char* NotTrueColourMessage(PixelOperation operation) {
    switch (operation) {
        case PixelOperation::Sharpen:
            return "You can only sharpen true colour images. Please convert to true colour first.";
        case PixelOperation::Despeckle:
            return "You can only despeckle true colour images. Please convert to true colour first.";
        // Simplify has always shared the blur message.
        case PixelOperation::Blur:
        case PixelOperation::Simplify:
            return "You can only blur true colour images. Please convert to true colour first.";
        case PixelOperation::AutoBrightness:
            return "You can only use automatic brightness correction on true colour images. Please convert to "
                   "true colour first.";
        case PixelOperation::Gamma:
            return "You can only use gamma correction for true colour images. Please convert to true colour "
                   "first.";
        case PixelOperation::BlackAndWhite:
        case PixelOperation::Negative:
        case PixelOperation::ColourBalance:
        case PixelOperation::Contrast:
            return nullptr;
    }
    return nullptr;
}

}  // namespace quillor
