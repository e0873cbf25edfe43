#include <cstddef>
#include <cstdint>
#include <span>

#include "utilities/thumbnail_jpeg.h"

using namespace quillor;

// A browser cell's thumbnail of a JPEG, decoded scaled: a picture it reports made must
// be whole and no larger than the box allows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ThumbnailResult result;
    const ThumbnailBox box{82.6, 64.3};
    if (MakeJpegThumbnail(std::span(data, size), box, nullptr, result) != JpegThumbnailOutcome::Made) return 0;
    if (result.state != ThumbnailState::Ready || !result.image) __builtin_trap();
    const ThumbnailImage& image = *result.image;
    if (image.width < 1 || image.height < 1 || image.width > 83 || image.height > 65) __builtin_trap();
    if (image.bgr.size() != std::size_t(image.width) * std::size_t(image.height) * 3) __builtin_trap();
    if (result.imageWidth < 1 || result.imageHeight < 1) __builtin_trap();
    return 0;
}
