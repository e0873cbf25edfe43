#include <cstddef>
#include <cstdint>
#include <span>

#include "document/anim_script.h"

using namespace quillor;

// A script that reads must promise no more frames than the limits allow, and must write
// back to bytes that read as the very same frames, both as an animation and as a
// layered image.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (const bool layered : {false, true}) {
        const ScriptContents contents = ParseAnimationScript(bytes, layered);
        if (contents.status != ScriptStatus::Read) {
            if (!contents.frames.empty()) __builtin_trap();
            continue;
        }
        if (contents.frames.empty() || contents.frames.size() > kMaxScriptFrames) __builtin_trap();
        // Every frame beyond those the file holds lines for costs nothing to read, so
        // their number is bounded by the bytes given.
        if (contents.frames.size() > size + kMaxMissingScriptFrames) __builtin_trap();
        for (const ScriptFrame& frame : contents.frames) {
            if (!FitsOnScriptLine(frame.name)) __builtin_trap();
            if (frame.opacity < 0 || frame.opacity > 100) __builtin_trap();
        }
        const std::string written = EncodeAnimationScript(contents.frames, layered);
        const std::span<const std::uint8_t> again(reinterpret_cast<const std::uint8_t*>(written.data()),
                                                  written.size());
        const ScriptContents back = ParseAnimationScript(again, layered);
        if (back.status != ScriptStatus::Read || back.frames != contents.frames) __builtin_trap();
    }
    return 0;
}
