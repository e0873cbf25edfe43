#pragma once

#include <string>
#include <vector>

namespace quillor {

// The window part of the program is a module of its own, loaded only when the window
// opens, so that the command line starts without loading the toolkit. It lies beside the
// program in a build, and in lib/quillor beside bin once installed.
inline constexpr char kGuiModuleName[] = "quillor-gui.so";
inline constexpr char kGuiEntryPoint[] = "QuillorRunGui";

// Where to look for the module, in order, for the program at `programPath`.
std::vector<std::string> GuiModuleCandidates(const std::string& programPath);

// Loads the module and runs the window; the process's exit status. When the module
// cannot be loaded it says so on standard error, naming every place it looked, and
// returns 2.
int RunGuiModule(int argc, char** argv);

}  // namespace quillor
