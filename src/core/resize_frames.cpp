#include "core/resize_frames.h"

#include <array>
#include <cstring>
#include <vector>

#include "core/crop.h"
#include "core/image_limits.h"
#include "core/image_rows.h"
#include "core/resample.h"
#include "core/resize_nearest.h"
#include "core/work_progress.h"

namespace quillor {

namespace {

int PaletteSizeOf(ColourMode mode) {
    switch (mode) {
        case ColourMode::Mono: return 2;
        case ColourMode::Colours16: return 16;
        default: return 256;
    }
}

// The resized picture as a new image; `image` itself is not touched.
bool MakeResized(const COXDIB& image, ColourMode mode, const ResizeSettings& settings,
                 const BackgroundColour& background, COXDIB& result) {
    const unsigned bits = image.GetBitCount();
    if (bits != 8 && bits != 24) return false;
    if (!ImageSideOk(settings.newWidth) || !ImageSideOk(settings.newHeight)) return false;
    if (!result.CreateBlank(std::uint16_t(bits), settings.newWidth, settings.newHeight)) return false;

    // Entries the frame's table lacks keep the default colours, as a copy of it would.
    const unsigned entries = image.GetColourCount();
    for (unsigned i = 0; i < entries && i < 256; ++i)
        result.SetTableWord(std::uint8_t(i), image.GetTableWord(std::uint8_t(i)));

    if (!settings.rescale)
        return CropInto(image, result, {settings.offsetX, settings.offsetY}, background);
    if (!settings.bilinear) return ResizeNearest(image, result, background);
    if (bits == 24) return ResampleTrueColourRows(DibRows(image), DibRows(result), 3);
    std::array<std::uint8_t, 1024> palette{};
    for (unsigned i = 0; i < 256; ++i) {
        const TableWord word = result.GetTableWord(std::uint8_t(i));
        std::memcpy(palette.data() + i * 4, &word, 4);
    }
    return ResamplePalettedRows(DibRows(image), DibRows(result), PaletteSizeOf(mode), palette.data());
}

}  // namespace

bool ResizeFrameImage(COXDIB& image, ColourMode mode, const ResizeSettings& settings,
                      const BackgroundColour& background) {
    COXDIB result;
    if (!MakeResized(image, mode, settings, background, result)) return false;
    image = std::move(result);
    return true;
}

bool ResizeFrames(std::span<COXDIB* const> images, std::span<const ColourMode> modes,
                  const ResizeSettings& settings, const BackgroundColour& background) {
    if (images.size() != modes.size()) return false;
    // Every result is made before any frame changes, so a failure part-way never leaves
    // a document whose frames have different sizes.
    std::vector<COXDIB> results(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const ProgressPass pass(int(i), int(images.size()));
        if (images[i] == nullptr || !MakeResized(*images[i], modes[i], settings, background, results[i]))
            return false;
        ReportRows(1, 1);  // a crop or a plain copy reports nothing of its own
    }
    for (std::size_t i = 0; i < images.size(); ++i) *images[i] = std::move(results[i]);
    return true;
}

}  // namespace quillor
