#pragma once

namespace quillor {

// Runs the window program; the result is the process's exit status.
int RunGui(int argc, char** argv);

}  // namespace quillor
