#include "cli/image_steps.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "cli/cli_options.h"
#include "cli/geometry_option.h"
#include "core/background_colour.h"
#include "core/colour.h"
#include "core/colour_depth.h"
#include "core/coxdib.h"
#include "core/dib_flip.h"
#include "core/resize_frames.h"
#include "filters/auto_brightness.h"
#include "filters/blur.h"
#include "filters/colour_adjust.h"
#include "filters/despeckle.h"
#include "filters/filter_applicability.h"
#include "filters/median.h"
#include "filters/red_eye.h"
#include "filters/sharpen.h"
#include "platform/interaction.h"

namespace quillor {

namespace {

using Kind = ImageStep::Kind;

bool Refuse(const std::string& option, const std::string& value, const char* expected) {
    std::fprintf(stderr, "quillor: %s takes %s, not '%s'\n", option.c_str(), expected, value.c_str());
    return false;
}

bool InRange(const std::string& option, const std::string& value, int low, int high, int& out) {
    if (ParseWhole(value, out) && out >= low && out <= high) return true;
    std::fprintf(stderr, "quillor: %s takes a whole number from %d to %d, not '%s'\n", option.c_str(), low, high,
                 value.c_str());
    return false;
}

bool Geometry(const std::string& text, bool offsets, ImageStep& step) {
    GeometryValue value;
    if (!ParseGeometry(text, offsets, value)) return false;
    step.width = value.width;
    step.height = value.height;
    step.x = value.x;
    step.y = value.y;
    return true;
}

bool Background(const std::string& text, StepBackground& background) {
    if (!text.empty() && text.front() == '#') {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
        if (text.size() != 7 || error != std::errc() || end != text.data() + text.size()) return false;
        background.colour = MakeColour(std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value));
        return true;
    }
    int index = 0;
    if (!ParseWhole(text, index) || index < 0 || index > 255) return false;
    background.index = index;
    return true;
}

std::optional<PixelOperation> FilterOf(Kind kind) {
    switch (kind) {
        case Kind::Sharpen: return PixelOperation::Sharpen;
        case Kind::Blur: return PixelOperation::Blur;
        case Kind::Despeckle: return PixelOperation::Despeckle;
        case Kind::Simplify: return PixelOperation::Simplify;
        case Kind::AutoBrightness: return PixelOperation::AutoBrightness;
        case Kind::BlackAndWhite: return PixelOperation::BlackAndWhite;
        case Kind::Negative: return PixelOperation::Negative;
        case Kind::Balance: return PixelOperation::ColourBalance;
        case Kind::Contrast: return PixelOperation::Contrast;
        case Kind::Gamma: return PixelOperation::Gamma;
        default: return std::nullopt;
    }
}

}  // namespace

const std::set<std::string>& ImageStepValueOptions() {
    static const std::set<std::string> names = {"--colours", "--dither",  "--flip",    "--resize",
                                                "--filter",  "--crop",    "--background", "--sharpen",
                                                "--blur",    "--simplify", "--balance", "--contrast",
                                                "--gamma",   "--red-eye", "--red-eye-saturation",
                                                "--red-eye-range"};
    return names;
}

const std::set<std::string>& ImageStepFlagOptions() {
    static const std::set<std::string> names = {"--despeckle", "--auto-brightness", "--black-and-white",
                                                "--negative"};
    return names;
}

