// Small dialogs keep room for their whole title.

#include "platform/ui/title_room.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace quillor {
namespace {

TEST(TitleRoomTest, AShortMessageIsWidenedToItsTitle) {
    QMessageBox box(QMessageBox::Warning, "Load Aborted", "File not loaded.", QMessageBox::Ok);
    TitleRoom room;
    qApp->installEventFilter(&room);
    box.show();
    QApplication::processEvents();
    EXPECT_GE(box.width(), TitleRoom::WidthFor(box));
    box.close();

    QDialog dialog;
    dialog.setWindowTitle("Select File Type");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Image"));
    dialog.show();
    QApplication::processEvents();
    EXPECT_GE(dialog.width(), TitleRoom::WidthFor(dialog));
    qApp->removeEventFilter(&room);
}

TEST(TitleRoomTest, ALongerTitleNeedsMoreRoom) {
    QWidget a, b;
    a.setWindowTitle("Note");
    b.setWindowTitle("Magnification Options");
    EXPECT_LT(TitleRoom::WidthFor(a), TitleRoom::WidthFor(b));
}

}  // namespace
}  // namespace quillor
