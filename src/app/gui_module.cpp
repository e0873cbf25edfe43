#include "app/gui_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/program_path.h"

namespace quillor {

std::vector<std::string> GuiModuleCandidates(const std::string& programPath) {
    const std::filesystem::path folder = std::filesystem::path(programPath).parent_path();
    return {(folder / kGuiModuleName).string(),
            (folder.parent_path() / "lib" / "quillor" / kGuiModuleName).string()};
}

int RunGuiModule(int argc, char** argv) {
    using Entry = int (*)(int, char**);
    std::string problems;
    for (const std::string& path : GuiModuleCandidates(RunningProgramPath(argc > 0 ? argv[0] : nullptr))) {
        if (::access(path.c_str(), F_OK) != 0) {
            problems += "  " + path + ": not there\n";
            continue;
        }
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            const char* why = ::dlerror();
            problems += "  " + std::string(why != nullptr ? why : path + ": cannot be loaded") + "\n";
            continue;
        }
        auto entry = reinterpret_cast<Entry>(::dlsym(module, kGuiEntryPoint));
        if (entry == nullptr) {
            problems += "  " + path + ": not Quillor's window module\n";
            ::dlclose(module);
            continue;
        }
        // Never closed: Qt's own clean-up runs at exit and needs the module's code.
        return entry(argc, argv);
    }
    std::fprintf(stderr,
                 "quillor: the window part of the program (%s) could not be loaded; the command-line "
                 "verbs still work (quillor --help). Looked in:\n%s",
                 kGuiModuleName, problems.c_str());
    return 2;
}

}  // namespace quillor
