#pragma once

#include <cstdint>

#include "core/colour_mode.h"
#include "core/coxdib.h"

namespace quillor {

// Colour adjustments that keep every pixel where it is. On a palette image (8 bits; the
// frame's mode says how many of its table entries are in use: 2, 16 or 256) they change
// the colour table and leave the indices alone; on a true-colour image every pixel.
// Each returns false, changing nothing, when the images are empty or do not match.

// The colour-table entries an adjustment visits: those of the frame's mode, never more
// than the image holds; 0 for a true-colour image.
int AdjustedTableEntries(const COXDIB& image, ColourMode mode);

// Every colour becomes the grey of its channels' integer mean.
bool BlackAndWhite(COXDIB& image, ColourMode mode);
// Every channel v becomes 255 - v; twice gives the image back.
bool Negative(COXDIB& image, ColourMode mode);

// The three slider values of the colour balance, each -100..100.
struct ColourBalanceValues {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const ColourBalanceValues&) const = default;
};
enum class BalanceChannel { Red, Green, Blue };

// One slider moved to `value` (limited to -100..100). With the lock on, the other two
// follow by the same step, each limited to -100..100 on its own, so that the three
// together act as a brightness control.
ColourBalanceValues MoveBalanceSlider(ColourBalanceValues values, BalanceChannel channel, int value,
                                      bool locked);

// The channel offset for a slider value: trunc(value x 255 / 100), -255..255.
int BalanceOffset(int value);

// Writes `original` into `image` with each channel shifted by its offset and limited to
// 0..255: the table entries of a palette image, the pixels of a true-colour one.
// `image` is `original`'s copy (same depth and size) or `original` itself.
bool ColourBalance(const COXDIB& original, COXDIB& image, ColourMode mode, ColourBalanceValues values);

// Contrast -100..100 (limited). A palette image's table, taken from `original`, is
// stretched about its mean brightness; a true-colour image's pixels go through
// ContrastTable(0, value / 100).
bool Contrast(const COXDIB& original, COXDIB& image, ColourMode mode, int value);

// Gamma -100..100 (limited) on a true-colour image: GammaTable(1 + value / 100) applied
// to `original`'s pixels. False for palette images.
bool Gamma(const COXDIB& original, COXDIB& image, int value);

}  // namespace quillor
