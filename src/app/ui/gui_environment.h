#pragma once

#include <functional>
#include <string>

#include "app/recent_file_list.h"
#include "document/document_environment.h"

namespace quillor {

// What documents need from the running program: the user, the settings, the recent
// files, the untitled counters, the active frame and the clipboard.
class GuiEnvironment final : public DocumentEnvironment {
public:
    GuiEnvironment(Interaction& ui, SettingsStore& settings) : ui_(ui), settings_(settings) {}

    Interaction& Ui() override { return ui_; }
    SettingsStore& Settings() override { return settings_; }
    void AddRecentFile(const std::string& path) override;
    int NextUntitledImage() override { return ++untitledImages_; }
    int NextUntitledAnimation() override { return ++untitledAnimations_; }
    const AnimFrame* ActiveFrame() override { return activeFrame ? activeFrame() : nullptr; }
    std::optional<BrushPicture> GrabbedBrush(bool trueColour) override;
    std::optional<ClipboardBitmap> ClipboardImage() override;
    bool FirstClipboardPaste() override;
    std::string CurrentFolder() override { return currentFolder_; }
    void SetCurrentFolder(const std::string& folder) override { currentFolder_ = folder; }
    MillisecondClock& Clock() override { return clock_; }

    RecentFileList& RecentFiles() { return recentFiles_; }

    // Set by the main window: where the active frame and the brush come from, and who
    // hears of changes to the recent-file list.
    std::function<const AnimFrame*()> activeFrame;
    std::function<std::optional<BrushPicture>(bool trueColour)> grabbedBrush;
    std::function<void()> recentFilesChanged;

private:
    Interaction& ui_;
    SettingsStore& settings_;
    RecentFileList recentFiles_;
    int untitledImages_ = 0;
    int untitledAnimations_ = 0;
    bool clipboardPasted_ = false;
    std::string currentFolder_;
    SteadyMillisecondClock clock_;
};

}  // namespace quillor
