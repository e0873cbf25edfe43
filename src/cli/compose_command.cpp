#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/cli_interaction.h"
#include "cli/cli_options.h"
#include "core/text_format.h"
#include "document/anim_script.h"
#include "document/file_name_order.h"
#include "document/frame_image_io.h"
#include "formats/codec/codec_error.h"
#include "formats/image_file_messages.h"
#include "formats/image_file_type.h"

namespace quillor {

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelp =
    "usage: quillor compose FRAME... -o OUT.qua [--password-env VAR]\n"
    "       quillor compose FOLDER -o OUT.qua [--password-env VAR]\n"
    "\n"
    "Writes an animation script naming the image files FRAME..., in the order given, as\n"
    "the frames of an animation. Given a folder instead, its image files are the frames,\n"
    "in the order the composer lists them (\"walk_2.bmp\" before \"walk_10.bmp\").\n"
    "\n"
    "Every frame is read first, and one that cannot be read stops the verb before\n"
    "anything is written. Frames in OUT's folder or below it are named relative to it,\n"
    "so the folder can be moved as a whole; others by their full path.\n"
    "\n"
    "  -o, --output OUT.qua  the animation script to write (its name must end in .qua)\n"
    "  --password-env VAR    the password of protected PAX or TLA frames, from the\n"
    "                        environment variable VAR\n"
    "\n"
    "OUT.qua is replaced only once it has been written completely.\n";

// The path made absolute with its folder's links resolved, but not the file's own: a
// frame that is a link keeps its name, as the composer lists it.
fs::path Anchored(const std::string& path) {
    const fs::path absolute = fs::absolute(path).lexically_normal();
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(absolute.parent_path(), error);
    return error ? absolute : folder / absolute.filename();
}

// How the script names a frame: relative to the script's folder when the frame lies
// inside it, else in full.
std::string ScriptName(const std::string& frame, const fs::path& scriptFolder) {
    const fs::path anchored = Anchored(frame);
    const fs::path relative = anchored.lexically_relative(scriptFolder);
    if (!relative.empty() && *relative.begin() != "..") return relative.string();
    return anchored.string();
}

// The frame files the arguments name; false with a message when they name none.
bool FrameFiles(const std::vector<std::string>& arguments, std::vector<std::string>& frames, int& status) {
    if (arguments.size() == 1 && IsFolder(arguments[0])) {
        for (const std::string& name : ListComposableImages(arguments[0]))
            frames.push_back(JoinPath(arguments[0], name));
        if (frames.empty()) {
            std::fprintf(stderr, "quillor: the folder '%s' holds no image files to compose\n",
                         arguments[0].c_str());
            status = 1;
            return false;
        }
        return true;
    }
    for (const std::string& argument : arguments) {
        if (IsFolder(argument)) {
            std::fprintf(stderr, "quillor: '%s' is a folder; a folder is composed on its own, not among frames\n",
                         argument.c_str());
            status = 2;
            return false;
        }
        frames.push_back(argument);
    }
    return true;
}

}  // namespace

int RunCompose(int argc, char** argv, bool help) {
    if (help) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    CliOptions options;
    if (!options.Parse(argc, argv, {"-o", "--output", "--password-env"}, {}) || options.files.empty() ||
        options.values.count("-o") + options.values.count("--output") != 1) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    const std::string out = options.values.count("-o") ? options.values.at("-o") : options.values.at("--output");
    if (!EndsWithNoCase(out, ".qua")) {
        std::fprintf(stderr, "quillor: cannot write '%s': an animation script's name ends in .qua\n", out.c_str());
        return 2;
    }
    CliInteraction ui;
    if (!ApplyReadOptions(options, ui)) return 2;
    int status = 0;
    std::vector<std::string> frames;
    if (!FrameFiles(options.files, frames, status)) return status;

    SettingsStore settings;  // the user's own settings are neither read nor changed
    for (const std::string& frame : frames) {
        COXDIB image;
        LoadOutcome outcome = LoadOutcome::Failed;
        if (!LoadFrameImage(image, frame, {ui, settings}, &outcome)) {
            if (outcome == LoadOutcome::Failed)
                ui.ShowMessage(FormatText(messages::kCannotLoad, {frame}), messages::kLoadingError,
                               MessageIcon::Exclamation);
            if (!LastCodecError().empty()) std::fprintf(stderr, "quillor: (%s)\n", LastCodecError().c_str());
            std::fprintf(stderr, "quillor: '%s' was not written\n", out.c_str());
            return 1;
        }
    }

    const fs::path scriptFolder = Anchored(out).parent_path();
    std::vector<std::string> names;
    for (const std::string& frame : frames) names.push_back(ScriptName(frame, scriptFolder));
    for (const std::string& name : names) {
        if (!FitsOnScriptLine(name)) {
            std::fprintf(stderr, "quillor: the name '%s' cannot stand on a line of a script\n", name.c_str());
            return 1;
        }
    }
    if (!WriteAnimationScript(out, names)) {
        ui.ShowMessage(FormatText(messages::kCouldNotWrite, {out}), messages::kFileWritingError,
                       MessageIcon::Exclamation);
        return 1;
    }
    return 0;
}

}  // namespace quillor
