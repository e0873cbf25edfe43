#include "view/status_text.h"

#include <cmath>
#include <string_view>

namespace quillor {

namespace {

std::string Text(long long value) {
    return std::to_string(value);
}

}  // namespace

std::string CoordinateText(int pictureCoordinate, int extent) {
    const long long counted =
        pictureCoordinate >= 0 ? (long long)pictureCoordinate + 1 : pictureCoordinate;
    if (counted > extent) return "+" + Text(counted - extent);
    return Text(counted);
}

std::string ColourText(const PointerColour& colour) {
    const std::string rgb = "R:" + Text(RedOf(colour.colour)) +
                            " G:" + Text(GreenOf(colour.colour)) +
                            " B:" + Text(BlueOf(colour.colour));
    if (colour.palette) return "    Colour: #" + Text(colour.index) + " (" + rgb + ")";
    return "    Colour: " + rgb;
}

long long DragExtent(int pressCoordinate, int pointerCoordinate) {
    const long long extent = (long long)pointerCoordinate - pressCoordinate + 1;
    return extent > 0 ? extent : extent - 1;
}

std::string BuildStatusText(const StatusReport& report) {
    std::string text = "Size: (" + Text(report.picture.width) + " x " +
                       Text(report.picture.height) + ")    Coordinates: (" +
                       CoordinateText(report.pointer.x, report.picture.width) + " x " +
                       CoordinateText(report.pointer.y, report.picture.height) + ")";
    text += ColourText(report.colour);

    const double percent = std::trunc(report.zoom * 100.0);
    text += "    Magnify: (" + Text(percent > 0.0 ? (long long)percent : 0) + "%)";

    if (report.pressPoint) {
        if (report.extras.rotationDegrees) {
            text += "    Rotation: " + Text(*report.extras.rotationDegrees) + "\u00B0";
        } else {
            text += "    Drag: (" + Text(DragExtent(report.pressPoint->x, report.pointer.x)) +
                    " x " + Text(DragExtent(report.pressPoint->y, report.pointer.y)) + ")";
        }
    }

    switch (report.extras.brush) {
        case StatusExtras::BrushNote::Animated:
            text += "    (Animated Brush)";
            break;
        case StatusExtras::BrushNote::SingleFrame:
            text += "    (Single Frame Brush)";
            break;
        case StatusExtras::BrushNote::None:
            break;
    }
    return text;
}

}  // namespace quillor
