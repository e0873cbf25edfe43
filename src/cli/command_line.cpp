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
    "       quillor compose FRAME... -o OUT.qua\n"
    "       quillor frames IN.qua|IN.qul|IN.avi -o DIR [options]\n"
    "       quillor avi IN.qua OUT.avi [options]\n"
    "       quillor compile IN.qul OUT [options]\n"
    "       quillor brush grab|image|transform ...\n"
    "       quillor map-palette SOURCE.bmp DEST.bmp... [--remap]\n"
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
    "  compose   write an animation script (.qua) naming image files, or a folder's\n"
    "            image files in name order, as its frames\n"
    "  frames    write every frame of an animation, layered image or AVI movie as\n"
    "            numbered image files, as the sequence save does\n"
    "  avi       write an animation as an AVI movie, uncompressed or through a\n"
    "            compressor (--codec), forwards or backwards (--range), at a rate (--fps)\n"
    "  compile   lay a layered image's layers over one another and write the picture\n"
    "  brush     cut a brush file (.bsh) out of a picture or animation, make a picture\n"
    "            of a brush, or turn, mirror and resize a brush\n"
    "  map-palette  give 256-colour BMP files the palette of another, keeping their\n"
    "            pixel bytes or remapping them to the nearest new colours (--remap)\n"
    "\n"
    "Formats by extension: .bmp .jpg .jpeg .png .tif .tiff .tga .pcx .psd .pax .tla\n"
    "(.gif is recognised but cannot be read).\n";

using Verb = int (*)(int argc, char** argv, bool help);

struct NamedVerb {
    std::string_view name;
    Verb run;
};

constexpr NamedVerb kVerbs[] = {{"info", RunInfo},       {"convert", RunConvert}, {"palette", RunPalette},
                                {"compose", RunCompose}, {"frames", RunFrames},   {"compile", RunCompile},
                                {"brush", RunBrush},     {"avi", RunAvi},
                                {"map-palette", RunMapPalette}};

Verb FindVerb(std::string_view name) {
    for (const NamedVerb& verb : kVerbs)
        if (verb.name == name) return verb.run;
    return nullptr;
}

}  // namespace

bool WantsCommandLine(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return FindVerb(first) != nullptr || first == "help" || first == "--help" || first == "-h" ||
           first == "--version";
}

void PrintUsage(bool toError) { std::fputs(kUsage, toError ? stderr : stdout); }

int RunCommandLine(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "--help" || verb == "-h" || verb == "help") {
        if (const Verb run = argc > 2 ? FindVerb(argv[2]) : nullptr) return run(0, nullptr, true);
        PrintUsage(false);
        return 0;
    }
    if (verb == "--version") {
        std::puts("quillor 0.1.0");
        return 0;
    }
    const bool help = argc > 2 && (std::strcmp(argv[2], "--help") == 0 || std::strcmp(argv[2], "-h") == 0);
    if (const Verb run = FindVerb(verb)) return run(argc - 2, argv + 2, help);
    PrintUsage(true);
    return 2;
}

}  // namespace quillor
