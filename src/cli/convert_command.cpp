#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "cli/palette_steps.h"
#include "cli/write_options.h"
#include "core/text_format.h"
#include "document/frame_image_io.h"
#include "formats/image_file_messages.h"
#include "formats/image_file_type.h"
#include "formats/save_checks.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor convert IN OUT [options]\n"
    "\n"
    "Reads IN and writes OUT in the format OUT's extension names, as Quillor's Save As\n"
    "would: the picture keeps its colour mode, and formats that cannot hold it refuse\n"
    "(2- and 16-colour pictures only go to BMP, JPEG only takes true colour).\n"
    "\n"
    "  --quality N               JPEG quality, 1 to 100 (default 100)\n"
    "  --progressive             write a progressive JPEG\n"
    "  --interlace               write an Adam7-interlaced PNG\n"
    "  --tiff-compression KIND   none (default), jpeg (true colour only) or packbits\n"
    "  --page N                  which page of a multi-page TIFF to read (from 1; default 1)\n"
    "  --password-env VAR        the password of a protected PAX or TLA input, and of the\n"
    "                            output when it is PAX or TLA, from environment variable VAR\n"
    "  --output-password-env VAR a different password for the output\n"
    "                            (a PAX or TLA password has at most 8 characters)\n"
    "  --encryption-type N       PAX key-derivation strength, 1 (fast) to 6 (strongest)\n"
    "\n"
    "Palette pictures (2, 16 or 256 colours) can have their palette changed on the way,\n"
    "by these options in the order they are given (each may be given more than once):\n"
    "\n"
    "  --order-palette ORDER     reorder the palette: dark (dark to light), light (light\n"
    "                            to dark) or hue (greys first, then by hue); the pixels\n"
    "                            are renumbered so that the picture looks the same\n"
    "  --load-palette FILE.pal   replace the palette by a Quillor palette file's colours,\n"
    "                            keeping every pixel's index (the picture changes colour)\n"
    "  --remap-to FILE.pal       match every pixel to the nearest colour of the palette\n"
    "                            file, which then becomes the picture's palette\n"
    "\n"
    "A 2- or 16-colour picture uses the first 2 or 16 colours of a palette file. A true-\n"
    "colour picture has no palette: these options refuse it and nothing is written.\n"
    "\n"
    "Passwords are never taken from the command line itself, where other users could see\n"
    "them. OUT is replaced only once it has been written completely.\n";

}  // namespace

int RunConvert(int argc, char** argv, bool help) {
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv,
                       {"--quality", "--tiff-compression", "--page", "--password-env",
                        "--output-password-env", "--encryption-type", "--order-palette",
                        "--load-palette", "--remap-to"},
                       {"--progressive", "--interlace"}) ||
        options.files.size() != 2) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];
    const ImageFileType outType = GetImageFileType(out);
    if (outType == ImageFileType::Unknown || outType == ImageFileType::Gif) {
        std::fprintf(stderr, "quillor: cannot write '%s': name it with one of the extensions "
                             ".bmp .jpg .jpeg .png .tif .tiff .tga .pcx .psd .pax .tla\n",
                     out.c_str());
        return 2;
    }
    CliInteraction ui;
    SettingsStore settings;  // the user's own settings are neither read nor changed
    std::vector<PaletteStep> paletteSteps;
    const bool sealed = outType == ImageFileType::Pax || outType == ImageFileType::Tla;
    if (!ApplyReadOptions(options, ui) || !ApplyWriteOptions(options, ui, sealed, settings) ||
        !ParsePaletteSteps(options, paletteSteps))
        return 2;

    const ImageFileContext context{ui, settings};
    COXDIB image;
    LoadOutcome outcome = LoadOutcome::Failed;
    if (!LoadFrameImage(image, in, context, &outcome)) {
        if (outcome == LoadOutcome::Failed)
            ui.ShowMessage(FormatText(messages::kCannotLoad, {in}), messages::kLoadingError,
                           MessageIcon::Exclamation);
        ReportCodecDetail();
        return 1;
    }
    const ColourMode mode = FinishImageLoad(image);
    if (!ApplyPaletteSteps(image, mode, in, paletteSteps, ui)) return 1;
    if (!CheckBeforeSave(out, mode, false, context)) return 1;
    if (!SaveImageInMode(image, mode, out, context)) {
        ReportCodecDetail();
        return 1;
    }
    return 0;
}

}  // namespace quillor
