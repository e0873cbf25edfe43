#include "app/ui/action_icons.h"

#include <QDir>

#include "platform/ui/qt_interaction.h"

namespace quillor {

void SetUpIconTheme() {
    // Some platforms (the offscreen one among them) search nowhere but the program's own
    // resources; the freedesktop folders are where installed themes live.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList dataDirs = qEnvironmentVariable("XDG_DATA_DIRS").split(':', Qt::SkipEmptyParts);
    if (dataDirs.isEmpty()) dataDirs = {"/usr/local/share", "/usr/share"};
    dataDirs.prepend(QDir::homePath() + "/.local/share");
    for (const QString& dir : dataDirs)
        if (!paths.contains(dir + "/icons")) paths << dir + "/icons";
    QIcon::setThemeSearchPaths(paths);
    QIcon::setFallbackThemeName("breeze");
    // Without a desktop (a bare X server, a test) Qt knows no theme at all.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == "hicolor") QIcon::setThemeName("breeze");
}

QIcon ActionIcon(const CommandInfo& command) {
    if (!command.themeIcon.empty()) {
        const QIcon themed = QIcon::fromTheme(ToQString(command.themeIcon));
        if (!themed.isNull()) return themed;
    }
    if (!command.ownIcon.empty()) return QIcon(":/icons/" + ToQString(command.ownIcon) + ".svg");
    return {};
}

}  // namespace quillor
