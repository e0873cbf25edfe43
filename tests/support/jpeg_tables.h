#pragma once

#include <cstdint>
#include <vector>

namespace quillor::testing {

// The quantisation table values a JPEG's header holds, table after table (64 each, in
// zig-zag order). libjpeg's quality 100 makes them all 1; quality 1 all 255 (baseline
// tables are capped there).
std::vector<int> QuantisationValues(const std::vector<std::uint8_t>& jpeg);

}  // namespace quillor::testing
