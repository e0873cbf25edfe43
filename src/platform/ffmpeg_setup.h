#pragma once

namespace quillor {

// FFmpeg reports every damaged packet on standard error; the program says what went
// wrong in its own words, so the library stays quiet unless QUILLOR_FFMPEG_LOG is set.
void QuietFfmpeg();

}  // namespace quillor
