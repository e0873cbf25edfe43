#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brush/brush_file.h"
#include "brush/brush_transforms.h"
#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "cli/cli_options.h"
#include "cli/geometry_option.h"
#include "cli/write_options.h"
#include "document/brush_image.h"
#include "document/frame_image_io.h"
#include "formats/image_file_type.h"
#include "formats/save_checks.h"
#include "platform/file_io.h"
#include "tools/brush_grab.h"
#include "tools/brush_picture.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor brush grab IN --rect WxH+X+Y [--frames N] -o OUT.bsh\n"
    "       quillor brush image IN.bsh OUT [--frame N]\n"
    "       quillor brush transform IN.bsh STEP... -o OUT.bsh\n"
    "\n"
    "grab       cuts the rectangle of W x H pixels whose top-left pixel is (X, Y) out of\n"
    "           the picture IN, as the Grab tool does, and writes it as a brush file: a\n"
    "           256-colour brush from a palette picture, a true-colour brush otherwise.\n"
    "           Parts of the rectangle off the picture are cut away. With --frames N and\n"
    "           an animation script (.qua) as IN, the same rectangle of N frames from the\n"
    "           first on (at most every frame; a frame of the other depth ends it).\n"
    "           Pixels of the background colour (palette entry 0, or black) are\n"
    "           transparent when the brush paints.\n"
    "image      writes the picture \"Make New Image From Brush\" makes of frame N of the\n"
    "           brush (from 1; default 1), in the format OUT's extension names.\n"
    "transform  changes every frame of the brush, steps in the order given:\n"
    "             --rotate          a quarter turn clockwise\n"
    "             --flip h|v        mirror left to right (h) or top to bottom (v)\n"
    "             --double, --halve twice or half the size (halving needs 2 x 2 or more)\n"
    "             --resize WxH      any size from 1 x 1\n"
    "           resized with --filter bilinear (the default) or nearest.\n"
    "\n"
    "Brush files are replaced only once they have been written completely.\n";

int Usage() {
    std::fputs(kHelp, stderr);
    return 2;
}

bool BrushName(const std::string& path) {
    if (EndsWithNoCase(path, ".bsh")) return true;
    std::fprintf(stderr, "quillor: cannot write '%s': a brush file's name ends in .bsh\n", path.c_str());
    return false;
}

int WriteBrush(const BrushRecord& record, bool trueColour, const std::string& out) {
    const std::vector<std::uint8_t> bytes = EncodeBrushFile(record, trueColour);
    AtomicFileWriter writer;
    if (!writer.Open(out) || !writer.Write(bytes.data(), bytes.size()) || !writer.Commit()) {
        std::fprintf(stderr, "quillor: could not write '%s': %s\n", out.c_str(), writer.Error().c_str());
        return 1;
    }
    return 0;
}

std::optional<BrushFileContents> ReadBrush(const std::string& in) {
    bool cannotOpen = false;
    std::optional<BrushFileContents> file = ReadBrushFile(in, cannotOpen);
    if (!file) {
        if (cannotOpen)
            std::fprintf(stderr, "quillor: could not open '%s'\n", in.c_str());
        else
            std::fprintf(stderr, "quillor: '%s' is not a valid Quillor brush file\n", in.c_str());
    }
    return file;
}

std::string OutputOf(const CliOptions& options) {
    if (options.values.count("-o")) return options.values.at("-o");
    return options.values.count("--output") ? options.values.at("--output") : std::string();
}

int Grab(int argc, char** argv) {
    CliOptions options;
    if (!options.Parse(argc, argv, {"--rect", "--frames", "-o", "--output", "--page", "--password-env"}, {}) ||
        options.files.size() != 1 || !options.values.count("--rect") || OutputOf(options).empty())
        return Usage();
    const std::string& in = options.files[0];
    const std::string out = OutputOf(options);
    GeometryValue rect;
    if (!ParseGeometry(options.values.at("--rect"), true, rect)) {
        std::fprintf(stderr, "quillor: --rect takes WxH+X+Y, not '%s'\n", options.values.at("--rect").c_str());
        return 2;
    }
    int frames = 1;
    if (options.values.count("--frames") && !options.Integer("--frames", 1, int(kMaxBrushFrames), frames)) return 2;
    if (!BrushName(out)) return 2;

    CliDocumentEnvironment environment;
    if (!ApplyReadOptions(options, environment.terminal)) return 2;
    CAnimDoc document(environment);
    if (!OpenScriptDocument(document, environment, in)) return 1;
    const AnimFrame* first = document.FindFrame(0);
    const DibSize size = first->image->GetSize();
    const IntRect area = GrabRectangle({rect.x, rect.y}, {rect.x + rect.width - 1, rect.y + rect.height - 1},
                                       size.width, size.height);
    if (area.Empty()) {
        std::fprintf(stderr, "quillor: the rectangle %s lies wholly off the %d x %d picture\n",
                     options.values.at("--rect").c_str(), size.width, size.height);
        return 1;
    }
    PaintBrush brush;
    const GrabSettings settings{options.values.count("--frames") > 0, frames};
    if (!GrabBrush(brush, document, area, nullptr, settings, true, environment.ui)) {
        std::fprintf(stderr, "quillor: nothing could be grabbed from '%s'\n", in.c_str());
        return 1;
    }
    const bool trueColour = first->image->GetBitCount() > 8;
    return WriteBrush(brush.Current(trueColour), trueColour, out);
}

