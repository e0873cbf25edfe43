#include "support/jpeg_tables.h"

#include <cstddef>

namespace quillor::testing {

std::vector<int> QuantisationValues(const std::vector<std::uint8_t>& jpeg) {
    std::vector<int> values;
    // Marker segments from after the start-of-image marker up to the first scan.
    for (std::size_t at = 2; at + 4 <= jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] != 0xDA;) {
        const std::size_t length = std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        if (jpeg[at + 1] == 0xDB) {
            // Each table: a precision/number byte, then 64 eight-bit values.
            for (std::size_t i = at + 4; i + 65 <= at + 2 + length && i + 65 <= jpeg.size(); i += 65)
                values.insert(values.end(), jpeg.begin() + std::ptrdiff_t(i + 1),
                              jpeg.begin() + std::ptrdiff_t(i + 65));
        }
        at += 2 + length;
    }
    return values;
}

}  // namespace quillor::testing
