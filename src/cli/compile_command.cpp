#include <cstdio>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "cli/write_options.h"
#include "document/layer_compile.h"
#include "formats/image_file_type.h"
#include "formats/save_checks.h"

namespace quillor {

namespace {

constexpr const char* kHelp =
    "usage: quillor compile IN.qul OUT [options]\n"
    "\n"
    "Builds the compiled picture of the layered image IN as Quillor shows it: a black\n"
    "picture the size of IN's compiled target, with every switched-on layer laid over it,\n"
    "bottom layer first, aligned at the bottom left, black showing what lies below. The\n"
    "picture is written in the format OUT's extension names, as `quillor convert` writes.\n"
    "\n"
    "%s"
    "\n"
    "Nothing is written when a layer of IN cannot be read. OUT is replaced only once it\n"
    "has been written completely.\n";

void PrintHelp(std::FILE* to) { std::fprintf(to, kHelp, kWriteOptionsHelp); }

}  // namespace

int RunCompile(int argc, char** argv, bool help) {
    if (help) {
        PrintHelp(stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv, WriteValueOptions(), WriteFlagOptions()) || options.files.size() != 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];
    if (!EndsWithNoCase(in, ".qul")) {
        if (EndsWithNoCase(in, ".qua"))
            std::fprintf(stderr, "quillor: '%s' is an animation, not a layered image: it has no layers to compile\n",
                         in.c_str());
        else
            std::fprintf(stderr, "quillor: '%s' is not a layered image (.qul)\n", in.c_str());
        return 2;
    }
    if (!WritableImageName(out)) return 2;
    const ImageFileType outType = GetImageFileType(out);
    CliDocumentEnvironment environment;
    if (!ApplyReadOptions(options, environment.terminal) ||
        !ApplyWriteOptions(options, environment.terminal,
                           outType == ImageFileType::Pax || outType == ImageFileType::Tla, environment.settings))
        return 2;

    CAnimDoc document(environment);
    if (!OpenScriptDocument(document, environment, in)) return 1;
    CompileLayers(document);
    const AnimFrame& compiled = *document.FindFrame(0);
    if (!CheckBeforeSave(out, compiled.colourMode, false, environment.FileContext())) return 1;
    if (!document.SaveFrameImage(out, 0)) {
        ReportCodecDetail();
        return 1;
    }
    return 0;
}

}  // namespace quillor
