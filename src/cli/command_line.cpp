#include "cli/command_line.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/cli_commands.h"

namespace quillor {

namespace {

constexpr const char* kUsage =
    "usage: quillor [FILE]\n"
    "       quillor info FILE...\n"
    "       quillor convert IN OUT [options]\n"
    "       quillor palette IN -o OUT.pal\n"
    "       quillor VERB --help\n"
    "\n"
    "Without a verb, Quillor opens its window (and FILE in it). With a verb it works in\n"
    "the terminal and never needs a display.\n"
    "\n"
    "verbs:\n"
    "  info      print each file's format, size, colour mode and (TIFF) page count\n"
    "  convert   read an image and write it in the format its new extension names;\n"
    "            a palette picture's palette can be reordered, loaded from a .pal file\n"
    "            or matched to one on the way (--order-palette, --load-palette, --remap-to)\n"
    "  palette   write a palette picture's colours as a Quillor palette file (.pal)\n"
    "\n"
    "Formats by extension: .bmp .jpg .jpeg .png .tif .tiff .tga .pcx .psd .pax .tla\n"
    "(.gif is recognised but cannot be read).\n";

}  // namespace

bool WantsCommandLine(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first == "info" || first == "convert" || first == "palette" || first == "help" ||
           first == "--help" || first == "-h" || first == "--version";
}

void PrintUsage(bool toError) { std::fputs(kUsage, toError ? stderr : stdout); }

int RunCommandLine(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "--help" || verb == "-h" || verb == "help") {
        if (argc > 2 && std::strcmp(argv[2], "info") == 0) return RunInfo(0, nullptr, true);
        if (argc > 2 && std::strcmp(argv[2], "convert") == 0) return RunConvert(0, nullptr, true);
        if (argc > 2 && std::strcmp(argv[2], "palette") == 0) return RunPalette(0, nullptr, true);
        PrintUsage(false);
        return 0;
    }
    if (verb == "--version") {
        std::puts("quillor 0.1.0");
        return 0;
    }
    const bool help = argc > 2 && (std::strcmp(argv[2], "--help") == 0 || std::strcmp(argv[2], "-h") == 0);
    if (verb == "info") return RunInfo(argc - 2, argv + 2, help);
    if (verb == "convert") return RunConvert(argc - 2, argv + 2, help);
    if (verb == "palette") return RunPalette(argc - 2, argv + 2, help);
    PrintUsage(true);
    return 2;
}

}  // namespace quillor
