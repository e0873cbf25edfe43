#pragma once

namespace quillor {

// Each verb takes the arguments after its own name and returns the exit status:
// 0 done, 1 a file could not be read or written, 2 the command line was wrong.
int RunInfo(int argc, char** argv, bool help);
int RunConvert(int argc, char** argv, bool help);
int RunPalette(int argc, char** argv, bool help);
int RunCompose(int argc, char** argv, bool help);
int RunFrames(int argc, char** argv, bool help);
int RunCompile(int argc, char** argv, bool help);
int RunBrush(int argc, char** argv, bool help);
int RunAvi(int argc, char** argv, bool help);
int RunMapPalette(int argc, char** argv, bool help);

}  // namespace quillor
