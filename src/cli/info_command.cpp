#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "core/text_format.h"
#include "document/frame_image_io.h"
#include "formats/codec/codec_error.h"
#include "formats/codec/tiff_codec.h"
#include "formats/image_file_messages.h"
#include "formats/image_file_type.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor info FILE... [--page N] [--password-env VAR]\n"
    "\n"
    "Reads each file as Quillor opens it and prints its format, size in pixels, colour\n"
    "mode (2, 16 or 256 colours, or true colour) and, for TIFF, its page count.\n"
    "\n"
    "  --page N            which page of a multi-page TIFF to describe (from 1; default 1)\n"
    "  --password-env VAR  read the password of protected PAX and TLA files from the\n"
    "                      environment variable VAR (never pass a password itself)\n";

int PageCountOf(const std::string& path) {
    FileBuffer bytes;
    int pages = 1;
    if (ReadWholeFile(path, bytes, nullptr)) ReadTiffPageCount(bytes, pages);
    return pages;
}

}  // namespace

int RunInfo(int argc, char** argv, bool help) {
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv, {"--page", "--password-env"}, {}) || options.files.empty()) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    CliInteraction ui;
    if (!ApplyReadOptions(options, ui)) return 2;
    SettingsStore settings;  // the user's own settings are neither read nor changed
    int status = 0;
    for (const std::string& path : options.files) {
        COXDIB image;
        LoadOutcome outcome = LoadOutcome::Failed;
        if (!LoadFrameImage(image, path, {ui, settings}, &outcome)) {
            if (outcome == LoadOutcome::Failed)
                ui.ShowMessage(FormatText(messages::kCannotLoad, {path}), messages::kLoadingError,
                               MessageIcon::Exclamation);
            if (!LastCodecError().empty())
                std::fprintf(stderr, "quillor: (%s)\n", LastCodecError().c_str());
            status = 1;
            continue;
        }
        const ColourMode mode = FinishImageLoad(image);
        const ImageFileType type = GetImageFileType(path);
        std::string line = path + ": " + ImageFileTypeName(type) + ", " +
                           std::to_string(image.GetSize().width) + " x " +
                           std::to_string(image.GetSize().height) + ", " + ColourModeName(mode);
        if (type == ImageFileType::Tiff) {
            const int pages = PageCountOf(path);
            line += ", " + std::to_string(pages) + (pages == 1 ? " page" : " pages");
        }
        std::printf("%s\n", line.c_str());
    }
    return status;
}

}  // namespace quillor
