#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/anim_frame.h"
#include "document/document_environment.h"
#include "support/scripted_interaction.h"

namespace quillor::testing {

// What a document sees of the program, in tests: the scripted user, settings kept in
// memory, and the active frame, brushes and clipboard as the test sets them.
class FakeDocumentEnvironment final : public DocumentEnvironment {
public:
    ScriptedInteraction ui;
    SettingsStore settings;
    std::vector<std::string> recentFiles;  // most recent first
    const AnimFrame* activeFrame = nullptr;
    std::optional<BrushPicture> paletteBrush;
    std::optional<BrushPicture> trueColourBrush;
    std::optional<ClipboardBitmap> clipboard;
    std::string currentFolder;
    // Numbers handed out so far.
    int untitledImages = 0;
    int untitledAnimations = 0;
    int clipboardPastesAsked = 0;
    // Time stands still until a test moves it.
    struct FakeClock final : MillisecondClock {
        std::uint64_t now = 1000;
        std::uint64_t NowMs() override { return now; }
    } clock;

    Interaction& Ui() override { return ui; }
    SettingsStore& Settings() override { return settings; }
    void AddRecentFile(const std::string& path) override;
    int NextUntitledImage() override { return ++untitledImages; }
    int NextUntitledAnimation() override { return ++untitledAnimations; }
    const AnimFrame* ActiveFrame() override { return activeFrame; }
    std::optional<BrushPicture> GrabbedBrush(bool trueColour) override {
        return trueColour ? trueColourBrush : paletteBrush;
    }
    std::optional<ClipboardBitmap> ClipboardImage() override { return clipboard; }
    bool FirstClipboardPaste() override { return ++clipboardPastesAsked == 1; }
    std::string CurrentFolder() override { return currentFolder; }
    void SetCurrentFolder(const std::string& folder) override { currentFolder = folder; }
    MillisecondClock& Clock() override { return clock; }
};

}  // namespace quillor::testing
