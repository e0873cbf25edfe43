// The Qt dialogs of an animation's frames and a layered image's layers: each shows its
// model, edits it as the user types and clicks, and stays open on an OK its model refuses.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/support/widget_text.h"

#include "document/anim_frame.h"
#include "document/ui/animation_controls_dialog.h"
#include "document/ui/clear_frames_dialog.h"
#include "document/ui/frame_dialogs.h"
#include "document/ui/frame_name_dialog.h"
#include "document/ui/goto_frame_dialog.h"
#include "document/ui/layer_settings_dialog.h"

namespace quillor {
namespace {

using testing::ShowsText;

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Presses OK on `dialog` and answers the message box it may open; returns what the box
// showed (an empty title when none opened).
ShownBox PressOk(QDialog& dialog) {
    ShownBox shown;
    // Owned here, so that it never fires after an OK that opened no box.
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = {box->windowTitle(), box->text(), box->icon()};
            box->accept();
        }
    });
    answer.start(0);
    dialog.accept();
    return shown;
}

// Replaces the text of a box as a user would: select all, then type.
void Retype(QWidget* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

TEST(FrameDialogsTest, ATakenFrameNameKeepsTheDialogOpenWithTheNameInIt) {
    FrameNameModel model("walk2.bmp", {"walk1.bmp", "walk3.bmp"});
    FrameNameDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Change BMP Name");
    EXPECT_TRUE(ShowsText(dialog, "Change BMP name to:"));
    EXPECT_EQ(dialog.name->text(), "walk2.bmp");

    Retype(dialog.name, "walk3.bmp");
    EXPECT_EQ(model.Name(), "walk3.bmp");
    const ShownBox box = PressOk(dialog);
    EXPECT_EQ(box.title, "REQUEST");
    EXPECT_EQ(box.text, "This file name already exists, please choose a unique file name.");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.name->text(), "walk3.bmp");

    Retype(dialog.name, "run.bmp");
    EXPECT_EQ(PressOk(dialog).title, "");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.Name(), "run.bmp");
}

TEST(FrameDialogsTest, GotoSpinsWithinTheFramesAndRefusesOthers) {
    GotoFrameModel model(5, 2);
    GotoFrameDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Goto Frame in Animation Sequence");
    EXPECT_TRUE(ShowsText(dialog, "Go to frame number:"));
    EXPECT_EQ(dialog.number->text(), "2");
    QTest::keyClick(dialog.number, Qt::Key_Up);
    EXPECT_EQ(model.Text(), "3");
    dialog.number->stepBy(10);
    EXPECT_EQ(dialog.number->text(), "5");

    Retype(dialog.number, "9");
    EXPECT_EQ(dialog.number->text(), "9") << "typing is the model's to judge, on OK";
    EXPECT_EQ(model.Text(), "9");
    const ShownBox box = PressOk(dialog);
    EXPECT_EQ(box.text, "Please enter a frame number from 1 to 5.");
    EXPECT_TRUE(dialog.isVisible());

    Retype(dialog.number, "4");
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.Number(), 4);
}

TEST(FrameDialogsTest, AnimationControlsCorrectWhatIsTyped) {
    AnimationControlsModel model(12, 1, 12, 2.0);
    AnimationControlsDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Animation Control");
    for (const char* label : {"Frame Range:", "to", "at", "Frames Per Second"}) EXPECT_TRUE(ShowsText(dialog, label));
    EXPECT_EQ(dialog.rate->text(), "2.000");
    EXPECT_EQ(dialog.start->Editor()->maxLength(), 4);
    EXPECT_EQ(dialog.end->Editor()->maxLength(), 4);
    EXPECT_EQ(dialog.rate->Editor()->maxLength(), 7);

    Retype(dialog.start, "99");
    EXPECT_EQ(dialog.start->text(), "12");
    Retype(dialog.end, "0");
    EXPECT_EQ(dialog.end->text(), "1");
    QTest::keyClick(dialog.end, Qt::Key_Up);
    EXPECT_EQ(model.EndText(), "2");
    Retype(dialog.rate, "-");
    EXPECT_EQ(dialog.rate->text(), "-");
    QTest::keyClicks(dialog.rate, "3");
    EXPECT_EQ(dialog.rate->text(), "1");
    QTest::keyClick(dialog.rate, Qt::Key_Up);
    EXPECT_EQ(dialog.rate->text(), "2.000");

    Retype(dialog.rate, "0");
    const ShownBox box = PressOk(dialog);
    EXPECT_EQ(box.title, "Animation Control");
    EXPECT_FALSE(box.text.isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    Retype(dialog.rate, "12.5");
    PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.Rate(), 12.5);
}

