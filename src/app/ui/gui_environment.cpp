#include "app/ui/gui_environment.h"

#include "document/ui/clipboard_reader.h"

namespace quillor {

void GuiEnvironment::AddRecentFile(const std::string& path) {
    recentFiles_.Add(path);
    if (recentFilesChanged) recentFilesChanged();
}

std::optional<BrushPicture> GuiEnvironment::GrabbedBrush(bool) {
    return std::nullopt;  // brushes are grabbed from the canvas once the brush tools exist
}

std::optional<ClipboardBitmap> GuiEnvironment::ClipboardImage() { return ReadClipboardBitmap(); }

bool GuiEnvironment::FirstClipboardPaste() {
    const bool first = !clipboardPasted_;
    clipboardPasted_ = true;
    return first;
}

}  // namespace quillor