int Image(int argc, char** argv) {
    CliOptions options;
    if (!options.Parse(argc, argv, {"--frame"}, {}) || options.files.size() != 2) return Usage();
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];
    std::optional<BrushFileContents> file = ReadBrush(in);
    if (!file) return 1;
    int frame = 1;
    if (options.values.count("--frame") && !options.Integer("--frame", 1, int(file->header.frameCount), frame))
        return 2;
    const bool trueColour = file->header.trueColour;
    PaintBrush brush;
    TakeBrushFile(brush, std::move(*file), trueColour);
    brush.Current(trueColour).currentFrame = std::uint32_t(frame - 1);
    const std::optional<BrushPicture> picture = BrushPictureOf(brush, trueColour);
    COXDIB image;
    if (!picture || !ImageFromBrush(*picture, trueColour, image)) {
        std::fprintf(stderr, "quillor: no picture could be made of '%s'\n", in.c_str());
        return 1;
    }
    if (!WritableImageName(out)) return 2;
    CliDocumentEnvironment environment;
    const ColourMode mode = trueColour ? ColourMode::TrueColour : ColourMode::Colours256;
    if (!CheckBeforeSave(out, mode, false, environment.FileContext())) return 1;
    if (!SaveImageInMode(image, mode, out, environment.FileContext())) {
        ReportCodecDetail();
        return 1;
    }
    return 0;
}

int Transform(int argc, char** argv) {
    CliOptions options;
    if (!options.Parse(argc, argv, {"--flip", "--resize", "--filter", "-o", "--output"},
                       {"--rotate", "--double", "--halve"}) ||
        options.files.size() != 1 || OutputOf(options).empty())
        return Usage();
    const std::string& in = options.files[0];
    const std::string out = OutputOf(options);
    if (!BrushName(out)) return 2;
    bool bilinear = true;
    if (options.values.count("--filter")) {
        const std::string& filter = options.values.at("--filter");
        if (filter != "bilinear" && filter != "nearest") {
            std::fprintf(stderr, "quillor: --filter takes bilinear or nearest, not '%s'\n", filter.c_str());
            return 2;
        }
        bilinear = filter == "bilinear";
    }
    // Every step is read before the brush is, so a mistyped one writes nothing.
    struct Step {
        std::string name;
        std::string value;
        GeometryValue size;  // --resize
    };
    std::vector<Step> steps;
    for (const auto& [name, value] : options.sequence) {
        if (name == "--filter" || name == "-o" || name == "--output") continue;
        Step step{name, value, {}};
        if (name == "--flip" && value != "h" && value != "v") {
            std::fprintf(stderr, "quillor: --flip takes h or v, not '%s'\n", value.c_str());
            return 2;
        }
        if (name == "--resize" && !ParseGeometry(value, false, step.size)) {
            std::fprintf(stderr, "quillor: --resize takes WxH, not '%s'\n", value.c_str());
            return 2;
        }
        steps.push_back(std::move(step));
    }
    if (steps.empty()) return Usage();

    std::optional<BrushFileContents> file = ReadBrush(in);
    if (!file) return 1;
    const bool trueColour = file->header.trueColour;
    PaintBrush brush;
    TakeBrushFile(brush, std::move(*file), trueColour);
    for (const Step& step : steps) {
        bool done = true;
        if (step.name == "--rotate") {
            done = QuarterTurnBrush(brush, trueColour, 0);
        } else if (step.name == "--flip") {
            done = FlipBrush(brush, trueColour, step.value == "h", 0);
        } else if (step.name == "--double") {
            done = DoubleBrush(brush, trueColour, bilinear, 0);
        } else if (step.name == "--halve") {
            done = HalveBrush(brush, trueColour, bilinear, 0);
        } else if (step.name == "--resize") {
            done = ResizeBrush(brush, trueColour, step.size.width, step.size.height, bilinear, 0);
        }
        if (!done) {
            const BrushRecord& r = brush.Current(trueColour);
            std::fprintf(stderr, "quillor: %s%s%s cannot be done to the %d x %d brush, so nothing was written\n",
                         step.name.c_str(), step.value.empty() ? "" : " ", step.value.c_str(), r.width, r.height);
            return 1;
        }
    }
    return WriteBrush(brush.Current(trueColour), trueColour, out);
}

}  // namespace

int RunBrush(int argc, char** argv, bool help) {
    if (help || argc < 1) {
        std::fputs(kHelp, help ? stdout : stderr);
        return help ? 0 : 2;
    }
    const std::string_view action = argv[0];
    if (action == "grab") return Grab(argc - 1, argv + 1);
    if (action == "image") return Image(argc - 1, argv + 1);
    if (action == "transform") return Transform(argc - 1, argv + 1);
    std::fprintf(stderr, "quillor: brush has no action '%s'; it knows grab, image and transform\n", argv[0]);
    return 2;
}

}  // namespace quillor
