#pragma once

#include <string>

namespace quillor {

// What the window system's environment says about a display to open the window on.
struct DisplayEnvironment {
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string qtPlatform;      // QT_QPA_PLATFORM: a platform chosen by hand needs neither
    static DisplayEnvironment FromProcess();
};

// False when the window could not be opened anywhere: no X or Wayland display for the
// platform Qt would use, and no platform of another kind chosen by hand.
bool DisplayNamed(const DisplayEnvironment& environment);

// Printed instead of opening the window when there is no display (or it cannot be
// reached, `reason` saying why): what the window needs, and the verbs that work without.
std::string NoDisplayMessage(const std::string& reason);

}  // namespace quillor
