#pragma once

#include <string>
#include <vector>

#include "app/commands/shell.h"

namespace quillor::testing {

// Writes down what the commands ask of the windows.
class FakeShell final : public Shell {
public:
    CAnimDoc* document = nullptr;
    const void* view = nullptr;
    std::vector<std::string> calls;

    CAnimDoc* ActiveDocument() override { return document; }
    const void* ActiveViewId() override { return view; }
    bool NewDocument(NewDocumentKind kind) override {
        calls.push_back("new " + std::to_string(int(kind)));
        return true;
    }
    void OpenPath(const std::string& path) override { calls.push_back("open " + path); }
    void NewWindow() override { calls.push_back("new window"); }
    void CascadeWindows() override { calls.push_back("cascade"); }
    void TileWindows() override { calls.push_back("tile"); }
    void CloseActiveWindow() override { calls.push_back("close"); }
    void Exit() override { calls.push_back("exit"); }
    void ZoomActiveView(Zoom zoom) override { calls.push_back("zoom " + std::to_string(int(zoom))); }
    void CopyFrameToClipboard() override { calls.push_back("copy"); }
    void Print() override { calls.push_back("print"); }
    void PrintPreview() override { calls.push_back("preview"); }
    void PrintSetup() override { calls.push_back("setup"); }
    void ShowHelp() override { calls.push_back("help"); }
    void ShowAbout() override { calls.push_back("about"); }
    bool PaletteWindowOpen(PaletteWindow window) override { return open[int(window)]; }
    void ShowPaletteWindow(PaletteWindow window, bool show) override {
        if (open[int(window)] != show)
            calls.push_back(std::string(show ? "open " : "close ") + kNames[int(window)]);
        open[int(window)] = show;
    }
    static constexpr const char* kNames[] = {"edit", "view", "stencil"};
    bool open[3] = {false, false, false};
};

}  // namespace quillor::testing
