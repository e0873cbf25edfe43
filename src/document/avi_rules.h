#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillor {

class CAnimDoc;

// An AVI stream's time base: `rate` frames every `scale` time units.
struct AviTimeBase {
    int rate = 25;
    int scale = 1;
};

// The time base for a typed rate: a fractional rate r with whole part v becomes
// trunc(r * s) per s with s = trunc(1 / (r - v)) (12.5 gives 25 per 2); a whole rate,
// or one whose fraction makes either part 0 or less, is v per 1 (29.97 gives 29 per 1).
AviTimeBase AviTimeBaseFor(double framesPerSecond);

// Why the document's frames cannot make one movie (their colour modes, their sizes, or
// both differ), or nothing when they can.
std::optional<std::string> AviFramesRefusal(const CAnimDoc& document);
inline constexpr const char* kAviRefusalTitle = "Cannot Save As AVI";

// The document frames (numbered from 1) written as samples 0, 1, ...: from `start` to
// `end`, counting down when end comes before start.
std::vector<int> AviFrameOrder(int start, int end);

// "st", "nd", "rd" or "th" after a number: by its last digit, and "th" for 11, 12 and 13.
const char* OrdinalSuffix(int number);

}  // namespace quillor
