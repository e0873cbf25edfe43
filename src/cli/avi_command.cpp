#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "cli/cli_options.h"
#include "document/avi_compressor_model.h"
#include "formats/image_file_type.h"
#include "platform/video_writer.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor avi IN.qua|IN.avi OUT.avi [options]\n"
    "\n"
    "Writes the frames of the animation IN (a script, or another movie read whole) as the\n"
    "AVI movie OUT, as the window's Save As \"AVI movie\" does. OUT is replaced only once\n"
    "the whole movie has been written.\n"
    "\n"
    "  --fps R          frames per second (default: IN's own rate); a fraction r is\n"
    "                   stored as trunc(r * s) per s with s = trunc(1 / (r - trunc(r)))\n"
    "  --range A-B      the frames to write, from 1; B before A writes them backwards\n"
    "                   (default: all, first to last)\n"
    "  --codec NAME     %s\n"
    "                   (default raw: uncompressed bitmaps)\n"
    "  --quality Q      1 to 100 for mjpeg and mpeg4 (default 75)\n"
    "  --key-frames N   every N-th frame stands alone, for ffv1, zmbv and mpeg4\n"
    "                   (default 1: every frame)\n"
    "\n"
    "raw, png and zmbv keep a 256-colour animation's palette indices; the others store\n"
    "true colour. zmbv takes 256-colour animations only. All frames must have one size\n"
    "and colour depth.\n";

std::string CodecNames() {
    std::string names;
    for (const VideoEncoder& e : AviEncoders()) names += (names.empty() ? "" : "|") + e.id;
    return names;
}

void PrintHelp(std::FILE* to) { std::fprintf(to, kHelp, CodecNames().c_str()); }

// "A-B" with both from 1 to `frames`.
bool ParseRange(const std::string& text, int frames, std::string& start, std::string& end) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) return false;
    start = text.substr(0, dash);
    end = text.substr(dash + 1);
    for (const std::string& part : {start, end}) {
        if (part.empty() || part.size() > AviSaveSettingsModel::kFrameChars ||
            part.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const int n = std::stoi(part);
        if (n < 1 || n > frames) return false;
    }
    return true;
}

}  // namespace

int RunAvi(int argc, char** argv, bool help) {
    if (help) {
        PrintHelp(stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv, {"--fps", "--range", "--codec", "--quality", "--key-frames"}, {}) ||
        options.files.size() != 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string& in = options.files[0];
    std::string out = options.files[1];
    if (!EndsWithNoCase(in, ".qua") && !EndsWithNoCase(in, ".avi")) {
        std::fprintf(stderr, "quillor: '%s' is not an animation (.qua) or movie (.avi)\n", in.c_str());
        return 2;
    }
    if (!EndsWithNoCase(out, ".avi")) {
        std::fprintf(stderr, "quillor: the movie's name must end in .avi, not '%s'\n", out.c_str());
        return 2;
    }
    const std::vector<VideoEncoder> encoders = AviEncoders();
    std::string codec = "raw";
    if (const auto it = options.values.find("--codec"); it != options.values.end()) codec = it->second;
    if (FindAviEncoder(encoders, codec) == nullptr) {
        std::fprintf(stderr, "quillor: --codec takes %s, not '%s'\n", CodecNames().c_str(), codec.c_str());
        return 2;
    }
    int quality = 75;
    int keyFrames = 1;
    if (!options.Integer("--quality", 1, 100, quality) ||
        !options.Integer("--key-frames", 1, AviCompressorModel::kMaxKeyFrameEvery, keyFrames))
        return 2;
    std::string rate;
    if (const auto it = options.values.find("--fps"); it != options.values.end()) {
        rate = it->second;
        char* end = nullptr;
        const double r = std::strtod(rate.c_str(), &end);
        if (rate.empty() || *end != '\0' || !(r > 0.0) || r > 1e6 || rate.size() > AviSaveSettingsModel::kRateChars) {
            std::fprintf(stderr, "quillor: --fps takes a rate above 0, such as 25 or 12.5, not '%s'\n",
                         rate.c_str());
            return 2;
        }
    }

    CliDocumentEnvironment environment;
    CAnimDoc document(environment);
    if (!OpenScriptDocument(document, environment, in)) return 1;
    std::string start = "1";
    std::string end = std::to_string(document.HeldFrames());
    if (const auto it = options.values.find("--range"); it != options.values.end() &&
                                                         !ParseRange(it->second, document.HeldFrames(), start, end)) {
        std::fprintf(stderr, "quillor: --range takes A-B with frames from 1 to %d, not '%s'\n",
                     document.HeldFrames(), it->second.c_str());
        return 2;
    }

    environment.ui.saveFile = out;
    environment.ui.answerDialog = [&](DialogModel& model) -> std::optional<bool> {
        if (auto* settings = dynamic_cast<AviSaveSettingsModel*>(&model)) {
            settings->SetStartText(start);
            settings->SetEndText(end);
            if (!rate.empty()) settings->SetRateText(rate);
            return true;
        }
        if (auto* compressor = dynamic_cast<AviCompressorModel*>(&model)) {
            bool offered = false;
            for (std::size_t i = 0; i < compressor->Encoders().size(); ++i) {
                if (compressor->Encoders()[i].id != codec) continue;
                compressor->Select(int(i));
                offered = true;
            }
            if (!offered) {
                std::fprintf(stderr, "quillor: %s is for 256-colour animations only; choose another --codec\n",
                             codec.c_str());
                return false;
            }
            compressor->SetQuality(quality);
            compressor->SetKeyFrameEvery(keyFrames);
            return true;
        }
        return std::nullopt;
    };
    if (!document.SaveAvi()) return 1;
    return 0;
}

}  // namespace quillor
