#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// The file types an animation's frames can be written as, in the order the save dialog
// lists them. "WBMP" is listed but has no writer: a save asking for it is refused.
inline constexpr std::array<std::string_view, 10> kSequenceTypes = {
    "BMP", "JPG", "PAX", "PCX", "PNG", "PSD", "TGA", "TIF", "TLA", "WBMP"};

// What an animation save writes: the script, the frame files, or both. Filled by the
// "Save Animation Sequence" dialog or by the command line.
struct SequenceSaveRequest {
    // The folder everything is written into.
    std::string folder;
    // Write the script `folder`/`scriptName` (the name kept as given, letter case and
    // all).
    bool writeScript = true;
    std::string scriptName;
    // Write the chosen frames as new numbered files `prefix` + four-digit number (from
    // `start`) + `type` lower-cased as extension, and name those files in the script;
    // otherwise every chosen frame is written back to its own name.
    bool newSequence = true;
    std::string prefix;
    int start = 0;
    std::string type = "BMP";  // one of kSequenceTypes
    // The frames to write, by index; the script always names every frame.
    std::vector<int> frames;
};

// The suffix the compiled target of a layered image carries in new sequence names.
inline constexpr std::string_view kCompiledTargetSuffix = "_COMPILED_TARGET";

// The new file name of frame `index` in a new sequence: "walk0001.bmp" for prefix
// "walk", start 1, type "BMP" and index 0; frame 0 of a layered image gets the compiled
// target suffix before the extension. The extension is the type in lower case, so the
// script names the very file that was written.
std::string NewSequenceName(const SequenceSaveRequest& request, int index, bool layered);

// True when frames can be written as `type` (false for "WBMP" and anything unknown).
bool SequenceTypeWritable(std::string_view type);

// True when a frame can be written under `name`: its extension names a format the
// program writes.
bool ImageNameWritable(std::string_view name);

// Every frame index from 0 to count - 1.
std::vector<int> AllFrameIndices(int count);

}  // namespace quillor
