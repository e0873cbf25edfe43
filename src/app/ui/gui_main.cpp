#include "app/ui/gui_main.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

#include "app/app_commands.h"
#include "app/display_check.h"
#include "app/first_start.h"
#include "app/ui/action_icons.h"
#include "app/ui/main_frame.h"
#include "app/ui/resources.h"
#include "app/ui/select_file_type_dialog.h"
#include "document/ui/document_dialogs.h"
#include "document/ui/frame_dialogs.h"
#include "formats/ui/format_dialogs.h"
#include "palette/ui/palette_dialogs.h"
#include "brush/ui/brush_dialogs.h"
#include "tools/ui/tool_dialogs.h"
#include "platform/program_path.h"
#include "platform/settings_store.h"
#include "platform/ui/qt_interaction.h"
#include "platform/ui/title_room.h"
#include "utilities/desktop_class_registry.h"
#include "utilities/ui/browser_dialogs.h"
#include "utilities/ui/file_associations_dialog.h"
#include "utilities/ui/utility_dialogs.h"

namespace quillor {

namespace {

QtMessageHandler qtHandler = nullptr;
QStringList startUpWarnings;

// While the application object connects to the display, Qt's warnings and its fatal
// message are about that display (named, but unreachable or refusing us). They are held
// back, and a fatal one becomes our own message instead of an abort with a core dump.
void DuringStartUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        startUpWarnings << text;
        if (qtHandler) qtHandler(type, context, text);
        return;
    }
    QString reason = text.section('\n', 0, 0).trimmed();
    for (const QString& warning : startUpWarnings)
        if (warning.contains("display", Qt::CaseInsensitive)) reason = warning.trimmed();
    while (reason.endsWith('.')) reason.chop(1);
    std::fputs(NoDisplayMessage(reason.isEmpty() ? "it cannot be opened" : FromQString(reason)).c_str(),
               stderr);
    std::fflush(stderr);
    std::_Exit(2);
}

}  // namespace

int RunGui(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(DuringStartUp);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName("quillor");
    QApplication::setOrganizationName("quillor");
    QApplication::setDesktopFileName("quillor");
    InitQuillorResources();
    SetUpIconTheme();
    QApplication::setWindowIcon(QIcon(":/icons/quillor.svg"));
    TitleRoom titleRoom;
    app.installEventFilter(&titleRoom);

    SettingsStore settings(SettingsStore::DefaultPath());
    QtInteraction ui;
    RegisterFormatDialogs(ui);
    RegisterDocumentDialogs(ui);
    RegisterFrameDialogs(ui);
    RegisterAppDialogs(ui);
    RegisterToolDialogs(ui);
    RegisterBrushDialogs(ui);
    RegisterPaletteDialogs(ui);
    RegisterUtilityDialogs(ui);
    RegisterBrowserDialogs(ui);
    RegisterFileAssociationsDialog(ui);

    {
        DesktopClassRegistry registry(DesktopClassRegistry::FromEnvironment());
        OfferFileAssociationsOnFirstStart(ui, settings, registry, RunningProgramPath());
    }

    CMainFrame frame(ui, settings);
    ui.SetParent(&frame);
    frame.show();

    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> storage;
    std::vector<char*> args;
    for (const QString& a : QApplication::arguments()) storage.push_back(FromQString(a));
    for (auto& s : storage) args.push_back(s.data());
    for (const std::string& file : ParseStartArguments(int(args.size()), args.data()).files)
        frame.OpenPath(file);
    return app.exec();
}

}  // namespace quillor
