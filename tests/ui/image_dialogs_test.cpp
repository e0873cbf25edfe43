// The Qt dialogs of the picture operations: every control reaches its model as the user
// works it, and what the model changes in turn shows in the controls.

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/test_brushes.h"
#include "ui/support/widget_text.h"

#include "brush/ui/brush_deform_dialog.h"
#include "brush/ui/resize_brush_dialog.h"
#include "document/ui/colour_balance_dialog.h"
#include "document/ui/colour_depth_dialog.h"
#include "document/ui/filter_amount_dialog.h"
#include "document/ui/resize_dialog.h"
#include "document/ui/tone_adjust_dialog.h"

namespace quillor {
namespace {

using testing::ShowsText;

void Retype(QWidget* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

TEST(ImageDialogsTest, ResizeKeepsTheAspectWhileTypingAndAnchorsOnlyACrop) {
    ResizeModel model(400, 200);
    ResizeDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Resize/Crop");
    EXPECT_TRUE(ShowsText(dialog, "400 x 200"));

    dialog.rescale->setChecked(true);
    dialog.aspect->setChecked(true);
    Retype(dialog.width, "100");
    EXPECT_EQ(model.Width(), 100);
    EXPECT_EQ(model.Height(), 50);
    EXPECT_EQ(dialog.height->value(), 50);  // the model's answer is shown
    EXPECT_FALSE(dialog.offsetX->isEnabled());
    EXPECT_FALSE(dialog.anchors[8]->isEnabled());
    EXPECT_TRUE(dialog.bilinear->isEnabled());
    dialog.bilinear->setChecked(false);
    EXPECT_FALSE(model.Bilinear());
    dialog.bilinear->setChecked(true);
    EXPECT_TRUE(model.Bilinear());

    dialog.rescale->setChecked(false);
    EXPECT_FALSE(model.Rescale());
    EXPECT_TRUE(dialog.offsetY->isEnabled());
    EXPECT_FALSE(dialog.bilinear->isEnabled());
    dialog.anchors[8]->click();  // bottom right
    EXPECT_EQ(model.OffsetX(), 300);
    EXPECT_EQ(model.OffsetY(), 150);
    EXPECT_EQ(dialog.offsetX->value(), 300);
    EXPECT_EQ(dialog.offsetY->value(), 150);
    Retype(dialog.offsetX, "-25");
    EXPECT_EQ(model.OffsetX(), -25);
    Retype(dialog.offsetY, "7");
    EXPECT_EQ(model.OffsetY(), 7);

    dialog.aspect->setChecked(false);
    EXPECT_FALSE(model.Aspect());
    Retype(dialog.height, "90");
    EXPECT_EQ(model.Height(), 90);
    EXPECT_EQ(model.Width(), 100);
}

TEST(ImageDialogsTest, ResizeOkTakesTheTextStillBeingTyped) {
    ResizeModel model(400, 200);
    ResizeDialog dialog(model);
    dialog.show();
    dialog.aspect->setChecked(false);
    // Text typed but not yet interpreted by the box, as when OK follows the last key.
    dialog.width->findChild<QLineEdit*>()->setText("123");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.Width(), 123);
}

TEST(ImageDialogsTest, ColourBalanceMovesAllThreeWhenLockedAndShowsEveryValue) {
    int changes = 0;
    ColourBalanceModel model([&changes] { ++changes; });
    ColourBalanceDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Colour Balance/Brightness");
    EXPECT_EQ(dialog.lock->text(), "Lock RGB for brightness control");

    dialog.sliders[0]->setValue(30);
    EXPECT_EQ(model.Value(0), 30);
    EXPECT_EQ(model.Value(1), 0);
    EXPECT_EQ(dialog.values[0]->value(), 30);
    EXPECT_GT(changes, 0);

    dialog.lock->setChecked(true);
    EXPECT_TRUE(model.Locked());
    dialog.sliders[1]->setValue(20);  // +20 on green moves the others by as much
    EXPECT_EQ(model.Value(0), 50);
    EXPECT_EQ(model.Value(1), 20);
    EXPECT_EQ(model.Value(2), 20);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dialog.sliders[std::size_t(i)]->value(), model.Value(i)) << i;
        EXPECT_EQ(dialog.values[std::size_t(i)]->value(), model.Value(i)) << i;
    }

    dialog.lock->setChecked(false);
    Retype(dialog.values[2], "-40");
    EXPECT_EQ(model.Value(2), -40);
    EXPECT_EQ(model.Value(0), 50);
    EXPECT_EQ(dialog.sliders[2]->value(), -40);
}

