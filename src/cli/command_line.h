#pragma once

namespace quillor {

// True when the arguments name a command-line verb (or ask for help), so the program
// runs headless and never touches the window system.
bool WantsCommandLine(int argc, char** argv);

// Runs the verb; the result is the process's exit status.
int RunCommandLine(int argc, char** argv);

void PrintUsage(bool toError);

}  // namespace quillor
