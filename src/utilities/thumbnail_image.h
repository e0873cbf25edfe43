#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace quillor {

// The room a thumbnail may take: the cell less its margins, in real pixels.
struct ThumbnailBox {
    double width = 0;
    double height = 0;
    bool operator==(const ThumbnailBox&) const = default;
};

struct ThumbnailSize {
    int width = 0;
    int height = 0;
    bool operator==(const ThumbnailSize&) const = default;
};

// The size a picture of width x height is shown at in `box`, its aspect ratio kept: the
// full height of the box when the picture is relatively taller than the box, else the
// full width. Never smaller than 1 x 1.
ThumbnailSize FitThumbnail(int width, int height, ThumbnailBox box);

// A scaled picture ready to draw: top-down lines of blue, green, red, no padding.
struct ThumbnailImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;
};

enum class ThumbnailState : std::uint8_t {
    Pending,     // not built yet
    Ready,       // has a picture
    Locked,      // a password file that cannot be opened without its password
    Unreadable,  // not a picture this program can read
};

struct ThumbnailResult {
    ThumbnailState state = ThumbnailState::Pending;
    int imageWidth = 0;   // the picture's own size, when it could be read
    int imageHeight = 0;
    std::shared_ptr<const ThumbnailImage> image;  // set when Ready
};

}  // namespace quillor
