#include "document/document_title.h"

#include "core/text_format.h"
#include "formats/image_file_type.h"

namespace quillor {

namespace {

const char* ColourSuffix(ColourMode mode) {
    switch (mode) {
        case ColourMode::Mono: return "    (2 Colour)";
        case ColourMode::Colours16: return "    (16 Colour)";
        case ColourMode::Colours256: return "    (256 Colour)";
        case ColourMode::TrueColour: break;
    }
    return "    (True Colour)";
}

}  // namespace

bool IsSequencePath(const std::string& path) {
    return EndsWithNoCase(path, ".qua") || EndsWithNoCase(path, ".qul") || EndsWithNoCase(path, ".avi");
}

std::string NameBelowFolder(const std::string& name, const std::string& folder) {
    if (folder.empty() || !name.starts_with(folder)) return name;
    if (folder.back() == '/') return name.substr(folder.size());
    // "/pics/anim" must not shorten "/pics/animals/a.bmp".
    if (name.size() > folder.size() && name[folder.size()] == '/') return name.substr(folder.size() + 1);
    return name;
}

std::string DocumentTitle(const TitleParts& parts) {
    std::string title;
    if (!IsSequencePath(parts.path)) {
        title = parts.path;
    } else {
        const std::string shortName = NameBelowFolder(parts.frameName, parts.currentFolder);
        if (!parts.layered) {
            title = FormatText("%s  (%s - Frame %d of %d)",
                               {parts.path, shortName, std::to_string(parts.index + 1),
                                std::to_string(parts.frameCount)});
        } else if (parts.index > 0) {
            title = FormatText(parts.layerOn ? "%s  (%s - Layer %d of %d)  [ON]"
                                             : "%s  (%s - Layer %d of %d)  [OFF]",
                               {parts.path, shortName, std::to_string(parts.index),
                                std::to_string(parts.frameCount - 1)});
        } else {
            title = FormatText("<COMPILED TARGET IMAGE>        %s  (%s - Total: %d Layers)",
                               {parts.path, shortName, std::to_string(parts.frameCount - 1)});
        }
    }
    return title + ColourSuffix(parts.colourMode);
}

}  // namespace quillor
