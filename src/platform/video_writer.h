#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillor {

// A compressor a movie can be written with.
struct VideoEncoder {
    std::string id;    // "raw", "ffv1", ... as the command line names it
    std::string name;  // as the compressor choice lists it
    bool lossless = false;
    // Whether 256-colour frames keep their palette indices; otherwise they are written
    // in true colour.
    bool keepsPalette = false;
    bool hasQuality = false;
    bool hasKeyFrames = false;  // can store frames that depend on earlier ones
    // Offered for 256-colour pictures only (in true colour it is many times slower than
    // the other lossless compressors).
    bool paletteOnly = false;
};

// The compressors this FFmpeg can write into an AVI movie, uncompressed first.
std::vector<VideoEncoder> AviEncoders();
const VideoEncoder* FindAviEncoder(const std::vector<VideoEncoder>& encoders, const std::string& id);

struct VideoWriteSettings {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;  // 8 (with a palette per frame) or 24
    int rate = 25;          // frames every `scale` seconds
    int scale = 1;
    std::string encoder = "raw";
    int quality = 75;       // 1 (smallest) to 100 (best), where the encoder has one
    int keyFrameEvery = 1;  // 1: every frame stands alone
};

// One frame as a packed bitmap holds it: rows bottom first, `stride` bytes apart, 24-bit
// pixels blue, green, red; for 8 bits a table of 256 colours 0x00RRGGBB.
struct VideoFrameRows {
    const std::uint8_t* bits = nullptr;
    std::size_t stride = 0;
    const std::uint32_t* palette = nullptr;
};

// Writes an AVI movie through a temporary file beside the target, which replaces the
// target only when Finish succeeds; a writer dropped unfinished leaves nothing behind.
class VideoWriter {
public:
    // Null, with `error` set, when the encoder or the file cannot be set up.
    static std::unique_ptr<VideoWriter> Create(const std::string& path, const VideoWriteSettings& settings,
                                               std::string* error);
    ~VideoWriter();
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    // The next frame, in the size and depth of the settings.
    bool Write(const VideoFrameRows& rows);
    bool Finish();
    const std::string& Error() const;

private:
    struct State;
    explicit VideoWriter(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

}  // namespace quillor
