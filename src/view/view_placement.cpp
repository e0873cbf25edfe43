#include "view/view_placement.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace quillor {

namespace {

// Window arithmetic stays far inside the int range even for absurd zooms.
constexpr double kWindowLimit = 1e9;

int TruncToInt(double value) {
    return int(std::trunc(std::clamp(value, -kWindowLimit, kWindowLimit)));
}

int SaturateToInt(double value) {
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

}  // namespace

int ClampOriginAxis(int origin, int pictureExtent, double zoom, int clientExtent) {
    const double shown = double(pictureExtent) * zoom;
    if (shown < double(clientExtent)) return TruncToInt((double(clientExtent) - shown) * 0.5);
    const int lowest = TruncToInt(double(clientExtent) - shown);
    return std::clamp(origin, lowest, 0);
}

Placement ClampPlacement(Placement placement, DibSize picture, ClientSize client) {
    placement.originX =
        ClampOriginAxis(placement.originX, picture.width, placement.zoom, client.width);
    placement.originY =
        ClampOriginAxis(placement.originY, picture.height, placement.zoom, client.height);
    return placement;
}

int ScrollRange(int pictureExtent, double zoom, int clientExtent) {
    const double shown = double(pictureExtent) * zoom;
    if (shown < double(clientExtent)) return 0;
    return -TruncToInt(double(clientExtent) - shown);
}

IntPoint WindowToPicture(IntPoint window, const Placement& placement) {
    return {SaturateToInt(PictureCoordinateExact(window.x, placement.originX, placement.zoom)),
            SaturateToInt(PictureCoordinateExact(window.y, placement.originY, placement.zoom))};
}

int ArrowStep(double zoom) {
    return TruncToInt(zoom * 8.0);
}

ScrollPush ScrollPushFor(IntPoint pointer, ClientSize client) {
    ScrollPush push;
    push.pointer = pointer;
    if (client.width <= 0 || client.height <= 0) return push;
    if (pointer.x < 0) {
        push.originDeltaX = -pointer.x;
        push.pointer.x = 0;
    } else if (pointer.x >= client.width) {
        push.originDeltaX = client.width - 1 - pointer.x;
        push.pointer.x = client.width - 1;
    }
    if (pointer.y < 0) {
        push.originDeltaY = -pointer.y;
        push.pointer.y = 0;
    } else if (pointer.y >= client.height) {
        push.originDeltaY = client.height - 1 - pointer.y;
        push.pointer.y = client.height - 1;
    }
    return push;
}

IntRect FitOnPage(DibSize picture, const IntRect& page) {
    if (picture.width <= 0 || picture.height <= 0 || page.Empty()) return {};
    const double scale =
        std::min(double(page.Width()) / picture.width, double(page.Height()) / picture.height);
    const int width = std::clamp(TruncToInt(picture.width * scale), 1, page.Width());
    const int height = std::clamp(TruncToInt(picture.height * scale), 1, page.Height());
    const int left = page.left + (page.Width() - width) / 2;
    const int top = page.top + (page.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace quillor
