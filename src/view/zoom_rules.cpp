#include "view/zoom_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quillor {

namespace {

constexpr double kVariableFineStep = 0.0125;
constexpr double kVariableFloor = 0.000001;

double TableFactor(MagnifyType type, unsigned fixed) {
    switch (type) {
        case MagnifyType::Times2:
            return 2.0;
        case MagnifyType::Times3:
            return 3.0;
        case MagnifyType::Times4:
            return 4.0;
        case MagnifyType::Times8:
            return 8.0;
        case MagnifyType::Times16:
            return 16.0;
        case MagnifyType::Times32:
            return 32.0;
        // A factor of 0 would divide by zero; the settings never hold one, a file might.
        case MagnifyType::Fixed:
            return double(std::max(1u, fixed));
        case MagnifyType::Variable:
            break;
    }
    return 1.0;
}

double WholeAboveOne(double zoom) {
    return zoom > 1.0 ? std::trunc(zoom) : zoom;
}

}  // namespace

double StepZoomIn(double zoom, const MagnifySettings& settings) {
    if (settings.type == MagnifyType::Variable)
        return zoom >= 1.0 ? zoom + 1.0 : zoom + kVariableFineStep;
    return zoom * TableFactor(settings.type, settings.fixed);
}

double StepZoomOut(double zoom, const MagnifySettings& settings) {
    if (settings.type == MagnifyType::Variable) {
        if (zoom > 1.0) return zoom - 1.0;
        if (zoom > kVariableFineStep) return zoom - kVariableFineStep;
        if (zoom >= 0.0) return kVariableFloor;
        return zoom;
    }
    // Type 1 multiplies by a third rather than divide by 3: the last bit of the zoom
    // decides where a truncated window position falls.
    if (settings.type == MagnifyType::Times3) return zoom * (1.0 / 3.0);
    return zoom / TableFactor(settings.type, settings.fixed);
}

double ZoomInResult(double zoom, const MagnifySettings& settings, DibSize picture,
                    const std::optional<IntRect>& dragged) {
    const int rectWidth = dragged ? std::abs(dragged->right - dragged->left) : 0;
    const int rectHeight = dragged ? std::abs(dragged->bottom - dragged->top) : 0;
    if (rectWidth == 0 || rectHeight == 0) {
        zoom = StepZoomIn(zoom, settings);
    } else {
        zoom = double(picture.height) / rectHeight;
        const double across = double(picture.width) / rectWidth;
        if (across > zoom) zoom = across;
    }
    zoom = WholeAboveOne(zoom);
    if (zoom > kMaxZoom) zoom = kMaxZoom;
    return zoom;
}

double ZoomOutResult(double zoom, const MagnifySettings& settings, DibSize picture) {
    zoom = WholeAboveOne(StepZoomOut(zoom, settings));
    if (!(zoom >= 0.0)) zoom = 1.0;
    // Each side on its own, so that neither ends up under the minimum.
    if (picture.width > 0 && picture.width * zoom < kMinShownPixels)
        zoom = double(kMinShownPixels) / picture.width;
    if (picture.height > 0 && picture.height * zoom < kMinShownPixels)
        zoom = double(kMinShownPixels) / picture.height;
    return zoom;
}

Placement CentredOn(IntPoint centre, double zoom, ClientSize client) {
    auto axis = [zoom](int at, int clientExtent) {
        const double shifted = std::clamp(at * zoom - clientExtent / 2, -1e9, 1e9);
        return -int(std::trunc(shifted));
    };
    return {zoom, axis(centre.x, client.width), axis(centre.y, client.height)};
}

IntPoint CentreOf(const IntRect& rect) {
    return {int(std::trunc(rect.left + (rect.right - rect.left) * 0.5)),
            int(std::trunc(rect.top + (rect.bottom - rect.top) * 0.5))};
}

IntPoint ClientCentre(ClientSize client) {
    return {client.width / 2, client.height / 2};
}

}  // namespace quillor