bool ParseImageSteps(const CliOptions& options, std::vector<ImageStep>& steps, StepBackground& background) {
    std::vector<PaletteStep> paletteSteps;
    if (!ParsePaletteSteps(options, paletteSteps)) return false;
    std::size_t nextPalette = 0;
    int method = 0;
    bool bilinear = true;
    // The red-eye settings hold for every rectangle, wherever they are given.
    int redEyeSaturation = 50, redEyeRange = 50;
    for (const auto& [name, percent] : {std::pair{"--red-eye-saturation", &redEyeSaturation},
                                        std::pair{"--red-eye-range", &redEyeRange}}) {
        const auto given = options.values.find(name);
        if (given != options.values.end() && !InRange(name, given->second, 0, 100, *percent)) return false;
    }
    for (const auto& [name, value] : options.sequence) {
        ImageStep step;
        if (name == "--order-palette" || name == "--load-palette" || name == "--remap-to") {
            if (nextPalette >= paletteSteps.size()) continue;
            step.kind = Kind::Palette;
            step.palette = paletteSteps[nextPalette++];
        } else if (name == "--dither") {
            if (value == "none") method = 0;
            else if (value == "2value") method = 1;
            else if (value == "floyd") method = 2;
            else return Refuse(name, value, "none, 2value or floyd");
            continue;
        } else if (name == "--filter") {
            if (value != "nearest" && value != "bilinear") return Refuse(name, value, "nearest or bilinear");
            bilinear = value == "bilinear";
            continue;
        } else if (name == "--background") {
            if (!Background(value, background)) return Refuse(name, value, "a palette index 0 to 255 or #RRGGBB");
            continue;
        } else if (name == "--colours") {
            step.kind = Kind::Colours;
            if (value == "2") step.mode = ColourMode::Mono;
            else if (value == "16") step.mode = ColourMode::Colours16;
            else if (value == "256") step.mode = ColourMode::Colours256;
            else if (value == "true") step.mode = ColourMode::TrueColour;
            else return Refuse(name, value, "2, 16, 256 or true");
            step.method = method;
        } else if (name == "--flip") {
            if (value != "h" && value != "v") return Refuse(name, value, "h or v");
            step.kind = value == "h" ? Kind::FlipHorizontal : Kind::FlipVertical;
        } else if (name == "--resize") {
            step.kind = Kind::Resize;
            step.bilinear = bilinear;
            if (!Geometry(value, false, step)) return Refuse(name, value, "WIDTHxHEIGHT, each 1 to 65535");
        } else if (name == "--crop") {
            step.kind = Kind::Crop;
            if (!Geometry(value, true, step)) return Refuse(name, value, "WIDTHxHEIGHT+X+Y (offsets may be negative)");
        } else if (name == "--sharpen" || name == "--blur") {
            step.kind = name == "--sharpen" ? Kind::Sharpen : Kind::Blur;
            if (!InRange(name, value, 0, 100, step.amount)) return false;
        } else if (name == "--simplify") {
            step.kind = Kind::Simplify;
            if (!InRange(name, value, 1, 5, step.amount)) return false;
        } else if (name == "--contrast" || name == "--gamma") {
            step.kind = name == "--contrast" ? Kind::Contrast : Kind::Gamma;
            if (!InRange(name, value, -100, 100, step.amount)) return false;
        } else if (name == "--balance") {
            step.kind = Kind::Balance;
            const std::size_t a = value.find(',');
            const std::size_t b = a == std::string::npos ? a : value.find(',', a + 1);
            if (b == std::string::npos || !InRange(name, value.substr(0, a), -100, 100, step.red) ||
                !InRange(name, value.substr(a + 1, b - a - 1), -100, 100, step.green) ||
                !InRange(name, value.substr(b + 1), -100, 100, step.blue))
                return Refuse(name, value, "R,G,B, each -100 to 100");
        } else if (name == "--red-eye") {
            step.kind = Kind::RedEye;
            if (!Geometry(value, true, step)) return Refuse(name, value, "WIDTHxHEIGHT+X+Y");
            step.saturation = redEyeSaturation;
            step.range = redEyeRange;
        } else if (name == "--despeckle") {
            step.kind = Kind::Despeckle;
        } else if (name == "--auto-brightness") {
            step.kind = Kind::AutoBrightness;
        } else if (name == "--black-and-white") {
            step.kind = Kind::BlackAndWhite;
        } else if (name == "--negative") {
            step.kind = Kind::Negative;
        } else {
            continue;
        }
        steps.push_back(step);
    }
    return true;
}

bool ApplyImageSteps(COXDIB& image, ColourMode& mode, const std::string& in, const std::vector<ImageStep>& steps,
                     const StepBackground& background, Interaction& ui) {
    const BackgroundColour back{std::uint8_t(background.index), background.colour};
    for (const ImageStep& step : steps) {
        bool done = true;
        if (const std::optional<PixelOperation> filter = FilterOf(step.kind)) {
            if (!OperationApplies(*filter, mode)) {
                ui.ShowMessage(NotTrueColourMessage(*filter), kNotTrueColourTitle, MessageIcon::Information);
                return false;
            }
        }
        switch (step.kind) {
            case Kind::Palette:
                // The palette steps explain their own refusals.
                if (!ApplyPaletteSteps(image, mode, in, {step.palette}, ui)) return false;
                break;
            case Kind::Colours:
                if (step.mode != mode) done = ConvertColourDepth(image, mode, step.mode, ConversionMethod(step.method));
                if (done) mode = step.mode;
                break;
            case Kind::FlipHorizontal: done = FlipHorizontal(image); break;
            case Kind::FlipVertical: done = FlipVertical(image); break;
            case Kind::Resize:
                done = ResizeFrameImage(image, mode, {step.width, step.height, 0, 0, true, step.bilinear}, back);
                break;
            case Kind::Crop:
                done = ResizeFrameImage(image, mode, {step.width, step.height, step.x, step.y, false, false}, back);
                break;
            case Kind::Sharpen: done = SharpenImage(image, step.amount); break;
            case Kind::Blur: done = BlurImage(image, step.amount); break;
            case Kind::Despeckle: done = DespeckleImage(image); break;
            case Kind::Simplify: done = SimplifyImage(image, step.amount); break;
            case Kind::AutoBrightness: done = AutoBrightnessImage(image); break;
            case Kind::BlackAndWhite: done = BlackAndWhite(image, mode); break;
            case Kind::Negative: done = Negative(image, mode); break;
            case Kind::Balance:
                done = ColourBalance(image, image, mode, {step.red, step.green, step.blue});
                break;
            case Kind::Contrast: done = Contrast(image, image, mode, step.amount); break;
            case Kind::Gamma: done = Gamma(image, image, step.amount); break;
            case Kind::RedEye:
                if (mode != ColourMode::TrueColour) {
                    ui.ShowMessage(kRedEyeNotAvailableText, kRedEyeNotAvailableTitle, MessageIcon::Information);
                    return false;
                }
                done = ReduceRedEye(image, {step.x, step.y, step.x + step.width, step.y + step.height},
                                    {step.saturation, step.range});
                break;
        }
        if (!done) {
            std::fprintf(stderr, "quillor: '%s' could not be changed as asked (out of memory?)\n", in.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace quillor
