#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "app/ui/gui_environment.h"
#include "document/new_document_kind.h"
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

// The main window: the multiple-document area, the menus and toolbars, the status bar,
// and the application-level commands. Its settings (placement, toolbars, recent files,
// tool preferences) are read when it is made and written when it closes.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(Interaction& ui, SettingsStore& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens a file as the program's open path does: an open document is brought forward,
    // anything else gets a window (which closes again if the file gave nothing to keep).
    void OpenPath(const std::string& path);
    // Creates a document of `kind` in a new window; false when nothing was made.
    bool NewDocument(NewDocumentKind kind);

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
    void Run(int commandId);
    // The painting commands: tools, brushes, undo and clearing (main_frame_tools.cpp).
    // False when `commandId` is none of them.
    bool RunToolCommand(int commandId);
    // A right click on a "Tools" bar button.
    void RunRightClick(int commandId);
    void ClearCurrentFrame();
    // The "Paint Brush Shape" dialog and what its choice asks for.
    void ChooseBrushShape();
    void UpdateToolStates();

    // Application commands.
    void OnNew();
    void OnOpen();
    void OnImageOpen();
    void OnHelp();
    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnNewWindow();
    void OnAbout();

    Interaction& ui_;
    SettingsStore& settings_;
    GuiEnvironment environment_;
    ToolContext tools_;
    QMdiArea* mdi_ = nullptr;
    QLabel* message_ = nullptr;
    LockIndicators* locks_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::map<int, QAction*> actions_;
    std::unique_ptr<QPrinter> printer_;
    bool closing_ = false;
};

}  // namespace quillor
