#include <cstdio>

#include "app/display_check.h"
#include "cli/command_line.h"

#ifndef QUILLOR_NO_GUI
#include "app/gui_module.h"
#endif

int main(int argc, char** argv) {
    if (quillor::WantsCommandLine(argc, argv)) return quillor::RunCommandLine(argc, argv);
#ifdef QUILLOR_NO_GUI
    // Built without Qt: only the command line is there.
    quillor::PrintUsage(argc > 1);
    return argc > 1 ? 2 : 0;
#else
    // Qt would abort with a core dump of its own; a user who typed a verb wrong or works
    // over ssh deserves to hear what to do instead.
    if (!quillor::DisplayNamed(quillor::DisplayEnvironment::FromProcess())) {
        std::fputs(quillor::NoDisplayMessage("DISPLAY and WAYLAND_DISPLAY are not set").c_str(), stderr);
        return 2;
    }
    return quillor::RunGuiModule(argc, argv);
#endif
}
