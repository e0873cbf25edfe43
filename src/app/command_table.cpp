#include "app/command_table.h"

#include <array>

namespace quillor {

namespace {

using namespace cmd;

constexpr CommandInfo kCommands[] = {
    {kNew, "&New", "Ctrl+N", "document-new", "", "Create a new image or animation"},
    {kOpen, "&Open...", "Ctrl+O", "document-open", "", "Open an image or animation"},
    {kSave, "&Save", "S", "document-save", "", "Save the picture"},
    {kSaveAs, "Save &As...", "", "document-save-as", "", "Save the picture under a new name"},
    {kCopy, "&Copy", "Ctrl+C", "edit-copy", "", "Copy the frame to the clipboard"},
    {kPasteImage, "Paste Image From Clipboard", "Ctrl+V", "edit-paste", "",
     "Make a new image from the clipboard"},
    {kDuplicateImage, "Duplicate Image", "", "", "duplicate-image", "Make a copy of the picture"},
    {kImageFromBrush, "Make New Image From Brush", "", "", "image-from-brush",
     "Make a new image from the grabbed brush"},
    {kPrint, "&Print...", "Ctrl+P", "document-print", "", "Print the frame"},
    {kPrintPreview, "Print Pre&view...", "", "document-print-preview", "", "Preview the printed page"},
    {kPrintSetup, "&P&rint Setup...", "", "document-page-setup", "", "Choose the printer and page"},
    {kNewWindow, "&New Window", "", "window-new", "", "Open another window on this picture"},
    {kHelp, "&Help", "F1", "help-contents", "", "Read the help"},
    {kExit, "E&xit", "", "application-exit", "", "Quit Quillor"},
    {kImageNew, "&New", "", "", "image-new", "Create a new image"},
    {kImageOpen, "&Open...", "", "", "image-open", "Open an image file"},
    {kAnimNew, "&New", "", "", "anim-new", "Create a new animation"},
    {kClampFrame, "Clamp Frame", "F", "zoom-fit-best", "", "Show the frame at its own size"},
    {kZoomIn, "Zoom Into Image", "X", "zoom-in", "", "Zoom in at the pointer"},
    {kZoomOut, "Zoom Out Of Image", "Z", "zoom-out", "", "Zoom out at the pointer"},
    {kUnzoom, "Unzoom Image", "Return", "zoom-original", "", "Show the picture at its own size"},
    {kCascade, "&Cascade", "", "", "", "Arrange the windows overlapping"},
    {kTile, "&Tile", "", "", "", "Arrange the windows side by side"},
    {kCloseWindow, "Cl&ose", "Ctrl+F4", "window-close", "", "Close the window"},
    {kAbout, "&About Quillor", "", "help-about", "", "Version and licence"},
};

// Buttons of commands that do not exist yet join their bars when they arrive.
constexpr int kStandard[] = {kNew, kOpen, kSave, 0, kCopy, kPasteImage, 0, kPrint, 0, kNewWindow, 0, kHelp};
constexpr int kUntitled[] = {kAnimNew, kImageNew, kImageOpen};
constexpr int kTools[] = {kClampFrame};

constexpr ToolbarLayout kToolbars[] = {
    {130, "Tools", kTools},
    {128, "Standard", kStandard},
    {129, "Animation", {}},
    {131, "Brush", {}},
    {132, "Palette", {}},
    {133, "Image", {}},
    {136, "", kUntitled},
};

}  // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::span<const ToolbarLayout> Toolbars() { return kToolbars; }

}  // namespace quillor
