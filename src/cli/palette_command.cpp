#include <cstdio>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "core/text_format.h"
#include "document/frame_image_io.h"
#include "formats/codec/codec_error.h"
#include "formats/image_file_messages.h"
#include "formats/image_file_type.h"
#include "palette/palette_file.h"
#include "palette/palette_table.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor palette IN -o OUT.pal [--page N] [--password-env VAR]\n"
    "\n"
    "Reads the palette picture IN (2, 16 or 256 colours) and writes its colours as a\n"
    "Quillor palette file, as \"Save Palette As\" does: 256 colours, a 2- or 16-colour\n"
    "picture's own followed by the default palette's. A true-colour picture has no\n"
    "palette and is refused.\n"
    "\n"
    "  -o, --output OUT.pal  the palette file to write (its name must end in .pal)\n"
    "  --page N              which page of a multi-page TIFF to read (from 1; default 1)\n"
    "  --password-env VAR    the password of a protected PAX or TLA input, from the\n"
    "                        environment variable VAR\n"
    "\n"
    "OUT.pal is replaced only once it has been written completely.\n";

}  // namespace

int RunPalette(int argc, char** argv, bool help) {
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv, {"-o", "--output", "--page", "--password-env"}, {}) ||
        options.files.size() != 1 || options.values.count("-o") + options.values.count("--output") != 1) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    const std::string& in = options.files[0];
    const std::string out = options.values.count("-o") ? options.values.at("-o") : options.values.at("--output");
    if (!EndsWithNoCase(out, ".pal")) {
        std::fprintf(stderr, "quillor: cannot write '%s': a palette file's name ends in .pal\n", out.c_str());
        return 2;
    }
    CliInteraction ui;
    if (!ApplyReadOptions(options, ui)) return 2;
    SettingsStore settings;  // the user's own settings are neither read nor changed

    COXDIB image;
    LoadOutcome outcome = LoadOutcome::Failed;
    if (!LoadFrameImage(image, in, {ui, settings}, &outcome)) {
        if (outcome == LoadOutcome::Failed)
            ui.ShowMessage(FormatText(messages::kCannotLoad, {in}), messages::kLoadingError,
                           MessageIcon::Exclamation);
        if (!LastCodecError().empty()) std::fprintf(stderr, "quillor: (%s)\n", LastCodecError().c_str());
        return 1;
    }
    const ColourMode mode = FinishImageLoad(image);
    if (mode == ColourMode::TrueColour) {
        std::fprintf(stderr, "quillor: '%s' is a true-colour picture: it has no palette\n", in.c_str());
        return 1;
    }
    PaletteFileError error;
    if (!WritePaletteFile(out, ImagePaletteColours(image, ColourCountOf(mode)), error)) {
        ui.ShowMessage(error.message, error.title, MessageIcon::Exclamation);
        return 1;
    }
    return 0;
}

}  // namespace quillor
