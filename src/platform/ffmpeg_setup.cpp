#include "platform/ffmpeg_setup.h"

#include <cstdlib>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace quillor {

void QuietFfmpeg() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (std::getenv("QUILLOR_FFMPEG_LOG") == nullptr) av_log_set_level(AV_LOG_QUIET);
    });
}

}  // namespace quillor
