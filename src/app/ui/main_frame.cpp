#include "app/ui/main_frame.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include "app/command_table.h"
#include "app/commands/exit_round.h"
#include "app/ui/action_icons.h"
#include "app/ui/edit_view_frame.h"
#include "app/ui/lock_indicators.h"
#include "app/ui/tool_grid_bar.h"
#include "app/window_placement.h"
#include "palette/ui/palette_edit_window.h"
#include "palette/ui/colour_stencil_window.h"
#include "palette/ui/small_palette_window.h"
#include "platform/ui/qt_interaction.h"
#include "tools/brush_picture.h"
#include "view/ui/bitmap_edit_view.h"

namespace quillor {

namespace {

constexpr char kBarSection[] = "Tools";
constexpr char kBarStateKey[] = "State";

QString BarObjectName(int resourceId) { return QStringLiteral("bar%1").arg(resourceId); }

}  // namespace

CMainFrame::CMainFrame(Interaction& ui, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), ui_(ui), settings_(settings), environment_(ui, settings) {
    SetUpIconTheme();
    setWindowTitle("Quillor");
    setWindowIcon(QIcon(":/icons/quillor.svg"));
    setAcceptDrops(true);
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);

    environment_.activeFrame = [this]() -> const AnimFrame* {
        CBitmapEditView* view = ActiveView();
        return view ? view->Document().FindFrame(view->Document().CurrentFrame()) : nullptr;
    };
    environment_.grabbedBrush = [this](bool trueColour) { return BrushPictureOf(tools_.brush, trueColour); };
    environment_.recentFilesChanged = [this] { RebuildRecentFilesMenu(); };
    tools_.ui = &ui_;
    tools_.textRasteriser = &textRasteriser_;
    tools_.toolChanged = [this] { UpdateCommandStates(); };

    CreateActions();
    CreateStatusBar();
    CreateToolbars();
    CreateMenus();
    RestoreSettings();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { UpdateCommandStates(); });
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    // The windows go first, while everything they report to is still here. Closed
    // windows waiting for their deferred deletion count too.
    for (CBitmapEditViewFrame* w : mdi_->findChildren<CBitmapEditViewFrame*>()) {
        w->disconnect(this);
        delete w;
    }
}

void CMainFrame::CreateActions() {
    // One tool button shows pressed: the current tool's.
    auto* tools = new QActionGroup(this);
    tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const CommandInfo& info : Commands()) {
        auto* action = new QAction(ToQString(info.menuText), this);
        action->setObjectName(QStringLiteral("cmd%1").arg(info.id));
        action->setData(info.id);
        action->setIcon(ActionIcon(info));
        QList<QKeySequence> keys;
        if (!info.key.empty()) keys << QKeySequence(ToQString(info.key));
        if (!info.key2.empty()) keys << QKeySequence(ToQString(info.key2));
        action->setShortcuts(keys);
        if (info.kind != CommandKind::Plain) action->setCheckable(true);
        if (info.kind == CommandKind::Tool) tools->addAction(action);
        const QString tip = ToQString(info.statusTip);
        action->setStatusTip(tip);
        action->setToolTip(info.toolTip.empty() ? QString(ToQString(info.menuText)).remove('&')
                                                 : ToQString(info.toolTip));
        connect(action, &QAction::triggered, this, [this, id = info.id] { Run(id); });
        actions_[info.id] = action;
    }
}

