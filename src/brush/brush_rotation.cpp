#include "brush/brush_rotation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "core/image_limits.h"

namespace quillor {

namespace {

constexpr double kDegreesPerRadian = 57.29577951471995;

// A point `radius` from the turning point in direction `direction` (measured like the
// angle: 0 straight down, growing towards the right), truncated.
IntPoint Polar(double radius, double direction) {
    return {int(radius * std::sin(direction)), int(radius * std::cos(direction))};
}

// Each new pixel from the copy pixel it shows, or the background. The pixel size is a
// constant so the copies compile to plain moves.
template <std::size_t Bytes>
void Gather(const std::uint8_t* from, const std::vector<std::int32_t>& shown, const BrushColour& background,
            std::uint8_t* out) {
    for (const std::int32_t source : shown) {
        const std::uint8_t* pixel = source < 0 ? background.bytes : from + std::size_t(source) * Bytes;
        for (std::size_t c = 0; c < Bytes; ++c) out[c] = pixel[c];
        out += Bytes;
    }
}

}  // namespace

double RotationAngle(IntPoint press, IntPoint pointer) {
    return std::atan2(double(pointer.x - press.x), double(pointer.y - press.y));
}

int RotationDegrees(double angle) { return int(angle * kDegreesPerRadian); }

TurnedOutline TurnOutline(int width, int height, double angle) {
    const double w = width, h = height;
    // The diagonal is taken in whole pixels, as the work picture's side is.
    const double diagonal = std::trunc(std::sqrt(w * w + h * h));
    TurnedOutline outline;
    outline.corners = {IntPoint{0, 0}, Polar(w, angle + std::numbers::pi / 2), Polar(diagonal, angle + std::atan2(w, h)),
                       Polar(h, angle)};
    int right = 0, bottom = 0;
    for (const IntPoint& p : outline.corners) {
        outline.left = std::min(outline.left, p.x);
        outline.top = std::min(outline.top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    outline.width = right - outline.left;
    outline.height = bottom - outline.top;
    return outline;
}

BrushRotation::BrushRotation(const BrushRecord& brush, bool trueColour, BrushColour background)
    : copy_(brush), trueColour_(trueColour), background_(background) {}

bool BrushRotation::TurnTo(BrushRecord& brush, double angle) const {
    const TurnedOutline outline = TurnOutline(copy_.width, copy_.height, angle);
    if (!ImageSideOk(outline.width) || !ImageSideOk(outline.height) || copy_.frames.size() != brush.frames.size())
        return false;
    const std::size_t bytes = trueColour_ ? 3 : 1;
    const int w = copy_.width, h = copy_.height;
    // Where each copy pixel lands in the new frame (x, y from its top-left), worked out
    // once for all frames: turning by the angle's sine and cosine is the same as taking
    // each pixel's own distance and direction from the turning point, and keeps an
    // unturned brush exact.
    const double sine = std::sin(angle), cosine = std::cos(angle);
    std::vector<IntPoint> places(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            places[std::size_t(y) * std::size_t(w) + std::size_t(x)] = {
                int(double(y) * sine + double(x) * cosine) - outline.left,
                int(double(y) * cosine - double(x) * sine) - outline.top};
    const int newWidth = outline.width, newHeight = outline.height;
    // Which copy pixel each new pixel shows (-1: none, the background), also the same for
    // every frame. Forward mapping leaves gaps between the turned pixels: a first pass
    // puts every pixel beside its place as well, the second puts each at its own place.
    std::vector<std::int32_t> shown(std::size_t(newWidth) * std::size_t(newHeight), -1);
    const auto put = [&](int x, int y, std::size_t source) {
        if (x < 0 || y < 0 || x >= newWidth || y >= newHeight) return;
        shown[std::size_t(y) * std::size_t(newWidth) + std::size_t(x)] = std::int32_t(source);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
            const IntPoint p = places[i];
            if (x != 0) {
                put(p.x - 1, p.y, i);
                put(p.x + 1, p.y, i);
            }
            if (y != 0) {
                put(p.x, p.y - 1, i);
                put(p.x, p.y + 1, i);
            }
        }
    for (std::size_t i = 0; i < places.size(); ++i) put(places[i].x, places[i].y, i);
    std::vector<std::vector<std::uint8_t>> frames(copy_.frames.size());
    for (std::size_t f = 0; f < frames.size(); ++f) {
        frames[f].resize(shown.size() * bytes);
        if (trueColour_) Gather<3>(copy_.frames[f].data(), shown, background_, frames[f].data());
        else Gather<1>(copy_.frames[f].data(), shown, background_, frames[f].data());
    }
    brush.frames = std::move(frames);
    brush.width = newWidth;
    brush.height = newHeight;
    return true;
}

}  // namespace quillor
