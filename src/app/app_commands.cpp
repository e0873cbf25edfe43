#include "app/app_commands.h"

#include "formats/image_file_dialogs.h"
#include "formats/image_file_type.h"

namespace quillor {

bool IsOpenableImagePath(const std::string& path) {
    return HasImageExtension(path) || EndsWithNoCase(path, ".qua") || EndsWithNoCase(path, ".qul");
}

std::optional<std::string> ChooseImageFileToOpen(const ImageFileContext& context) {
    auto path = ChooseImageToOpen(context);
    if (!path) return std::nullopt;
    if (!IsOpenableImagePath(*path)) {
        context.ui.ShowMessage("Unrecognized file format.", "Open Failed", MessageIcon::Exclamation);
        return std::nullopt;
    }
    return path;
}

StartArguments ParseStartArguments(int argc, char** argv) {
    StartArguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string lower = LowerAscii(a);
        if (lower == "-embedding" || lower == "/embedding" || lower == "-automation" ||
            lower == "/automation")
            continue;
        if (a == "--") {
            for (++i; i < argc; ++i) args.files.emplace_back(argv[i]);
            break;
        }
        // Qt's own options (-platform, -style ...) are taken by Qt before we look.
        if (!a.empty() && a[0] == '-') continue;
        args.files.push_back(a);
    }
    return args;
}

}  // namespace quillor
