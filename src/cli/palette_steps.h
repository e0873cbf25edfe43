#pragma once

#include <string>
#include <vector>

#include "core/colour_mode.h"
#include "palette/palette_order.h"

namespace quillor {

class COXDIB;
class Interaction;
struct CliOptions;

// One of the palette options of `quillor convert`: carried out in command-line order.
struct PaletteStep {
    enum class Kind { Order, Load, Remap };
    Kind kind = Kind::Order;
    PaletteOrder order = PaletteOrder::DarkToLight;
    std::string path;  // the palette file of Load and Remap
};

// The steps the options name; false (with a message on standard error) when one takes
// a value it does not know.
bool ParsePaletteSteps(const CliOptions& options, std::vector<PaletteStep>& steps);

// Carries the steps out on a loaded picture (`in` names it in messages): "--order-palette"
// as the order commands do, "--load-palette" as "Load Palette" (colours replaced, pixels
// kept), "--remap-to" as "Remap To Brush Palette" with the file's colours. False, with a
// message and the picture untouched, for a true-colour picture or a palette file that
// cannot be read.
bool ApplyPaletteSteps(COXDIB& image, ColourMode mode, const std::string& in,
                       const std::vector<PaletteStep>& steps, Interaction& ui);

}  // namespace quillor
