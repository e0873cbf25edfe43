#include "brush/brush_stretch.h"

#include <algorithm>

#include "core/image_limits.h"
#include "core/resample.h"

namespace quillor {

namespace {

// Transparent pixels take the colour of the last opaque pixel before them in reading
// order; those before the first opaque pixel take its colour. A frame with no opaque
// pixel stays as it is: the mask makes all of it transparent again anyway.
std::vector<std::uint8_t> FilledForBlending(const std::vector<std::uint8_t>& frame, std::size_t bytes,
                                            const BrushColour& transparent) {
    std::vector<std::uint8_t> filled = frame;
    const std::size_t count = frame.size() / bytes;
    std::size_t first = 0;
    while (first < count && transparent.At(&frame[first * bytes], bytes)) ++first;
    if (first == count) return filled;
    for (std::size_t i = 0; i < first; ++i) std::copy_n(&frame[first * bytes], bytes, &filled[i * bytes]);
    const std::uint8_t* last = &frame[first * bytes];
    for (std::size_t i = first + 1; i < count; ++i) {
        const std::uint8_t* pixel = &frame[i * bytes];
        if (transparent.At(pixel, bytes)) std::copy_n(last, bytes, &filled[i * bytes]);
        else last = pixel;
    }
    return filled;
}

// The transparent colour where the frame is transparent, its complement elsewhere.
std::vector<std::uint8_t> TransparencyMask(const std::vector<std::uint8_t>& frame, std::size_t bytes,
                                           const BrushColour& transparent) {
    std::vector<std::uint8_t> mask(frame.size());
    const BrushColour opaque = transparent.Complement();
    for (std::size_t i = 0; i + bytes <= frame.size(); i += bytes)
        (transparent.At(&frame[i], bytes) ? transparent : opaque).Put(&mask[i], bytes);
    return mask;
}

}  // namespace

std::array<std::uint8_t, 1024> ResamplerPalette(const std::array<ColourRef, 256>& palette) {
    std::array<std::uint8_t, 1024> bytes{};
    for (std::size_t i = 0; i < 256; ++i) {
        bytes[i * 4] = BlueOf(palette[i]);
        bytes[i * 4 + 1] = GreenOf(palette[i]);
        bytes[i * 4 + 2] = RedOf(palette[i]);
    }
    return bytes;
}

BrushStretch::BrushStretch(const BrushRecord& brush, bool trueColour, BrushColour transparent, bool bilinear)
    : copy_(brush), trueColour_(trueColour), transparent_(transparent), bilinear_(bilinear) {
    if (!bilinear_) return;
    const std::size_t bytes = trueColour_ ? 3 : 1;
    for (const auto& frame : copy_.frames) {
        filled_.push_back(FilledForBlending(frame, bytes, transparent_));
        masks_.push_back(TransparencyMask(frame, bytes, transparent_));
    }
    palette_ = ResamplerPalette(copy_.palette);
}

bool BrushStretch::Bilinear(const std::vector<std::uint8_t>& filled, const std::vector<std::uint8_t>& mask,
                            std::vector<std::uint8_t>& to, int width, int height) const {
    const std::size_t bytes = trueColour_ ? 3 : 1;
    const std::size_t size = std::size_t(width) * std::size_t(height) * bytes;
    std::vector<std::uint8_t> scaledMask(size);
    to.assign(size, 0);
    const auto resample = [&](const std::vector<std::uint8_t>& from, std::uint8_t* out) {
        return trueColour_ ? ResampleTrueColour(from.data(), copy_.width, copy_.height, out, width, height, 3)
                           : ResamplePaletted(from.data(), copy_.width, copy_.height, out, width, height, 256,
                                              palette_.data());
    };
    if (!resample(filled, to.data()) || !resample(mask, scaledMask.data())) return false;
    // Only a pixel whose every source was transparent comes out exactly transparent.
    for (std::size_t i = 0; i < size; i += bytes)
        if (transparent_.At(&scaledMask[i], bytes)) transparent_.Put(&to[i], bytes);
    return true;
}

bool BrushStretch::StretchTo(BrushRecord& brush, int width, int height, bool mirrorX, bool mirrorY) const {
    if (width < 1 || height < 1 || !ImageSideOk(width) || !ImageSideOk(height) || copy_.width < 1 ||
        copy_.height < 1 || copy_.frames.size() != brush.frames.size())
        return false;
    const std::size_t bytes = trueColour_ ? 3 : 1;
    std::vector<std::vector<std::uint8_t>> frames(copy_.frames.size());
    if (bilinear_) {
        for (std::size_t f = 0; f < frames.size(); ++f)
            if (!Bilinear(filled_[f], masks_[f], frames[f], width, height)) return false;
    } else {
        const double sx = double(copy_.width) / double(width);
        const double sy = double(copy_.height) / double(height);
        std::vector<std::size_t> columns(std::size_t(width), 0);
        for (int i = 0; i < width; ++i) {
            const int k = std::min(copy_.width - 1, int(double(i) * sx));
            columns[std::size_t(i)] = std::size_t(mirrorX ? copy_.width - 1 - k : k) * bytes;
        }
        const std::size_t copyRow = std::size_t(copy_.width) * bytes;
        for (std::size_t f = 0; f < frames.size(); ++f) {
            const std::vector<std::uint8_t>& from = copy_.frames[f];
            std::vector<std::uint8_t>& to = frames[f];
            to.resize(std::size_t(width) * std::size_t(height) * bytes);
            std::uint8_t* out = to.data();
            for (int j = 0; j < height; ++j) {
                const int row = std::min(copy_.height - 1, int(double(mirrorY ? height - 1 - j : j) * sy));
                const std::uint8_t* line = from.data() + std::size_t(row) * copyRow;
                for (int i = 0; i < width; ++i, out += bytes) std::copy_n(line + columns[std::size_t(i)], bytes, out);
            }
        }
    }
    brush.frames = std::move(frames);
    brush.width = width;
    brush.height = height;
    return true;
}

}  // namespace quillor
