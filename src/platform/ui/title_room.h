#pragma once

#include <QObject>

class QWidget;

namespace quillor {

// Dialogs and message boxes are as wide as their contents, which can be narrower than
// their titles: the window manager then cuts a title such as "Select File Type" short.
// Installed on the application, this widens every dialog as it is first shown so that
// its whole title fits beside the window's buttons.
class TitleRoom final : public QObject {
public:
    using QObject::QObject;
    // The width a window needs for its title and the title bar's buttons and icon.
    static int WidthFor(const QWidget& window);
    // Makes `dialog` at least that wide (a message box through its layout, which sets
    // its size itself when shown).
    static void Apply(QWidget& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quillor
