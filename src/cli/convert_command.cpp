#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "cli/image_steps.h"
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
    "usage: quillor convert IN [OPERATION...] OUT [options]\n"
    "       quillor convert IN... [OPERATION...] -o DIR [--type EXT] [options]\n"
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
    "Operations change the picture on the way, in the order they are given, each as\n"
    "the window's command does it:\n"
    "\n"
    "  --colours 2|16|256|true   change the number of colours (with --dither given before\n"
    "                            it: none (default), 2value or floyd)\n"
    "  --flip h|v                mirror left to right or top to bottom\n"
    "  --resize WxH              rescale (with --filter nearest or bilinear, the default)\n"
    "  --crop WxH+X+Y            cut out, or place into, a canvas of WxH whose top-left\n"
    "                            pixel is (X, Y) of the picture; offsets may be negative\n"
    "  --background INDEX|#RRGGBB  what uncovered pixels of a crop become (default 0/black)\n"
    "  --sharpen P, --blur P     percent, 0 to 100 (true colour only)\n"
    "  --despeckle, --simplify N despeckle, or N median passes 1 to 5 (true colour only)\n"
    "  --auto-brightness         spread the greys (true colour only)\n"
    "  --black-and-white, --negative\n"
    "  --balance R,G,B           shift red, green and blue, each -100 to 100\n"
    "  --contrast V, --gamma V   -100 to 100 (gamma: true colour only)\n"
    "  --red-eye WxH+X+Y         reduce red eye in that rectangle (true colour only); how\n"
    "                            much red must dominate and how wide the red band is are\n"
    "                            --red-eye-saturation P and --red-eye-range P, percent,\n"
    "                            50 each unless given\n"
    "\n"
    "With -o DIR every IN is written into DIR under its own name, with the extension EXT\n"
    "when --type is given; the pictures are converted side by side on every core.\n"
    "\n"
    "Passwords are never taken from the command line itself, where other users could see\n"
    "them. OUT is replaced only once it has been written completely.\n";

}  // namespace

namespace {

// Reads one picture, carries the steps out and writes it: the exit status of a convert.
int ConvertOne(const std::string& in, const std::string& out, const CliOptions& options,
               const std::vector<ImageStep>& steps, const StepBackground& background) {
    const ImageFileType outType = GetImageFileType(out);
    CliInteraction ui;
    SettingsStore settings;  // the user's own settings are neither read nor changed
    const bool sealed = outType == ImageFileType::Pax || outType == ImageFileType::Tla;
    if (!ApplyReadOptions(options, ui) || !ApplyWriteOptions(options, ui, sealed, settings)) return 2;

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
    ColourMode mode = FinishImageLoad(image);
    if (!ApplyImageSteps(image, mode, in, steps, background, ui)) return 1;
    if (!CheckBeforeSave(out, mode, false, context)) return 1;
    if (!SaveImageInMode(image, mode, out, context)) {
        ReportCodecDetail();
        return 1;
    }
    return 0;
}

// Each input's name in the folder, with the asked-for type's extension or its own.
std::string BatchOutput(const std::string& in, const std::string& folder, const std::string& type) {
    const std::filesystem::path name = std::filesystem::path(in).filename();
    std::filesystem::path out = std::filesystem::path(folder) / name;
    if (!type.empty()) out.replace_extension("." + type);
    return out.string();
}

// Converts every input on its own thread pool: the pictures share nothing but the
// options, and a batch is bound by the processor.
int ConvertBatch(const CliOptions& options, const std::vector<ImageStep>& steps, const StepBackground& background) {
    const std::string folder = options.values.at("-o");
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "quillor: '%s' is not a folder\n", folder.c_str());
        return 1;
    }
    const std::string type = options.values.count("--type") ? options.values.at("--type") : std::string();
    std::vector<std::pair<std::string, std::string>> jobs;
    for (const std::string& in : options.files) {
        const std::string out = BatchOutput(in, folder, type);
        if (!WritableImageName(out)) return 2;
        if (std::filesystem::equivalent(in, out, error)) {
            std::fprintf(stderr, "quillor: '%s' would be written over itself; choose another folder or --type\n",
                         in.c_str());
            return 2;
        }
        jobs.emplace_back(in, out);
    }
    std::atomic<std::size_t> next{0};
    std::atomic<int> worst{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const int status = ConvertOne(jobs[i].first, jobs[i].second, options, steps, background);
            int seen = worst.load();
            while (status > seen && !worst.compare_exchange_weak(seen, status)) {}
        }
    };
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), unsigned(jobs.size())));
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < cores; ++i) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
    return worst.load();
}

}  // namespace

int RunConvert(int argc, char** argv, bool help) {
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    CliOptions options;
    std::set<std::string> values = {"--quality", "--tiff-compression", "--page", "--password-env",
                                    "--output-password-env", "--encryption-type", "--order-palette",
                                    "--load-palette", "--remap-to", "-o", "--type"};
    values.insert(ImageStepValueOptions().begin(), ImageStepValueOptions().end());
    std::set<std::string> flags = {"--progressive", "--interlace"};
    flags.insert(ImageStepFlagOptions().begin(), ImageStepFlagOptions().end());
    const bool parsed = options.Parse(argc, argv, values, flags);
    const bool batch = parsed && options.values.count("-o") != 0;
    if (!parsed || (batch ? options.files.empty() : options.files.size() != 2) ||
        (!batch && options.values.count("--type"))) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    std::vector<ImageStep> steps;
    StepBackground background;
    if (!ParseImageSteps(options, steps, background)) return 2;
    if (batch) return ConvertBatch(options, steps, background);
    if (!WritableImageName(options.files[1])) return 2;
    return ConvertOne(options.files[0], options.files[1], options, steps, background);
}

}  // namespace quillor