TEST(ImageDialogsTest, ColourDepthDisablesTheCurrentModeAndTakesTheChoices) {
    ColourDepthModel model(ColourMode::Colours256);
    ColourDepthDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Convert Number of Colours");
    for (std::size_t i = 0; i < dialog.modes.size(); ++i)
        EXPECT_EQ(dialog.modes[i]->isEnabled(), ColourDepthModel::kModes[i] != ColourMode::Colours256) << i;

    for (std::size_t i = 0; i < dialog.modes.size(); ++i)
        if (ColourDepthModel::kModes[i] == ColourMode::TrueColour) dialog.modes[i]->click();
    EXPECT_EQ(model.Target(), ColourMode::TrueColour);
    // Raising a palette picture to true colour has nothing to dither.
    for (QRadioButton* method : dialog.methods) EXPECT_FALSE(method->isEnabled());

    for (std::size_t i = 0; i < dialog.modes.size(); ++i)
        if (ColourDepthModel::kModes[i] == ColourMode::Colours16) dialog.modes[i]->click();
    EXPECT_EQ(model.Target(), ColourMode::Colours16);
    for (QRadioButton* method : dialog.methods) EXPECT_TRUE(method->isEnabled());
    dialog.methods[2]->click();
    EXPECT_EQ(model.Method(), 2);
    dialog.methods[1]->click();
    EXPECT_EQ(model.Method(), 1);
}

TEST(ImageDialogsTest, ToneSliderAndNumberFollowEachOtherAndPreviewEachValueOnce) {
    std::vector<int> previewed;
    ToneAdjustModel model(ToneAdjustModel::Kind::Gamma, [&previewed](int v) { previewed.push_back(v); });
    ToneAdjustDialog dialog(model);
    dialog.show();
    dialog.slider->setValue(40);
    EXPECT_EQ(model.Value(), 40);
    EXPECT_EQ(dialog.value->value(), 40);
    Retype(dialog.value, "-15");
    EXPECT_EQ(model.Value(), -15);
    EXPECT_EQ(dialog.slider->value(), -15);
    ASSERT_FALSE(previewed.empty());
    EXPECT_EQ(previewed.back(), -15);
    EXPECT_EQ(std::count(previewed.begin(), previewed.end(), 40), 1);
}

TEST(ImageDialogsTest, FilterAmountTakesTheTypedNumberAndShowsTheModelsCorrection) {
    FilterAmountModel model(FilterAmountModel::Kind::Simplify);
    FilterAmountDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Simplify Image");
    Retype(dialog.amount, "4");
    EXPECT_EQ(model.Value(), 4);
    Retype(dialog.amount, "9");  // beyond 1..5: the box shows what the model kept
    EXPECT_EQ(dialog.amount->text().toStdString(), model.Text());
    EXPECT_LE(model.Value(), 5);
}

TEST(ImageDialogsTest, ResizeBrushSwitchesBetweenSizeAndRatioAndRefusesWhatCannotBeASize) {
    ResizeBrushModel model(30, 20);
    ResizeBrushDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Resize Brush");
    EXPECT_TRUE(ShowsText(dialog, "30 x 20"));
    dialog.useRatio->setChecked(true);
    EXPECT_TRUE(dialog.ratio->isEnabled());
    EXPECT_FALSE(dialog.width->isEnabled());
    EXPECT_FALSE(dialog.aspect->isEnabled());
    Retype(dialog.ratio, "1.5");
    EXPECT_EQ(model.Ratio(), "1.5");

    dialog.useRatio->setChecked(false);
    EXPECT_FALSE(model.UseRatio());
    EXPECT_FALSE(dialog.ratio->isEnabled());
    dialog.aspect->setChecked(true);
    Retype(dialog.width, "45");
    EXPECT_EQ(model.Height(), 30);
    EXPECT_EQ(dialog.height->value(), 30);
}

TEST(BrushDeformDialog, DraggingACornerOnTheCanvasReshapesTheBrushAndShowsIt) {
    PaintBrush brush;
    testing::GrabCounting(brush, true, 20, 10);
    BrushDeformModel model(brush, true, BrushColour{{255, 255, 255}}, 400, 300);
    model.Start(1);
    BrushDeformDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Brush Deform Tool");
    EXPECT_EQ(dialog.canvas->size(), QSize(420, 320));
    const IntPoint corner = model.Corners()[2];
    const QPoint from(corner.x, corner.y), to(corner.x + 40, corner.y + 25);
    QTest::mousePress(dialog.canvas, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), dialog.canvas->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.canvas, &move);
    QTest::mouseRelease(dialog.canvas, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(brush.Current(true).width, 60);
    EXPECT_EQ(brush.Current(true).height, 35);
    EXPECT_FALSE(model.Selected());
    // The canvas shows the corner's box where the corner went: the background's complement.
    const QImage shown = dialog.canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(to.x() + 5, to.y()), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(to.x() + 8, to.y()), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace quillor