QAction* CMainFrame::Action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addActions({Action(cmd::kNew), Action(cmd::kOpen), Action(cmd::kBrowse)});
    file->addSeparator();
    file->addActions({Action(cmd::kSave), Action(cmd::kSaveAs)});
    file->addSeparator();
    file->addActions({Action(cmd::kPrint), Action(cmd::kPrintPreview), Action(cmd::kPrintSetup)});
    file->addSeparator();
    QMenu* utilities = file->addMenu("&Utilities");
    utilities->addActions({Action(cmd::kBatchRemap), Action(cmd::kSequentialRename), Action(cmd::kDotRename)});
    utilities->addSeparator();
    utilities->addAction(Action(cmd::kFileAssociations));
    file->addSeparator();
    recentMenu_ = file->addMenu("Recent &Files");
    file->addSeparator();
    file->addAction(Action(cmd::kExit));

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->addActions({Action(cmd::kEditUndo), Action(cmd::kEditRedo), Action(cmd::kEditClear)});
    edit->addSeparator();
    edit->addActions({Action(cmd::kCopy), Action(cmd::kPasteImage), Action(cmd::kDuplicateImage),
                      Action(cmd::kImageFromBrush)});

    QMenu* image = menuBar()->addMenu("&Image");
    image->addActions({Action(cmd::kImageNew), Action(cmd::kImageOpen)});
    image->addSeparator();
    image->addActions({Action(cmd::kZoomIn), Action(cmd::kZoomOut), Action(cmd::kUnzoom),
                       Action(cmd::kClampFrame)});
    image->addSeparator();
    image->addActions({Action(cmd::kChangeColours), Action(cmd::kResizeCrop), Action(cmd::kFlipHorizontal),
                       Action(cmd::kFlipVertical)});
    image->addSeparator();
    image->addActions({Action(cmd::kSharpen), Action(cmd::kDespeckle), Action(cmd::kBlur), Action(cmd::kSimplify)});

    QMenu* anim = menuBar()->addMenu("&Anim");
    anim->addActions({Action(cmd::kAnimNew), Action(cmd::kAnimOpen), Action(cmd::kCompose)});
    anim->addSeparator();
    anim->addActions({Action(cmd::kDuplicateFrame), Action(cmd::kDeleteFrame),
                      Action(cmd::kChangeFrameName)});
    anim->addSeparator();
    anim->addActions({Action(cmd::kBackFrame), Action(cmd::kAdvanceFrame), Action(cmd::kGotoFrame)});
    anim->addSeparator();
    anim->addActions({Action(cmd::kPlayLoop), Action(cmd::kPlayOnce), Action(cmd::kPlayPingPong),
                      Action(cmd::kStopAnimation), Action(cmd::kAnimationControls)});
    anim->addSeparator();
    anim->addActions({Action(cmd::kViewCompiled), Action(cmd::kLayerOn), Action(cmd::kLayerOff),
                      Action(cmd::kLayerSettings)});

    QMenu* toolsMenu = menuBar()->addMenu("&Tools");
    toolsMenu->addAction(Action(cmd::kUsePaintTool));
    toolsMenu->addSeparator();
    for (int id : Toolbars()[0].buttons)
        if (QAction* a = Action(id)) toolsMenu->addAction(a);

    QMenu* palette = menuBar()->addMenu("&Palette");
    palette->addActions({Action(cmd::kPaletteView), Action(cmd::kPaletteEdit)});
    palette->addSeparator();
    QMenu* order = palette->addMenu("&Order Palette Colours");
    order->addActions({Action(cmd::kDarkToLight), Action(cmd::kLightToDark), Action(cmd::kGroupHues)});
    palette->addActions({Action(cmd::kRemapToBrushPalette), Action(cmd::kUseBrushPalette)});
    palette->addSeparator();
    palette->addActions({Action(cmd::kNextForeground), Action(cmd::kPreviousForeground)});
    palette->addSeparator();
    palette->addActions({Action(cmd::kSpreadPalettes), Action(cmd::kSavePalette), Action(cmd::kLoadPalette)});
    palette->addSeparator();
    palette->addActions({Action(cmd::kAutoBrightness), Action(cmd::kBlackAndWhite), Action(cmd::kNegative),
                         Action(cmd::kColourBalance), Action(cmd::kContrast), Action(cmd::kGamma)});

    QMenu* brush = menuBar()->addMenu("B&rush");
    brush->addActions({Action(cmd::kChooseBrushShape), Action(cmd::kSinglePixelBrush),
                       Action(cmd::kRestorePreviousBrush), Action(cmd::kSingleColour)});
    brush->addSeparator();
    brush->addActions({Action(cmd::kBrushQuarterTurn), Action(cmd::kBrushFlipHorizontal),
                       Action(cmd::kBrushFlipVertical), Action(cmd::kBrushResize), Action(cmd::kBrushDouble), Action(cmd::kBrushHalve),
                       Action(cmd::kBrushEnlarge), Action(cmd::kBrushShrink)});
    brush->addActions({Action(cmd::kBrushStretch), Action(cmd::kBrushRotate), Action(cmd::kBrushDeform),
                       Action(cmd::kBrushHandle)});
    brush->addSeparator();
    brush->addActions({Action(cmd::kNextBrushImage), Action(cmd::kPreviousBrushImage),
                       Action(cmd::kFirstBrushImage)});
    brush->addSeparator();
    brush->addActions({Action(cmd::kAnimatedBrushSettings), Action(cmd::kAnimatedBrushes), Action(cmd::kAntiAlias),
                       Action(cmd::kRotationGuideOnly), Action(cmd::kBilinearResize)});
    brush->addSeparator();
    brush->addActions({Action(cmd::kUseBrushPalette), Action(cmd::kRemapBrushToPalette)});
    brush->addSeparator();
    brush->addActions({Action(cmd::kSaveBrushAs), Action(cmd::kLoadBrush)});

    // The commands stay in the menu from the start, so that their keys work before the
    // menu was ever opened; only the list of windows is made as the menu opens.
    QMenu* window = menuBar()->addMenu("&Window");
    window->addActions({Action(cmd::kNewWindow), Action(cmd::kCascade), Action(cmd::kTile),
                        Action(cmd::kCloseWindow)});
    QAction* listStart = window->addSeparator();
    connect(window, &QMenu::aboutToShow, this, [this, window, listStart] {
        const QList<QAction*> items = window->actions();
        for (qsizetype i = items.indexOf(listStart) + 1; i < items.size(); ++i) {
            window->removeAction(items[i]);
            items[i]->deleteLater();
        }
        const auto windows = mdi_->subWindowList();
        listStart->setVisible(!windows.isEmpty());
        for (int i = 0; i < windows.size(); ++i) {
            QMdiSubWindow* w = windows[i];
            QAction* a = window->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(w->windowTitle()));
            a->setCheckable(true);
            a->setChecked(w == mdi_->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, w] { mdi_->setActiveSubWindow(w); });
        }
    });

    QMenu* help = menuBar()->addMenu("&Help");
    help->addActions({Action(cmd::kHelp), Action(cmd::kAbout)});
    RebuildRecentFilesMenu();
}

