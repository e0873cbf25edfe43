#pragma once

#include <cstdint>
#include <string>

#include "core/colour_mode.h"

namespace quillor {

// What a document's window title is made of.
struct TitleParts {
    std::string path;           // the document's own path
    std::string frameName;      // the name of the frame being edited
    std::string currentFolder;  // frame names below it are shown relative to it
    int index = 0;              // of the frame being edited
    std::int64_t frameCount = 0;
    bool layered = false;
    bool layerOn = true;
    ColourMode colourMode = ColourMode::TrueColour;
};

// A picture's title is its path; a document kept as a script or movie also names the
// frame and its place. Either way the colour mode follows.
std::string DocumentTitle(const TitleParts& parts);

// A path kept as an animation or layered script or a movie, whose title names the frame.
bool IsSequencePath(const std::string& path);

// `name` without a leading `folder` and the separator after it.
std::string NameBelowFolder(const std::string& name, const std::string& folder);

}  // namespace quillor
