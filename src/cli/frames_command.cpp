#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_document.h"
#include "cli/write_options.h"
#include "document/file_name_order.h"
#include "document/save_sequence_model.h"
#include "document/sequence_save.h"
#include "formats/image_file_type.h"
#include "formats/save_checks.h"
#include "platform/file_io.h"

namespace quillor {

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    "usage: quillor frames IN.qua|IN.qul|IN.avi -o DIR [options]\n"
    "\n"
    "Writes every frame of the animation, layered image or AVI movie IN as a numbered\n"
    "image file in DIR, named as Quillor's sequence save names them: the prefix, a\n"
    "four-digit number and the type's extension (\"walk0000.bmp\", \"walk0001.bmp\" ...).\n"
    "Frame 0 of a layered image, its compiled picture, is written as the script holds\n"
    "it, its name marked _COMPILED_TARGET; `quillor compile` builds it afresh from the\n"
    "layers. A movie's frames are all read, as a script's are.\n"
    "\n"
    "  -o, --output DIR          the folder to write into (made when it does not exist)\n"
    "  --prefix P                the names' prefix (default: the first four characters\n"
    "                            of IN's name without the digits that end them)\n"
    "  --start N                 the first frame's number (default 0)\n"
    "  --type TYPE               bmp (default), png, jpg, tga, tif, pcx, psd, pax or tla\n"
    "  --overwrite               replace files that already exist\n"
    "  --script NAME             also write a script naming the new files, as DIR/NAME\n"
    "                            (NAME ends in .qua, or .qul for a layered image)\n"
    "%s"
    "\n"
    "The frames keep their colour modes, and a type that cannot hold one refuses before\n"
    "anything is written (2- and 16-colour frames only go to BMP, JPEG only takes true\n"
    "colour). Nothing is written either when a frame of IN cannot be read or a file to be\n"
    "written exists already without --overwrite.\n";

void PrintHelp(std::FILE* to) { std::fprintf(to, kHelp, kWriteOptionsHelp); }

// The sequence type as the save dialog lists it, from any letter case; empty for a type
// that cannot be written.
std::string SequenceType(const std::string& text) {
    for (std::string_view type : kSequenceTypes)
        if (LowerAscii(type) == LowerAscii(text) && SequenceTypeWritable(type)) return std::string(type);
    return {};
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The request the sequence save carries out, from the options; false (with a message)
// when one is wrong.
bool RequestFrom(const CliOptions& options, const std::string& in, bool layered, SequenceSaveRequest& request) {
    const std::string dir = options.values.count("-o") ? options.values.at("-o") : options.values.at("--output");
    // A script written into DIR names the new files in full: a folder given relative to
    // the working folder would mean nothing beside the script.
    request.folder = fs::absolute(dir).lexically_normal().string();
    while (request.folder.size() > 1 && request.folder.back() == '/') request.folder.pop_back();

    request.prefix = SaveSequenceModel::DefaultPrefix(FileNameOf(in));
    if (const auto it = options.values.find("--prefix"); it != options.values.end()) request.prefix = it->second;
    if (request.prefix.find('/') != std::string::npos) {
        std::fprintf(stderr, "quillor: --prefix is the start of a file name; it cannot hold '/'\n");
        return false;
    }
    if (!options.Integer("--start", 0, 99999999, request.start)) return false;
    if (const auto it = options.values.find("--type"); it != options.values.end()) {
        request.type = SequenceType(it->second);
        if (request.type.empty()) {
            std::fprintf(stderr, "quillor: --type takes bmp, png, jpg, tga, tif, pcx, psd, pax or tla, not '%s'\n",
                         it->second.c_str());
            return false;
        }
    }
    request.newSequence = true;
    request.writeScript = options.values.count("--script") != 0;
    if (request.writeScript) {
        request.scriptName = options.values.at("--script");
        const char* extension = layered ? ".qul" : ".qua";
        if (request.scriptName.find('/') != std::string::npos || !EndsWithNoCase(request.scriptName, extension)) {
            std::fprintf(stderr, "quillor: --script takes a file name (no folder) ending in %s\n", extension);
            return false;
        }
    }
    return true;
}

// Every file the save would write, the script first.
std::vector<std::string> FilesToWrite(const SequenceSaveRequest& request, int frames, bool layered) {
    std::vector<std::string> files;
    if (request.writeScript) files.push_back(JoinPath(request.folder, request.scriptName));
    for (int i = 0; i < frames; ++i) files.push_back(JoinPath(request.folder, NewSequenceName(request, i, layered)));
    return files;
}

}  // namespace

int RunFrames(int argc, char** argv, bool help) {
    if (help) {
        PrintHelp(stdout);
        return 0;
    }
    CliOptions options;
    std::set<std::string> values = WriteValueOptions();
    values.insert({"-o", "--output", "--prefix", "--start", "--type", "--script"});
    std::set<std::string> flags = WriteFlagOptions();
    flags.insert("--overwrite");
    if (!options.Parse(argc, argv, values, flags) || options.files.size() != 1 ||
        options.values.count("-o") + options.values.count("--output") != 1) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string& in = options.files[0];
    const bool layered = EndsWithNoCase(in, ".qul");
    if (!layered && !EndsWithNoCase(in, ".qua") && !EndsWithNoCase(in, ".avi")) {
        std::fprintf(stderr, "quillor: '%s' is not an animation (.qua), layered image (.qul) or movie (.avi)\n",
                     in.c_str());
        return 2;
    }
    CliDocumentEnvironment environment;
    SequenceSaveRequest request;
    if (!RequestFrom(options, in, layered, request) || !ApplyReadOptions(options, environment.terminal) ||
        !ApplyWriteOptions(options, environment.terminal, request.type == "PAX" || request.type == "TLA",
                           environment.settings))
        return 2;

    CAnimDoc document(environment);
    if (!OpenScriptDocument(document, environment, in)) return 1;
    const int held = document.HeldFrames();
    request.frames = AllFrameIndices(held);

    // Every refusal comes before the first file is written, so that a refused run leaves
    // DIR as it was rather than holding part of a sequence.
    if (fs::exists(request.folder) && !IsFolder(request.folder)) {
        std::fprintf(stderr, "quillor: '%s' is not a folder\n", request.folder.c_str());
        return 1;
    }
    if (!options.flags.count("--overwrite")) {
        for (const std::string& file : FilesToWrite(request, held, layered)) {
            if (FileExists(file)) {
                std::fprintf(stderr, "quillor: '%s' exists already; nothing was written (--overwrite replaces it)\n",
                             file.c_str());
                return 1;
            }
        }
    }
    for (int i = 0; i < held; ++i) {
        const std::string name = NewSequenceName(request, i, layered);
        if (!CheckBeforeSave(name, document.FindFrame(i)->colourMode, true, environment.FileContext())) return 1;
    }
    std::error_code error;
    fs::create_directories(request.folder, error);
    if (error) {
        std::fprintf(stderr, "quillor: cannot make the folder '%s': %s\n", request.folder.c_str(),
                     error.message().c_str());
        return 1;
    }

    environment.ui.replaceFiles = true;
    const int before = environment.terminal.MessagesShown();
    if (!document.SaveSequence(request)) {
        ReportCodecDetail();
        if (environment.terminal.MessagesShown() == before)
            std::fprintf(stderr, "quillor: not every frame of '%s' could be written\n", in.c_str());
        return 1;
    }
    return 0;
}

}  // namespace quillor
