// The Qt dialogs of a new document: each shows its model and edits it as the user works.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/support/widget_text.h"

#include "document/ui/document_dialogs.h"
#include "document/ui/frame_count_dialog.h"
#include "document/ui/new_image_dialog.h"

namespace quillor {
namespace {

using testing::ShowsText;

TEST(DocumentDialogsTest, NewImageDialogEnablesTheTypedSizeOnlyForCustom) {
    NewImageModel model;
    NewImageDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "New Image");
    EXPECT_TRUE(dialog.sizes[3]->isChecked());
    EXPECT_TRUE(dialog.colours[0]->isChecked());
    EXPECT_EQ(dialog.sizes[0]->text(), "320 x 200");
    EXPECT_FALSE(dialog.width->isEnabled());
    EXPECT_FALSE(dialog.height->isEnabled());

    dialog.sizes[5]->click();
    EXPECT_EQ(model.SizeChoice(), 5);
    EXPECT_TRUE(dialog.width->isEnabled());
    QTest::keyClicks(dialog.width, "8a0-0");
    EXPECT_EQ(dialog.width->text(), "800");
    EXPECT_EQ(model.WidthText(), "800");
    QTest::keyClicks(dialog.height, "600");
    dialog.colours[3]->click();
    EXPECT_EQ(model.ColourChoice(), 3);
    EXPECT_EQ(model.Width(), 800);
    EXPECT_EQ(model.Height(), 600);

    dialog.sizes[1]->click();
    EXPECT_FALSE(dialog.width->isEnabled());
    EXPECT_EQ(model.Width(), 320);

    NewImageModel frames(true);
    frames.SetSizeChoice(5);
    NewImageDialog framesDialog(frames);
    EXPECT_EQ(framesDialog.windowTitle(), "New Images");
    EXPECT_TRUE(framesDialog.width->isEnabled());
}

TEST(DocumentDialogsTest, OkWithAnImpossibleSizeExplainsAndStaysOpen) {
    NewImageModel model;
    model.SetSizeChoice(5);
    model.SetWidthText("0");
    model.SetHeightText("10");
    NewImageDialog dialog(model);
    dialog.show();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });
    dialog.accept();
    EXPECT_EQ(shown, QString::fromUtf8(NewImageModel::kSideRefusal.data()));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClicks(dialog.width, "5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(DocumentDialogsTest, FrameCountDialogSpinsFromOneTo9999) {
    FrameCountModel model;
    model.SetCount(12);
    FrameCountDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "New Animation Sequence");
    EXPECT_TRUE(ShowsText(dialog, "Please select the number of frames in the new animation:"));
    EXPECT_EQ(dialog.count->minimum(), 1);
    EXPECT_EQ(dialog.count->maximum(), 9999);
    EXPECT_EQ(dialog.count->value(), 12);
    dialog.count->setValue(40);
    EXPECT_EQ(model.Count(), 40);

    FrameCountModel zero;
    zero.SetCount(0);  // as a hand-edited settings file may leave it
    FrameCountDialog clamped(zero);
    EXPECT_EQ(clamped.count->value(), 1);
    EXPECT_EQ(zero.Count(), 1);
}

TEST(DocumentDialogsTest, TheInteractionShowsTheRegisteredDialogs) {
    QtInteraction ui;
    RegisterDocumentDialogs(ui);
    NewImageModel image;
    FrameCountModel count;
    EXPECT_TRUE(ui.CanShow(image));
    EXPECT_TRUE(ui.CanShow(count));

    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<FrameCountDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->count->setValue(3);
        dialog->accept();
    });
    EXPECT_TRUE(ui.RunDialog(count));
    EXPECT_EQ(count.Count(), 3);

    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<NewImageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->colours[2]->click();
        dialog->reject();
    });
    EXPECT_FALSE(ui.RunDialog(image));
    EXPECT_EQ(image.ColourChoice(), 2);  // the model holds what the user left in it
}

}  // namespace
}  // namespace quillor
