#include "cli/command_line.h"

int main(int argc, char** argv) {
    if (quillor::WantsCommandLine(argc, argv)) return quillor::RunCommandLine(argc, argv);
    // The window arrives with the edit view; until then the program explains itself.
    quillor::PrintUsage(false);
    return 0;
}
