#include "cli/command_line.h"

#ifndef QUILLOR_NO_GUI
#include "app/ui/gui_main.h"
#endif

int main(int argc, char** argv) {
    if (quillor::WantsCommandLine(argc, argv)) return quillor::RunCommandLine(argc, argv);
#ifdef QUILLOR_NO_GUI
    // Built without Qt: only the command line is there.
    quillor::PrintUsage(false);
    return 0;
#else
    return quillor::RunGui(argc, argv);
#endif
}
