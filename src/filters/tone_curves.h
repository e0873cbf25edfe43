#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/coxdib.h"

namespace quillor {

// A value for every channel byte; the same table serves red, green and blue.
using ToneTable = std::array<std::uint8_t, 256>;

// The contrast and brightness curve: five control points joined by straight segments.
// Brightness and contrast run from -1 to 1 (clamped; not-a-number counts as 0).
// Contrast 1 is a threshold: bytes below 128 become 0, the rest 255.
ToneTable ContrastTable(double brightness, double contrast);

// Table i = trunc(256 x (i / 256)^(1 / gamma)); gamma 0 maps every byte to itself.
// No table for a negative (or not-a-number) gamma.
std::optional<ToneTable> GammaTable(double gamma);

// Maps every byte of a true-colour working buffer through the table.
void ApplyToneTable(std::uint8_t* buffer, int width, int height, const ToneTable& table);

// Writes `original`'s pixels, mapped through the table, into `image` (which may be
// `original` itself). Both true colour and the same size; false otherwise.
bool ApplyToneTable(const COXDIB& original, COXDIB& image, const ToneTable& table);

// The working-buffer routines; false when the buffer is missing or empty, and for
// GammaCurve also for a negative gamma (the buffer is then unchanged).
bool ContrastCurve(std::uint8_t* buffer, int width, int height, double brightness, double contrast);
bool GammaCurve(std::uint8_t* buffer, int width, int height, double gamma);

}  // namespace quillor
