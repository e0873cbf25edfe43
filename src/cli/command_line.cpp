#include "cli/command_line.h"

#include <cstdio>
#include <string_view>

namespace quillor {

bool WantsCommandLine(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first == "info" || first == "convert" || first == "--help" || first == "-h" ||
           first == "help" || first == "--version";
}

void PrintUsage(bool toError) {
    std::fputs("usage: quillor [FILE]\n       quillor VERB [ARGS]  (see quillor --help)\n",
               toError ? stderr : stdout);
}

int RunCommandLine(int, char**) {
    PrintUsage(true);
    return 2;
}

}  // namespace quillor
