#include "cli/cli_document.h"

#include <cstdio>

namespace quillor {

bool OpenScriptDocument(CAnimDoc& document, CliDocumentEnvironment& environment, const std::string& path) {
    const int before = environment.terminal.MessagesShown();
    document.Open(path);
    if (environment.terminal.MessagesShown() != before) {
        std::fprintf(stderr, "quillor: '%s' could not be read whole, so nothing was written\n", path.c_str());
        return false;
    }
    if (!document.IsKept() || document.HeldFrames() == 0) {
        std::fprintf(stderr, "quillor: '%s' holds no frames, so nothing was written\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace quillor
