#include "cli/palette_steps.h"

#include <array>
#include <cstdio>
#include <optional>

#include "cli/cli_options.h"
#include "core/coxdib.h"
#include "palette/brush_palette.h"
#include "palette/palette_file.h"
#include "palette/palette_table.h"
#include "platform/interaction.h"

namespace quillor {

bool ParsePaletteSteps(const CliOptions& options, std::vector<PaletteStep>& steps) {
    for (const auto& [name, value] : options.sequence) {
        PaletteStep step;
        if (name == "--order-palette") {
            step.kind = PaletteStep::Kind::Order;
            if (value == "dark") step.order = PaletteOrder::DarkToLight;
            else if (value == "light") step.order = PaletteOrder::LightToDark;
            else if (value == "hue") step.order = PaletteOrder::GroupHues;
            else {
                std::fprintf(stderr, "quillor: --order-palette takes dark, light or hue, not '%s'\n",
                             value.c_str());
                return false;
            }
        } else if (name == "--load-palette" || name == "--remap-to") {
            step.kind = name == "--load-palette" ? PaletteStep::Kind::Load : PaletteStep::Kind::Remap;
            step.path = value;
        } else {
            continue;
        }
        steps.push_back(std::move(step));
    }
    return true;
}

bool ApplyPaletteSteps(COXDIB& image, ColourMode mode, const std::string& in,
                       const std::vector<PaletteStep>& steps, Interaction& ui) {
    if (steps.empty()) return true;
    if (mode == ColourMode::TrueColour || image.GetBitCount() != 8) {
        std::fprintf(stderr,
                     "quillor: '%s' is a true-colour picture: it has no palette to order, load or "
                     "remap, so nothing was written\n",
                     in.c_str());
        return false;
    }
    // Every file is read before the picture changes, so a bad one leaves nothing half done.
    std::vector<std::array<ColourRef, 256>> files;
    for (const PaletteStep& step : steps) {
        if (step.kind == PaletteStep::Kind::Order) continue;
        PaletteFileError error;
        const auto colours = ReadPaletteFile(step.path, error);
        if (!colours) {
            ui.ShowMessage(error.message, error.title, MessageIcon::Exclamation);
            return false;
        }
        files.push_back(*colours);
    }
    const int count = ColourCountOf(mode);
    std::size_t file = 0;
    for (const PaletteStep& step : steps) {
        switch (step.kind) {
            case PaletteStep::Kind::Order: OrderImageColours(image, count, step.order); break;
            case PaletteStep::Kind::Load: ApplyImagePaletteColours(image, count, files[file++]); break;
            case PaletteStep::Kind::Remap: RemapImageToPalette(image, count, files[file++]); break;
        }
    }
    return true;
}

}  // namespace quillor
