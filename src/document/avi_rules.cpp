#include "document/avi_rules.h"

#include <cmath>
#include <cstdlib>

#include "document/anim_doc.h"

namespace quillor {

AviTimeBase AviTimeBaseFor(double framesPerSecond) {
    const double whole = std::trunc(framesPerSecond);
    const double fraction = framesPerSecond - whole;
    AviTimeBase base{int(whole), 1};
    if (fraction > 0.0) {
        const double scale = std::floor(1.0 / fraction);
        const double rate = std::floor(framesPerSecond * scale);
        if (scale > 0.0 && rate > 0.0 && scale < 1e9 && rate < 1e9) base = {int(rate), int(scale)};
    }
    return base;
}

std::optional<std::string> AviFramesRefusal(const CAnimDoc& document) {
    const AnimFrame* first = document.FindFrame(0);
    if (first == nullptr) return std::nullopt;
    bool mixedModes = false, mixedSizes = false;
    const int count = int(std::max<std::uint32_t>(document.frameCount, 1));
    for (int i = 1; i < count; ++i) {
        const AnimFrame* frame = document.FindFrame(i);
        if (frame == nullptr) continue;
        mixedModes |= frame->colourMode != first->colourMode;
        mixedSizes |= frame->width != first->width || frame->height != first->height;
    }
    if (mixedModes && mixedSizes)
        return std::string("You cannot save AVIs with images of mixed colour depths and sizes.\nPlease ensure all images "
                           "in the animation have the same number of colours and do not vary in dimension.");
    if (mixedModes)
        return std::string("You cannot save AVIs with images of mixed colour depths.\nPlease ensure all images in the "
                           "animation have the same number of colours.");
    if (mixedSizes)
        return std::string("You cannot save AVIs with images of different sizes.\nPlease ensure all images in the "
                           "animation have the same dimensions.");
    return std::nullopt;
}

std::vector<int> AviFrameOrder(int start, int end) {
    std::vector<int> order;
    const int step = end < start ? -1 : 1;
    for (int frame = start;; frame += step) {
        order.push_back(frame);
        if (frame == end) break;
    }
    return order;
}

const char* OrdinalSuffix(int number) {
    const int lastTwo = std::abs(number) % 100;
    if (lastTwo >= 11 && lastTwo <= 13) return "th";
    switch (std::abs(number) % 10) {
        case 1: return "st";
        case 2: return "nd";
        case 3: return "rd";
        default: return "th";
    }
}

}  // namespace quillor
