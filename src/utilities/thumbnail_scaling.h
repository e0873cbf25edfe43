#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "utilities/thumbnail_image.h"

namespace quillor {

// Reduces a picture to a thumbnail while its lines arrive one by one, top first, so a
// decoder never has to hold the whole picture: each thumbnail pixel is the average of
// the block of picture pixels it covers. The thumbnail may be no larger than the
// picture in either direction.
class ThumbnailShrinker {
public:
    ThumbnailShrinker(int width, int height, ThumbnailSize size);

    // One line of blue, green, red pixels; lines past the last are ignored.
    void AddLine(const std::uint8_t* bgr);
    bool Complete() const { return nextLine_ >= height_; }
    // The thumbnail; lines that never arrived stay black.
    ThumbnailImage Take();

private:
    void FinishRow();

    int width_;
    int height_;
    ThumbnailSize size_;
    std::vector<int> columnOf_;        // thumbnail column of each picture column
    std::vector<std::uint64_t> columnCount_;  // picture columns per thumbnail column
    std::vector<std::uint64_t> sums_;  // the row being gathered, three sums a pixel
    std::uint32_t linesInRow_ = 0;
    int row_ = 0;
    int nextLine_ = 0;
    ThumbnailImage image_;
};

// Scales a picture given as top-down blue, green, red lines (`step` bytes apart) to
// `size`: averaged blocks when it shrinks, bilinear when it grows.
ThumbnailImage ScaleToThumbnail(const std::uint8_t* top, std::ptrdiff_t step, int width, int height,
                                ThumbnailSize size);

}  // namespace quillor
