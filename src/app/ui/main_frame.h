#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "app/commands/command.h"
#include "app/commands/shell.h"
#include "app/ui/gui_environment.h"
#include "document/new_document_kind.h"
#include "tools/ui/qt_text_rasteriser.h"
#include "tools/tool_context.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;
class QPrinter;

namespace quillor {

class CBitmapEditView;
class CBitmapEditViewFrame;
class LockIndicators;
class PaletteWindowBase;

// The main window: the multiple-document area, the menus and toolbars, the status bar,
// and the application-level commands. Its settings (placement, toolbars, recent files,
// tool preferences) are read when it is made and written when it closes.
class CMainFrame final : public QMainWindow, public Shell {
    Q_OBJECT
public:
    CMainFrame(Interaction& ui, SettingsStore& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // --- Shell: what the commands ask of the windows -----------------------------------
    CAnimDoc* ActiveDocument() override;
    const void* ActiveViewId() override;
    // Opens a file as the program's open path does: an open document is brought forward,
    // anything else gets a window (which closes again if the file gave nothing to keep).
    void OpenPath(const std::string& path) override;
    // Creates a document of `kind` in a new window; false when nothing was made.
    bool NewDocument(NewDocumentKind kind) override;
    void NewWindow() override;
    void CascadeWindows() override;
    void TileWindows() override;
    void CloseActiveWindow() override;
    void Exit() override;
    void ZoomActiveView(Zoom zoom) override;
    void CopyFrameToClipboard() override;
    void Print() override;
    void PrintPreview() override;
    void PrintSetup() override;
    void ShowHelp() override;
    void ShowAbout() override;
    bool PaletteWindowOpen(PaletteWindow window) override;
    void ShowPaletteWindow(PaletteWindow window, bool open) override;

    // Opens every local file a drop (or paste of file names) carries.
    void OpenDropped(const QMimeData& data);

    QAction* Action(int commandId) const;
    CBitmapEditView* ActiveView() const;
    CBitmapEditViewFrame* ActiveFrame() const;
    QMdiArea* MdiArea() const { return mdi_; }
    // What the status bar's message pane shows now.
    QString StatusMessage() const;
    GuiEnvironment& Environment() { return environment_; }
    ToolContext& Tools() { return tools_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void CreateStatusBar();
    void RestoreSettings();
    void SaveSettings();
    void UpdateCommandStates();
    void ShowViewStatus(const QString& text);
    void RebuildRecentFilesMenu();
    CBitmapEditViewFrame* AddWindow(std::shared_ptr<CAnimDoc> document);
    // Runs a command of the menus, keys or toolbars, then shows the commands' new states.
    void Run(int commandId);
    CommandContext Context();

    Interaction& ui_;
    SettingsStore& settings_;
    GuiEnvironment environment_;
    QtTextRasteriser textRasteriser_;
    ToolContext tools_;
    QMdiArea* mdi_ = nullptr;
    QLabel* message_ = nullptr;
    LockIndicators* locks_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::map<int, QAction*> actions_;
    std::unique_ptr<QPrinter> printer_;
    // Made when first opened; hidden, not destroyed, when closed, so they open again
    // where they were.
    PaletteWindowBase* paletteEdit_ = nullptr;
    PaletteWindowBase* paletteView_ = nullptr;
    PaletteWindowBase* paletteStencil_ = nullptr;
    PaletteWindowBase*& PaletteWindowFor(PaletteWindow window);
    bool closing_ = false;
};

}  // namespace quillor