void CMainFrame::CreateToolbars() {
    for (const ToolbarLayout& layout : Toolbars()) {
        if (layout.resourceId == 130) {
            auto* tools = new ToolGridBar(ToQString(layout.title), this);
            tools->setObjectName(BarObjectName(layout.resourceId));
            tools->onRightClick = [this](int id) { Run(RightClickCommandFor(id)); };
            for (int id : layout.buttons)
                if (QAction* a = Action(id)) tools->AddAction(a);
            addToolBar(Qt::LeftToolBarArea, tools);
            continue;
        }
        auto* bar = new QToolBar(ToQString(layout.title), this);
        bar->setObjectName(BarObjectName(layout.resourceId));
        if (layout.title.empty()) bar->setWindowTitle("Commands");
        for (int id : layout.buttons) {
            if (id == 0) bar->addSeparator();
            else if (QAction* a = Action(id)) bar->addAction(a);
        }
        // A bar with no buttons stays out of the way.
        if (bar->actions().isEmpty()) bar->hide();
        addToolBar(Qt::TopToolBarArea, bar);
    }
}

void CMainFrame::CreateStatusBar() {
    message_ = new QLabel("Ready", this);
    message_->setMinimumWidth(1);
    statusBar()->addWidget(message_, 1);
    locks_ = new LockIndicators(this);
    statusBar()->addPermanentWidget(locks_);
    // Hovering a menu item shows its tip in the message pane, as the views' text does.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& text) {
        message_->setVisible(text.isEmpty());
    });
}

QString CMainFrame::StatusMessage() const {
    const QString tip = statusBar()->currentMessage();
    return tip.isEmpty() ? message_->text() : tip;
}

void CMainFrame::ShowViewStatus(const QString& text) {
    // A menu or toolbar tip can outlive its menu (a command that opens a dialog, say);
    // once the pointer is over a picture again, the picture's text is what counts.
    statusBar()->clearMessage();
    message_->setText(text);
}

void CMainFrame::RestoreSettings() {
    WindowPlacement placement;
    placement.Load(settings_);
    if (placement.RectangleUsable())
        setGeometry(placement.left, placement.top, placement.right - placement.left,
                    placement.bottom - placement.top);
    else
        resize(1024, 720);
    if (placement.maximised) setWindowState(windowState() | Qt::WindowMaximized);
    const std::string state = settings_.GetString(kBarSection, kBarStateKey);
    if (!state.empty()) restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    environment_.RecentFiles().Load(settings_);
    tools_.settings.Load(settings_);
    tools_.requestedBrushFrames = settings_.GetInt("Anim Brush", "Requested Size", 0);
    tools_.brush.animationControl = std::uint32_t(std::clamp(settings_.GetInt("Anim Brush", "Control Type", 0), 0, 2));
    RebuildRecentFilesMenu();
}

void CMainFrame::SaveSettings() {
    SettingsStore::Batch batch(settings_);
    settings_.SetString(kBarSection, kBarStateKey, saveState().toBase64().toStdString());
    WindowPlacement placement;
    placement.maximised = isMaximized();
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    placement.Store(settings_);
    environment_.RecentFiles().Store(settings_);
    tools_.settings.Store(settings_);
}

