#include "brush/brush_transforms.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "brush/brush_stretch.h"
#include "core/resample.h"

namespace quillor {

namespace {

bool Changeable(const BrushRecord& record) { return !record.borrowed && record.Exists() && record.width > 0; }

int PixelBytes(bool trueColour) { return trueColour ? 3 : 1; }

std::vector<std::uint8_t> Turned(const std::vector<std::uint8_t>& frame, int width, int height, int bytes) {
    std::vector<std::uint8_t> turned(frame.size());
    // Old row r, column k goes to new row k, column H - 1 - r; the new rows are H wide.
    for (int r = 0; r < height; ++r)
        for (int k = 0; k < width; ++k) {
            const std::uint8_t* from = frame.data() + (std::size_t(r) * std::size_t(width) + std::size_t(k)) * bytes;
            std::uint8_t* to =
                turned.data() + (std::size_t(k) * std::size_t(height) + std::size_t(height - 1 - r)) * bytes;
            std::copy_n(from, bytes, to);
        }
    return turned;
}

void Mirror(std::vector<std::uint8_t>& frame, int width, int height, int bytes, bool horizontal) {
    const std::size_t row = std::size_t(width) * std::size_t(bytes);
    if (!horizontal) {
        for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(frame.begin() + std::ptrdiff_t(row * std::size_t(top)),
                             frame.begin() + std::ptrdiff_t(row * std::size_t(top + 1)),
                             frame.begin() + std::ptrdiff_t(row * std::size_t(bottom)));
        return;
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = frame.data() + row * std::size_t(y);
        for (int left = 0, right = width - 1; left < right; ++left, --right)
            std::swap_ranges(line + std::size_t(left) * bytes, line + std::size_t(left + 1) * bytes,
                             line + std::size_t(right) * bytes);
    }
}

bool Nearest(const std::vector<std::uint8_t>& from, int width, int height, std::vector<std::uint8_t>& to, int newWidth,
             int newHeight, int bytes) {
    const double sx = double(width) / double(newWidth);
    const double sy = double(height) / double(newHeight);
    to.assign(std::size_t(newWidth) * std::size_t(newHeight) * std::size_t(bytes), 0);
    for (int j = 0; j < newHeight; ++j) {
        const int row = std::min(height - 1, int(double(j) * sy));
        for (int i = 0; i < newWidth; ++i) {
            const int column = std::min(width - 1, int(double(i) * sx));
            std::copy_n(from.data() + (std::size_t(row) * std::size_t(width) + std::size_t(column)) * bytes, bytes,
                        to.data() + (std::size_t(j) * std::size_t(newWidth) + std::size_t(i)) * bytes);
        }
    }
    return true;
}

}  // namespace

bool QuarterTurnBrush(PaintBrush& brush, bool trueColour, std::uint32_t documentFrames) {
    brush.SaveAsPrevious(trueColour, documentFrames);
    BrushRecord& record = brush.Current(trueColour);
    if (!Changeable(record)) return false;
    for (auto& frame : record.frames) frame = Turned(frame, record.width, record.height, PixelBytes(trueColour));
    std::swap(record.width, record.height);
    return true;
}

bool FlipBrush(PaintBrush& brush, bool trueColour, bool horizontal, std::uint32_t documentFrames) {
    brush.SaveAsPrevious(trueColour, documentFrames);
    BrushRecord& record = brush.Current(trueColour);
    if (!Changeable(record)) return false;
    for (auto& frame : record.frames) Mirror(frame, record.width, record.height, PixelBytes(trueColour), horizontal);
    return true;
}

bool ResizeBrush(PaintBrush& brush, bool trueColour, double width, double height, bool bilinear,
                 std::uint32_t documentFrames) {
    BrushRecord& record = brush.Current(trueColour);
    if (!Changeable(record) || !(width >= 1.0) || !(height >= 1.0) || width > 65535.0 || height > 65535.0)
        return false;
    const int newWidth = int(width);
    const int newHeight = int(height);
    brush.SaveAsPrevious(trueColour, documentFrames);
    const int bytes = PixelBytes(trueColour);
    const std::array<std::uint8_t, 1024> palette = ResamplerPalette(record.palette);
    std::vector<std::vector<std::uint8_t>> frames(record.frames.size());
    for (std::size_t f = 0; f < record.frames.size(); ++f) {
        const std::vector<std::uint8_t>& from = record.frames[f];
        std::vector<std::uint8_t>& to = frames[f];
        if (!bilinear) {
            Nearest(from, record.width, record.height, to, newWidth, newHeight, bytes);
            continue;
        }
        to.assign(std::size_t(newWidth) * std::size_t(newHeight) * std::size_t(bytes), 0);
        const bool ok = trueColour ? ResampleTrueColour(from.data(), record.width, record.height, to.data(), newWidth,
                                                        newHeight, 3)
                                   : ResamplePaletted(from.data(), record.width, record.height, to.data(), newWidth,
                                                      newHeight, 256, palette.data());
        if (!ok) return false;
    }
    const double sx = double(record.width) / double(newWidth);
    const double sy = double(record.height) / double(newHeight);
    record.frames = std::move(frames);
    record.handleX = int(double(record.handleX) / sx);
    record.handleY = int(double(record.handleY) / sy);
    record.width = newWidth;
    record.height = newHeight;
    return true;
}

bool DoubleBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames) {
    const BrushRecord& r = brush.Current(trueColour);
    return ResizeBrush(brush, trueColour, 2.0 * r.width, 2.0 * r.height, bilinear, documentFrames);
}

bool HalveBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames) {
    const BrushRecord& r = brush.Current(trueColour);
    if (r.width < 2 || r.height < 2) return false;
    return ResizeBrush(brush, trueColour, r.width / 2, r.height / 2, bilinear, documentFrames);
}

bool EnlargeBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames) {
    const BrushRecord& r = brush.Current(trueColour);
    return ResizeBrush(brush, trueColour, r.width + 2, r.height + 2, bilinear, documentFrames);
}

bool ShrinkBrush(PaintBrush& brush, bool trueColour, bool bilinear, std::uint32_t documentFrames) {
    const BrushRecord& r = brush.Current(trueColour);
    if (r.width - 2 < 1 || r.height - 2 < 1) return false;
    return ResizeBrush(brush, trueColour, r.width - 2, r.height - 2, bilinear, documentFrames);
}

}  // namespace quillor