TEST(FrameDialogsTest, ClearCanvasEnablesTheRangeOnlyForTheRangeChoice) {
    ClearFramesModel model(6);
    model.SetStart(3);
    ClearFramesDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Clear Canvas");
    EXPECT_EQ(dialog.choices[0]->text(), "Clear current frame");
    EXPECT_EQ(dialog.choices[1]->text(), "Clear range of frames:");
    EXPECT_EQ(dialog.choices[2]->text(), "Clear all frames");
    EXPECT_TRUE(ShowsText(dialog, "to"));
    EXPECT_TRUE(dialog.choices[0]->isChecked());
    EXPECT_FALSE(dialog.start->isEnabled());
    EXPECT_EQ(dialog.start->value(), 3);
    EXPECT_EQ(dialog.finish->maximum(), 6);
    EXPECT_EQ(dialog.finish->minimum(), 1);

    dialog.choices[1]->click();
    EXPECT_EQ(model.ChoiceMade(), ClearFramesModel::kRange);
    EXPECT_TRUE(dialog.start->isEnabled());
    EXPECT_TRUE(dialog.finish->isEnabled());
    dialog.finish->setValue(5);
    EXPECT_EQ(model.Finish(), 5);
    dialog.choices[2]->click();
    EXPECT_FALSE(dialog.finish->isEnabled());
    EXPECT_EQ(model.ChoiceMade(), ClearFramesModel::kAll);
}

TEST(FrameDialogsTest, LayerSettingsEnableByTheirSwitches) {
    AnimFrame layer;
    layer.index = 4;
    layer.opacity = 40;
    LayerSettingsModel model(layer);
    LayerSettingsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Layer 4 Settings");
    EXPECT_EQ(dialog.magnitudeLabel->text(), "Magnitude:");
    EXPECT_EQ(dialog.opacityText->text(), "40% opaque");
    EXPECT_EQ(dialog.opacity->minimum(), 1);
    EXPECT_EQ(dialog.opacity->maximum(), 100);
    EXPECT_TRUE(dialog.on->isChecked());
    EXPECT_TRUE(dialog.smooth->isEnabled());
    EXPECT_FALSE(dialog.opacity->isEnabled());
    EXPECT_FALSE(dialog.opacityText->isEnabled());

    dialog.opacityOn->click();
    EXPECT_TRUE(model.OpacityOn());
    EXPECT_TRUE(dialog.opacity->isEnabled());
    EXPECT_TRUE(dialog.magnitudeLabel->isEnabled());
    EXPECT_FALSE(dialog.smooth->isEnabled());
    dialog.opacity->setValue(73);
    EXPECT_EQ(dialog.opacityText->text(), "73% opaque");
    EXPECT_EQ(model.Opacity(), 73);

    dialog.on->click();
    EXPECT_FALSE(model.On());
    EXPECT_FALSE(dialog.opacityOn->isEnabled());
    EXPECT_FALSE(dialog.opacity->isEnabled());
    EXPECT_FALSE(dialog.smooth->isEnabled());
}

TEST(FrameDialogsTest, TheInteractionShowsEveryFrameDialogAndObeysTheirRefusals) {
    QtInteraction ui;
    RegisterFrameDialogs(ui);
    AnimFrame layer;
    FrameNameModel name("a.bmp", {"b.bmp"});
    GotoFrameModel go(3, 1);
    AnimationControlsModel controls(3, 1, 3, 2.0);
    ClearFramesModel clear(3);
    LayerSettingsModel settings(layer);
    for (const DialogModel* model : std::initializer_list<const DialogModel*>{&name, &go, &controls, &clear, &settings})
        EXPECT_TRUE(ui.CanShow(*model)) << model->Title();

    // A refused number keeps the dialog up; the next good one closes it.
    int refusals = 0;
    QTimer::singleShot(0, [&refusals] {
        auto* dialog = dynamic_cast<GotoFrameDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        Retype(dialog->number, "7");
        QTimer::singleShot(0, [&refusals] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++refusals;
                box->accept();
            }
        });
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        Retype(dialog->number, "3");
        dialog->accept();
    });
    EXPECT_TRUE(RunCheckedDialog(ui, go));
    EXPECT_EQ(refusals, 1);
    EXPECT_EQ(go.Number(), 3);
}

}  // namespace
}  // namespace quillor
