#include "app/display_check.h"

#include <cstdlib>

namespace quillor {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

DisplayEnvironment DisplayEnvironment::FromProcess() {
    return {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

bool DisplayNamed(const DisplayEnvironment& environment) {
    const std::string& platform = environment.qtPlatform;
    const bool x11 = !environment.display.empty(), wayland = !environment.waylandDisplay.empty();
    if (platform.empty()) return x11 || wayland;
    // The window systems' own platforms still need their display; the others (offscreen,
    // vnc, a frame buffer) stand on their own.
    if (platform.rfind("xcb", 0) == 0) return x11;
    if (platform.rfind("wayland", 0) == 0) return wayland;
    return true;
}

std::string NoDisplayMessage(const std::string& reason) {
    return "quillor: the window needs a display: " + reason +
           ".\n"
           "Without a display, quillor works in the terminal with a verb:\n"
           "  quillor info FILE...        format, size and colour mode of pictures\n"
           "  quillor convert IN OUT      write a picture in the format OUT's extension names\n"
           "  quillor --help              everything, and `quillor VERB --help` per verb\n";
}

}  // namespace quillor
