#include "core/resize_nearest.h"

#include <cstring>
#include <vector>

#include "core/image_rows.h"
#include "core/work_progress.h"

namespace quillor {

namespace {

// Source position of every destination column or line, or -1 where it falls outside.
std::vector<int> SourcePositions(int oldSide, int newSide) {
    const double scale = double(oldSide) / double(newSide);
    std::vector<int> positions(static_cast<std::size_t>(newSide));
    for (int i = 0; i < newSide; ++i) {
        const double at = double(i) * scale;
        positions[std::size_t(i)] = at >= 0.0 && at < double(oldSide) ? int(at) : -1;
    }
    return positions;
}

}  // namespace

bool ResizeNearest(const COXDIB& source, COXDIB& destination, const BackgroundColour& background) {
    const unsigned bits = source.GetBitCount();
    if ((bits != 8 && bits != 24) || destination.GetBitCount() != bits) return false;
    const DibSize from = source.GetSize(), to = destination.GetSize();
    const std::vector<int> columns = SourcePositions(from.width, to.width);
    const std::vector<int> lines = SourcePositions(from.height, to.height);
    const StoredPixel fill = StoredBackground(background, bits);
    const std::size_t lineBytes = std::size_t(to.width) * std::size_t(fill.size);

    const ConstRows in = DibRows(source);
    const Rows out = DibRows(destination);
    int previousLine = -1;
    for (int y = 0; y < to.height; ++y) {
        ReportRows(y, to.height);
        std::uint8_t* dst = out.Line(y);
        const int line = lines[std::size_t(y)];
        if (line < 0) {
            FillPixels(dst, std::size_t(to.width), fill);
        } else if (line == previousLine && y > 0) {
            // Enlarging repeats lines; the one above already holds this one.
            std::memcpy(dst, out.Line(y - 1), lineBytes);
        } else if (bits == 8) {
            const std::uint8_t* src = in.Line(line);
            for (int x = 0; x < to.width; ++x) {
                const int column = columns[std::size_t(x)];
                dst[x] = column < 0 ? fill.bytes[0] : src[column];
            }
        } else {
            const std::uint8_t* src = in.Line(line);
            for (int x = 0; x < to.width; ++x, dst += 3) {
                const int column = columns[std::size_t(x)];
                const std::uint8_t* pixel = column < 0 ? fill.bytes : src + std::size_t(column) * 3;
                dst[0] = pixel[0];
                dst[1] = pixel[1];
                dst[2] = pixel[2];
            }
        }
        previousLine = line;
    }
    return true;
}

}  // namespace quillor
