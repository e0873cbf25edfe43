#pragma once

#include <cstdint>
#include <string>

#include "core/coxdib.h"

namespace quillor::testing {

// A true-colour picture whose every pixel differs from its neighbours in a way a
// swapped channel, flipped row or shifted column would show.
void MakeGradient24(COXDIB& image, int width, int height);
// A picture without sharp edges, fair to lossy formats: red across, green down.
void MakeSmooth24(COXDIB& image, int width, int height);
// The same as a 256-colour picture over a grey ramp.
void MakeSmooth8(COXDIB& image, int width, int height);
// A 256-colour picture using every index, with a palette unlike the default one.
void MakePattern8(COXDIB& image, int width, int height);

// Compares the visible pixels (not the row padding) and, for palette images, the
// colours those pixels show. Empty on a match, else a description of the first difference.
std::string DifferenceBetween(const COXDIB& a, const COXDIB& b);
// The largest per-channel difference between the colours two same-sized images show.
int LargestChannelDifference(const COXDIB& a, const COXDIB& b);
// The colour a pixel shows, as a table word, whatever the depth.
TableWord ShownColour(const COXDIB& image, int x, int y);

}  // namespace quillor::testing
