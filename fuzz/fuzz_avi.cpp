#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/video_reader.h"

using namespace quillor;

namespace {

// FFmpeg reads movies from files: every input goes to the same scratch file.
const std::string& ScratchFile() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp != nullptr ? tmp : "/tmp") + "/quillor-fuzz-avi-XXXXXX";
        const int fd = ::mkstemp(name.data());
        if (fd < 0) __builtin_trap();
        ::close(fd);
        return name;
    }();
    return path;
}

void CheckPicture(const VideoPicture& p) {
    if (p.width < 1 || p.height < 1 || p.width > 65535 || p.height > 65535) __builtin_trap();
    if (p.bitsPerPixel != 8 && p.bitsPerPixel != 24) __builtin_trap();
    if (p.stride < std::size_t(p.width) * std::size_t(p.bitsPerPixel / 8)) __builtin_trap();
    if (p.pixels.size() != p.stride * std::size_t(p.height)) __builtin_trap();
}

}  // namespace

// Opening a movie as the document does: its streams, the first video stream's frames
// forwards, then back again, each picture of a size its bytes hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = ScratchFile();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) __builtin_trap();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) __builtin_trap();
    std::fclose(f);

    std::unique_ptr<VideoReader> reader = VideoReader::Open(path);
    if (!reader) return 0;
    int video = -1;
    for (int i = 0; i < reader->StreamCount() && i < 50; ++i)
        if (video < 0 && reader->StreamInfo(i).isVideo) video = i;
    if (video < 0 || !reader->UseStream(video)) return 0;
    const VideoStreamInfo info = reader->StreamInfo(video);
    if (info.length < 0 || info.rate <= 0 || info.scale <= 0) __builtin_trap();
    const std::int64_t frames = std::min<std::int64_t>(info.length, 6);
    for (std::int64_t n = 0; n < frames; ++n)
        if (const std::optional<VideoPicture> p = reader->Frame(n)) CheckPicture(*p);
    for (std::int64_t n = frames - 1; n >= 0; n -= 2)
        if (const std::optional<VideoPicture> p = reader->Frame(n)) CheckPicture(*p);
    return 0;
}
