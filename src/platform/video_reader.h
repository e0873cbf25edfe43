#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/video_picture.h"

namespace quillor {

struct VideoStreamInfo {
    bool isVideo = false;
    // `rate` frames every `scale` seconds.
    int rate = 0;
    int scale = 1;
    std::int64_t length = 0;  // frames
    int width = 0;
    int height = 0;
};

// An AVI movie opened for reading through FFmpeg. Frames of the video stream chosen
// with UseStream are decoded on request, in any order: going forward decodes on from
// where the last request ended unless a key frame lies between, going back seeks to
// the key frame before the one asked for. Palette and grey video arrives with 8 bits,
// everything else with 24.
class VideoReader {
public:
    // Null when the file cannot be opened or is not an AVI movie.
    static std::unique_ptr<VideoReader> Open(const std::string& path);
    ~VideoReader();
    VideoReader(const VideoReader&) = delete;
    VideoReader& operator=(const VideoReader&) = delete;

    int StreamCount() const;
    VideoStreamInfo StreamInfo(int stream) const;

    // Opens the decoder of a video stream; false when there is none for its format.
    bool UseStream(int stream);
    // Frame `frame` (from 0) of that stream; nothing when it cannot be decoded.
    std::optional<VideoPicture> Frame(std::int64_t frame);
    // The same into `picture`, whose memory is reused from one frame to the next; false
    // when the frame cannot be decoded.
    bool Frame(std::int64_t frame, VideoPicture& picture);
    // Frames decoded so far (what seeking saves shows here).
    std::int64_t DecodedFrames() const { return decoded_; }

private:
    struct State;
    explicit VideoReader(std::unique_ptr<State> state);

    std::unique_ptr<State> state_;
    std::int64_t decoded_ = 0;
};

}  // namespace quillor