void CMainFrame::RebuildRecentFilesMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const auto& paths = environment_.RecentFiles().Paths();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string path = paths[i];
        QAction* a = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ToQString(path)));
        connect(a, &QAction::triggered, this, [this, path] { OpenPath(path); });
    }
    recentMenu_->setEnabled(!paths.empty());
}

CBitmapEditViewFrame* CMainFrame::ActiveFrame() const {
    return dynamic_cast<CBitmapEditViewFrame*>(mdi_->activeSubWindow());
}

CBitmapEditView* CMainFrame::ActiveView() const {
    CBitmapEditViewFrame* frame = ActiveFrame();
    return frame ? frame->View() : nullptr;
}

void CMainFrame::UpdateCommandStates() {
    const CommandContext context = Context();
    for (const auto& [id, action] : actions_) {
        action->setEnabled(CommandEnabled(id, context));
        if (action->isCheckable()) action->setChecked(CommandChecked(id, context).value_or(false));
    }
}

CBitmapEditViewFrame* CMainFrame::AddWindow(std::shared_ptr<CAnimDoc> document) {
    const bool maximised = ActiveFrame() && ActiveFrame()->isMaximized();
    auto* frame = new CBitmapEditViewFrame(std::move(document), tools_);
    frame->View()->SetToolDispatch(&tools_);
    mdi_->addSubWindow(frame);
    connect(frame, &CBitmapEditViewFrame::statusTextChanged, this, &CMainFrame::ShowViewStatus);
    connect(frame, &QObject::destroyed, this, [this] {
        message_->setText("Ready");
        UpdateCommandStates();
    });
    // New windows fit their picture where the area allows, one step down and right of
    // the window before, starting again at the corner when they would leave the area.
    const AnimFrame* shown = frame->Document().FindFrame(frame->Document().CurrentFrame());
    const QSize picture = shown ? QSize(shown->width, shown->height) / frame->devicePixelRatioF()
                                : QSize(320, 200);
    const QSize chrome = frame->sizeHint() - frame->View()->sizeHint() + QSize(24, 24);
    const QSize size = (picture + chrome).boundedTo(mdi_->size() * 4 / 5).expandedTo(QSize(240, 160));
    const int step = 26, count = int(mdi_->subWindowList().size()) - 1;
    QPoint at(step * count, step * count);
    if (at.x() + size.width() > mdi_->width() || at.y() + size.height() > mdi_->height())
        at = QPoint(step * (count % 4), step * (count % 4));
    frame->setGeometry(QRect(at, size));
    if (maximised) frame->showMaximized();
    else frame->show();
    frame->View()->ShowFrame(frame->Document().CurrentFrame());
    frame->View()->setFocus();
    UpdateCommandStates();
    return frame;
}

bool CMainFrame::NewDocument(NewDocumentKind kind) {
    auto document = std::make_shared<CAnimDoc>(environment_);
    if (!document->OnNewDocument(kind)) return false;
    AddWindow(std::move(document));
    return true;
}

void CMainFrame::OpenPath(const std::string& path) {
    const QString wanted = QFileInfo(ToQString(path)).absoluteFilePath();
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        auto* frame = dynamic_cast<CBitmapEditViewFrame*>(w);
        if (frame && QFileInfo(ToQString(frame->Document().path)).absoluteFilePath() == wanted) {
            mdi_->setActiveSubWindow(frame);
            return;
        }
    }
    auto document = std::make_shared<CAnimDoc>(environment_);
    document->Open(FromQString(wanted));
    AddWindow(std::move(document));
}

CommandContext CMainFrame::Context() {
    return {ActiveDocument(), tools_, ui_, environment_, *this};
}

void CMainFrame::Run(int commandId) {
    CommandContext context = Context();
    RunCommand(commandId, context);
    UpdateCommandStates();
    // After a toolbar click or a dialog the picture takes the keyboard again, so the next
    // press paints at once.
    if (CBitmapEditView* active = ActiveView()) active->setFocus();
}

// --- Shell ----------------------------------------------------------------------------------

const void* CMainFrame::ActiveViewId() {
    CBitmapEditView* view = ActiveView();
    return view ? view->PlayerId() : nullptr;
}

CAnimDoc* CMainFrame::ActiveDocument() {
    CBitmapEditView* view = ActiveView();
    return view ? &view->Document() : nullptr;
}

