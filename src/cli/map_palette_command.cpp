#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "utilities/bmp_palette_mapping.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor map-palette SOURCE.bmp DEST.bmp... [--remap]\n"
    "\n"
    "Gives every 256-colour BMP file DEST the palette of the 256-colour BMP file SOURCE,\n"
    "as the window's \"256 Colour BMP Palette Mapper\" does. The files are rewritten byte\n"
    "by byte, not opened as pictures.\n"
    "\n"
    "  --remap   move each pixel to the nearest colour of the new palette (the smallest\n"
    "            sum of blue, green and red differences; the lowest index among equals).\n"
    "            Without it the pixel bytes stay as they are and show the new colours.\n"
    "\n"
    "Only bitmaps of the plain layout are rewritten: a 40-byte header, a full 256-colour\n"
    "table and uncompressed rows. Each DEST is replaced only once its new content has been\n"
    "written whole; a file that is refused or fails is left exactly as it was. The exit\n"
    "status is 1 when any file was not mapped.\n";

}  // namespace

int RunMapPalette(int argc, char** argv, bool help) {
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv, {}, {"--remap"}) || options.files.size() < 2) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    CliInteraction ui;
    const std::vector<std::string> destinations(options.files.begin() + 1, options.files.end());
    const PaletteOperation operation =
        options.Has("--remap") ? PaletteOperation::ReplaceAndRemap : PaletteOperation::ReplacePalette;
    const PaletteMapRun run = MapPalettes(ui, {}, options.files[0], {}, destinations, operation);
    return run.AllMapped() ? 0 : 1;
}

}  // namespace quillor
