#include "app/ui/gui_main.h"

#include <QApplication>
#include <QMessageBox>

#include "app/app_commands.h"
#include "app/ui/action_icons.h"
#include "app/ui/main_frame.h"
#include "app/ui/resources.h"
#include "app/ui/select_file_type_dialog.h"
#include "document/ui/document_dialogs.h"
#include "formats/ui/format_dialogs.h"
#include "view/ui/brush_dialogs.h"
#include "view/ui/tool_dialogs.h"
#include "platform/settings_store.h"
#include "platform/ui/qt_interaction.h"

namespace quillor {

int RunGui(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quillor");
    QApplication::setApplicationDisplayName("Quillor");
    QApplication::setOrganizationName("quillor");
    QApplication::setDesktopFileName("quillor");
    InitQuillorResources();
    SetUpIconTheme();
    QApplication::setWindowIcon(QIcon(":/icons/quillor.svg"));

    SettingsStore settings(SettingsStore::DefaultPath());
    QtInteraction ui;
    RegisterFormatDialogs(ui);
    RegisterDocumentDialogs(ui);
    RegisterAppDialogs(ui);
    RegisterToolDialogs(ui);
    RegisterBrushDialogs(ui);

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
