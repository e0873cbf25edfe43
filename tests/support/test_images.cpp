#include "support/test_images.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace quillor::testing {

void MakeGradient24(COXDIB& image, int width, int height) {
    image.CreateBlank(24, width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < width; ++x) {
            line[x * 3 + 0] = std::uint8_t(x * 7 + y);        // blue
            line[x * 3 + 1] = std::uint8_t(y * 5 + 3);        // green
            line[x * 3 + 2] = std::uint8_t(255 - x * 3 - y);  // red
        }
    }
}

void MakeSmooth24(COXDIB& image, int width, int height) {
    image.CreateBlank(24, width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < width; ++x) {
            line[x * 3 + 0] = 128;
            line[x * 3 + 1] = std::uint8_t(y * 255 / std::max(1, height - 1));
            line[x * 3 + 2] = std::uint8_t(x * 255 / std::max(1, width - 1));
        }
    }
}

void MakeSmooth8(COXDIB& image, int width, int height) {
    image.CreateBlank(8, width, height);
    for (unsigned i = 0; i < 256; ++i) image.SetTableWord(std::uint8_t(i), 0x010101u * i);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < width; ++x) line[x] = std::uint8_t((x + y) * 255 / std::max(1, width + height - 2));
    }
}

void MakePattern8(COXDIB& image, int width, int height) {
    image.CreateBlank(8, width, height);
    for (unsigned i = 0; i < 256; ++i)
        image.SetTableWord(std::uint8_t(i), MakeTableWord(std::uint8_t(i), std::uint8_t(255 - i),
                                                          std::uint8_t(i * 37)));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = image.Line(y);
        for (int x = 0; x < width; ++x) line[x] = std::uint8_t(x * 11 + y * 3);
    }
}

TableWord ShownColour(const COXDIB& image, int x, int y) {
    const std::uint8_t* line = image.Line(y);
    switch (image.GetBitCount()) {
        case 24:
            return MakeTableWord(line[x * 3 + 2], line[x * 3 + 1], line[x * 3]);
        case 8:
            return image.GetTableWord(line[x]);
        case 4:
            return image.GetTableWord(std::uint8_t((x & 1) ? line[x / 2] & 15 : line[x / 2] >> 4));
        case 1:
            return image.GetTableWord(std::uint8_t((line[x / 8] >> (7 - x % 8)) & 1));
        default:
            return 0;
    }
}

std::string DifferenceBetween(const COXDIB& a, const COXDIB& b) {
    std::ostringstream out;
    if (a.GetSize() != b.GetSize()) {
        out << "sizes differ: " << a.GetSize().width << "x" << a.GetSize().height << " vs "
            << b.GetSize().width << "x" << b.GetSize().height;
        return out.str();
    }
    for (int y = 0; y < a.GetSize().height; ++y)
        for (int x = 0; x < a.GetSize().width; ++x) {
            const TableWord ca = ShownColour(a, x, y), cb = ShownColour(b, x, y);
            if (ca != cb) {
                out << "pixel (" << x << ", " << y << ") shows " << std::hex << ca << " vs " << cb;
                return out.str();
            }
        }
    return {};
}

int LargestChannelDifference(const COXDIB& a, const COXDIB& b) {
    if (a.GetSize() != b.GetSize()) return 256;
    int worst = 0;
    for (int y = 0; y < a.GetSize().height; ++y)
        for (int x = 0; x < a.GetSize().width; ++x) {
            const TableWord ca = ShownColour(a, x, y), cb = ShownColour(b, x, y);
            for (int shift = 0; shift < 24; shift += 8)
                worst = std::max(worst, std::abs(int((ca >> shift) & 255) - int((cb >> shift) & 255)));
        }
    return worst;
}

}  // namespace quillor::testing
