#pragma once

#include <atomic>
#include <string>

#include "utilities/thumbnail_image.h"

namespace quillor {

// Reads the picture at `path` with the program's own readers (the format chosen by the
// extension, as opening it would) and scales it into `box`. It never talks to the user:
// a PAX or TLA file that needs its password comes back Locked, anything that cannot be
// read Unreadable, a multi-page TIFF shows its first page. A decode stopped through
// `cancel` comes back Pending.
ThumbnailResult MakeThumbnail(const std::string& path, ThumbnailBox box,
                              const std::atomic<bool>* cancel = nullptr);

}  // namespace quillor
