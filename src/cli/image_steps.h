#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "cli/palette_steps.h"
#include "core/colour_mode.h"

namespace quillor {

class COXDIB;
class Interaction;
struct CliOptions;

// One picture operation of `quillor convert`, carried out in command-line order exactly
// as the window's command does it.
struct ImageStep {
    enum class Kind {
        Palette,  // one of the palette options
        Colours,
        FlipHorizontal,
        FlipVertical,
        Resize,
        Crop,
        Sharpen,
        Blur,
        Despeckle,
        Simplify,
        AutoBrightness,
        BlackAndWhite,
        Negative,
        Balance,
        Contrast,
        Gamma,
        RedEye,
    };
    Kind kind = Kind::Palette;
    PaletteStep palette;
    ColourMode mode = ColourMode::TrueColour;  // Colours
    int method = 0;                            // Colours: 0 none, 1 2value, 2 floyd
    int width = 0;                             // Resize, Crop, RedEye
    int height = 0;
    int x = 0;                                 // Crop, RedEye
    int y = 0;
    bool bilinear = true;                      // Resize
    int amount = 0;                            // percentages, factor, contrast, gamma
    int red = 0;                               // Balance
    int green = 0;
    int blue = 0;
    int saturation = 50;                       // RedEye, percent
    int range = 50;
};

// The options that are steps, and their modifiers, for the option parser.
const std::set<std::string>& ImageStepValueOptions();
const std::set<std::string>& ImageStepFlagOptions();

// Background of uncovered pixels after a crop or resize: an index for palette pictures
// and a colour for true-colour ones. "--background" gives either; the default is index 0
// and black.
struct StepBackground {
    int index = 0;
    std::uint32_t colour = 0;  // red | green << 8 | blue << 16
};

// The steps the options name, with the palette options among them in their places;
// false (with a message on standard error) for a value it does not know.
bool ParseImageSteps(const CliOptions& options, std::vector<ImageStep>& steps, StepBackground& background);

// Carries the steps out on a loaded picture of colour mode `mode`, which follows the
// colour steps. False, with a message naming `in`, when a step refuses the picture
// (as the window's command would) or fails; the picture is then not written.
bool ApplyImageSteps(COXDIB& image, ColourMode& mode, const std::string& in, const std::vector<ImageStep>& steps,
                     const StepBackground& background, Interaction& ui);

}  // namespace quillor
