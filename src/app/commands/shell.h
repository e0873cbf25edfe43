#pragma once

#include <string>

#include "document/new_document_kind.h"

namespace quillor {

class CAnimDoc;

// What commands need of the program's windows: the things only a window system can do.
// The main window implements it; tests fake it. Every operation acts on the active
// window where it names none, and does nothing when there is none.
class Shell {
public:
    virtual ~Shell() = default;

    // The document of the active window, or null.
    virtual CAnimDoc* ActiveDocument() = 0;
    // What names the active window's view to its document (playback belongs to one
    // view), or null.
    virtual const void* ActiveViewId() = 0;

    // --- Documents and windows -------------------------------------------------------------
    // A new document of `kind` in a new window; false when nothing was made.
    virtual bool NewDocument(NewDocumentKind kind) = 0;
    // Opens a file in a window, or brings forward the window that has it open.
    virtual void OpenPath(const std::string& path) = 0;
    // Another window on the active document.
    virtual void NewWindow() = 0;
    virtual void CascadeWindows() = 0;
    virtual void TileWindows() = 0;
    virtual void CloseActiveWindow() = 0;
    // Closes the program, asking about changed documents first.
    virtual void Exit() = 0;

    // --- The active view ---------------------------------------------------------------------
    enum class Zoom { In, Out, Unzoom, ClampFrame };
    virtual void ZoomActiveView(Zoom zoom) = 0;
    virtual void CopyFrameToClipboard() = 0;

    // --- The palette windows -----------------------------------------------------------------------
    // The palette edit window ("Palette Edit"), the small palette ("Palette View") and
    // the "Colour Stencil" window.
    enum class PaletteWindow { Edit, View, Stencil };
    virtual bool PaletteWindowOpen(PaletteWindow window) = 0;
    virtual void ShowPaletteWindow(PaletteWindow window, bool open) = 0;

    // --- Printing and help ----------------------------------------------------------------------
    virtual void Print() = 0;
    virtual void PrintPreview() = 0;
    virtual void PrintSetup() = 0;
    virtual void ShowHelp() = 0;
    virtual void ShowAbout() = 0;
};

}  // namespace quillor
