#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillor {

// The animation script (".qua") and the layered script (".qul"): "QUASQ" with no line
// end, the frame count, then one line per frame naming its image file. A layered script
// follows the line of every frame after the first (the compiled target) with four
// lines: layer on, smooth edges, opacity on (0 or 1 each) and the opacity in percent.
inline constexpr std::string_view kScriptMagic = "QUASQ";
// No frame count above this is believed.
inline constexpr std::uint32_t kMaxScriptFrames = 9999;
// A count may promise this many frames more than the file holds lines for; those
// frames read as empty names (which load as blanks). A count promising more is refused.
inline constexpr std::uint32_t kMaxMissingScriptFrames = 16;
// No script of up to kMaxScriptFrames frames with names of any length a path may have
// comes near this size; a larger file is not read.
inline constexpr std::uint64_t kMaxScriptBytes = 64ull << 20;

inline constexpr std::string_view kNotAScript = "'%s' is not a valid Quillor Animation file.";
inline constexpr std::string_view kNotAScriptTitle = "Load Aborted";

struct ScriptFrame {
    std::string name;
    // Layers only.
    bool layerOn = true;
    bool smoothEdges = false;
    bool opacityOn = false;
    int opacity = 100;

    bool operator==(const ScriptFrame&) const = default;
};

enum class ScriptStatus {
    Read,      // frames holds every frame the count promised
    Empty,     // nothing follows the magic, or the count is 0: a document without frames
    NotValid,  // the magic is wrong, or the count is negative, too large or not backed by the file
};

struct ScriptContents {
    ScriptStatus status = ScriptStatus::NotValid;
    std::vector<ScriptFrame> frames;
};

// Reads a script from its bytes. Lines end in a line feed or a carriage return and line
// feed; lines missing at the end read as empty names and zero layer values.
ScriptContents ParseAnimationScript(std::span<const std::uint8_t> bytes, bool layered);

// The bytes of a script with these frames, as the program writes them (line feeds
// only).
std::string EncodeAnimationScript(std::span<const ScriptFrame> frames, bool layered);

// True when a frame name can stand on a script line and read back the same: no line
// feed in it and no carriage return at its end.
bool FitsOnScriptLine(std::string_view name);

// Reads the script file at `path`. False when the file cannot be opened or read (the
// contents are then untouched); a file too large to be a script reads as NotValid.
bool ReadAnimationScript(const std::string& path, bool layered, ScriptContents& contents);

// Writes the script file atomically: the old file at `path` stays as it was unless the
// new one was written whole. False when it could not be written, or a name cannot stand
// on a line of its own.
bool WriteAnimationScript(const std::string& path, std::span<const ScriptFrame> frames, bool layered);

// A script naming these image files in this order, each as given (the command line
// writes the files of a folder as an animation this way).
bool WriteAnimationScript(const std::string& path, const std::vector<std::string>& frameNames);

}  // namespace quillor
