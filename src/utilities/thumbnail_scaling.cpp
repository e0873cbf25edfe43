#include "utilities/thumbnail_scaling.h"

#include <algorithm>
#include <cstring>

#include "core/resample.h"

namespace quillor {

ThumbnailSize FitThumbnail(int width, int height, ThumbnailBox box) {
    if (width < 1 || height < 1) return {1, 1};
    // A box squeezed below a pixel (many rows with names shown) still holds one.
    const double roomW = std::max(1.0, box.width);
    const double roomH = std::max(1.0, box.height);
    double w = 0, h = 0;
    if (double(width) / roomW < double(height) / roomH) {
        h = roomH;
        w = double(width) * roomH / double(height);
    } else {
        w = roomW;
        h = double(height) * roomW / double(width);
    }
    return {std::max(1, int(w)), std::max(1, int(h))};
}

ThumbnailShrinker::ThumbnailShrinker(int width, int height, ThumbnailSize size)
    : width_(width), height_(height), size_(size), columnOf_(std::size_t(width)),
      columnCount_(std::size_t(size.width)), sums_(std::size_t(size.width) * 3) {
    for (int x = 0; x < width; ++x) {
        columnOf_[std::size_t(x)] = int(std::int64_t(x) * size.width / width);
        ++columnCount_[std::size_t(columnOf_[std::size_t(x)])];
    }
    image_.width = size.width;
    image_.height = size.height;
    image_.bgr.assign(std::size_t(size.width) * std::size_t(size.height) * 3, 0);
}

void ThumbnailShrinker::AddLine(const std::uint8_t* bgr) {
    if (Complete()) return;
    const int row = int(std::int64_t(nextLine_) * size_.height / height_);
    if (row != row_) FinishRow();
    row_ = row;
    for (int x = 0; x < width_; ++x, bgr += 3) {
        std::uint64_t* sum = &sums_[std::size_t(columnOf_[std::size_t(x)]) * 3];
        sum[0] += bgr[0];
        sum[1] += bgr[1];
        sum[2] += bgr[2];
    }
    ++linesInRow_;
    ++nextLine_;
    if (Complete()) FinishRow();
}

void ThumbnailShrinker::FinishRow() {
    if (linesInRow_ == 0) return;
    std::uint8_t* out = image_.bgr.data() + std::size_t(row_) * std::size_t(size_.width) * 3;
    for (int x = 0; x < size_.width; ++x) {
        const std::uint64_t count = columnCount_[std::size_t(x)] * linesInRow_;
        for (int c = 0; c < 3; ++c) {
            std::uint64_t& sum = sums_[std::size_t(x) * 3 + std::size_t(c)];
            out[x * 3 + c] = std::uint8_t((sum + count / 2) / count);
            sum = 0;
        }
    }
    linesInRow_ = 0;
}

ThumbnailImage ThumbnailShrinker::Take() { return std::move(image_); }

ThumbnailImage ScaleToThumbnail(const std::uint8_t* top, std::ptrdiff_t step, int width, int height,
                                ThumbnailSize size) {
    if (size.width <= width && size.height <= height) {
        ThumbnailShrinker shrinker(width, height, size);
        for (int y = 0; y < height; ++y) shrinker.AddLine(top + std::ptrdiff_t(y) * step);
        return shrinker.Take();
    }
    // Growing (a picture smaller than its cell): bilinear over a packed copy.
    const std::size_t lineBytes = std::size_t(width) * 3;
    std::vector<std::uint8_t> packed(lineBytes * std::size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(packed.data() + std::size_t(y) * lineBytes, top + std::ptrdiff_t(y) * step, lineBytes);
    ThumbnailImage image;
    image.width = size.width;
    image.height = size.height;
    image.bgr.resize(std::size_t(size.width) * std::size_t(size.height) * 3);
    if (!ResampleTrueColour(packed.data(), width, height, image.bgr.data(), size.width, size.height, 3))
        return {};
    return image;
}

}  // namespace quillor