void CMainFrame::NewWindow() {
    if (CBitmapEditViewFrame* frame = ActiveFrame()) AddWindow(frame->SharedDocument());
}

void CMainFrame::CascadeWindows() { mdi_->cascadeSubWindows(); }
void CMainFrame::TileWindows() { mdi_->tileSubWindows(); }
void CMainFrame::CloseActiveWindow() { mdi_->closeActiveSubWindow(); }
void CMainFrame::Exit() { close(); }

void CMainFrame::ZoomActiveView(Zoom zoom) {
    CBitmapEditView* view = ActiveView();
    if (!view) return;
    switch (zoom) {
        case Zoom::In: view->ZoomIn(); break;
        case Zoom::Out: view->ZoomOut(); break;
        case Zoom::Unzoom: view->Unzoom(); break;
        case Zoom::ClampFrame: view->ClampFrame(); break;
    }
}

void CMainFrame::CopyFrameToClipboard() {
    if (CBitmapEditView* view = ActiveView()) view->CopyFrameToClipboard();
}

void CMainFrame::ShowHelp() {
    // The help travels inside the program; the browser gets a copy in the cache folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
    QDir().mkpath(folder);
    const QString target = folder + "/index.html";
    QFile::remove(target);
    if (!QFile::copy(":/help/index.html", target) ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(target)))
        ui_.ShowMessage("The help could not be shown: no web browser is set up to open " +
                            FromQString(target) + ".",
                        "Help", MessageIcon::Exclamation);
}

void CMainFrame::Print() {
    CBitmapEditView* view = ActiveView();
    if (!view) return;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() == QDialog::Accepted) view->PrintFrame(*printer_);
}

void CMainFrame::PrintPreview() {
    CBitmapEditView* view = ActiveView();
    if (!view) return;
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintPreviewDialog preview(printer_.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [view](QPrinter* printer) { view->PrintFrame(*printer); });
    preview.exec();
}

void CMainFrame::PrintSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

PaletteWindowBase*& CMainFrame::PaletteWindowFor(PaletteWindow window) {
    switch (window) {
        case PaletteWindow::Edit: return paletteEdit_;
        case PaletteWindow::View: return paletteView_;
        case PaletteWindow::Stencil: break;
    }
    return paletteStencil_;
}

bool CMainFrame::PaletteWindowOpen(PaletteWindow window) {
    PaletteWindowBase* shown = PaletteWindowFor(window);
    return shown != nullptr && shown->isVisible();
}

void CMainFrame::ShowPaletteWindow(PaletteWindow window, bool open) {
    PaletteWindowBase*& shown = PaletteWindowFor(window);
    if (!open) {
        if (shown != nullptr) shown->hide();
        return;
    }
    if (shown == nullptr) {
        auto active = [this] { return ActiveDocument(); };
        switch (window) {
            case PaletteWindow::Edit: shown = new PaletteEditWindow(active, ui_, this); break;
            case PaletteWindow::View: shown = new CSmallPaletteDlg(active, this); break;
            case PaletteWindow::Stencil:
                // Only the document the window shows chooses; every other one paints.
                // The window may outlive the document area as the program closes.
                shown = new ColourStencilWindow(active, [area = QPointer<QMdiArea>(mdi_)](CAnimDoc* choosing) {
                    if (area.isNull()) return;
                    for (QMdiSubWindow* w : area->subWindowList())
                        if (auto* frame = dynamic_cast<CBitmapEditViewFrame*>(w))
                            frame->Document().stencil.choosing = &frame->Document() == choosing;
                }, this);
                break;
        }
        connect(shown, &PaletteWindowBase::changed, this, [this] { UpdateCommandStates(); });
    }
    shown->Open();
}

void CMainFrame::ShowAbout() {
    QMessageBox::about(this, "About Quillor",
                       "<b>Quillor</b> 0.1<br>A paint and sprite-animation program.");
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    closing_ = true;
    SaveSettings();
    // Ask about every changed document first, as one round; only then close windows.
    std::vector<CAnimDoc*> documents;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* frame = dynamic_cast<CBitmapEditViewFrame*>(w)) documents.push_back(&frame->Document());
    if (!ConfirmExit(documents)) {
        closing_ = false;
        event->ignore();
        return;
    }
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* frame = dynamic_cast<CBitmapEditViewFrame*>(w)) frame->CloseWithoutAsking();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    OpenDropped(*event->mimeData());
    event->acceptProposedAction();
}

void CMainFrame::OpenDropped(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) OpenPath(FromQString(url.toLocalFile()));
}

}  // namespace quillor
