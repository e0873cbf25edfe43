// The tools' right-click dialogs: each shows its model's values under the program's own
// labels and hands every change straight back to the model.

#include <QApplication>
#include <QGroupBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/support/widget_text.h"

#include "tools/ui/animated_brush_dialog.h"
#include "tools/ui/fx_brush_dialog.h"
#include "tools/ui/magnify_options_dialog.h"
#include "tools/ui/red_eye_options_dialog.h"
#include "tools/ui/shape_style_dialog.h"
#include "tools/ui/spray_options_dialog.h"
#include "tools/ui/qt_text_rasteriser.h"
#include "tools/ui/symmetry_options_dialog.h"
#include "tools/ui/text_dialog.h"
#include "tools/ui/tool_dialogs.h"

namespace quillor {
namespace {

using testing::ShowsText;

TEST(ToolDialogsTest, MagnificationOptionsOfferEveryTypeAndTheFixedFactor) {
    MagnifyOptionsModel model;
    MagnifyOptionsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Magnification Options");
    const char* labels[] = {"Magnify X 2",  "Magnify X 3",  "Magnify X 4", "Magnify X 8",
                            "Magnify X 16", "Magnify X 32", "Magnify X",   "Variable Magnification"};
    for (int i = 0; i < MagnifyOptionsModel::kChoices; ++i) EXPECT_EQ(dialog.choices[i]->text(), labels[i]);
    auto* box = dialog.findChild<QGroupBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), "Fixed Magnification");
    EXPECT_TRUE(dialog.choices[7]->isChecked());
    EXPECT_FALSE(dialog.fixed->isEnabled());
    EXPECT_EQ(dialog.fixed->value(), 5);

    dialog.choices[6]->click();
    EXPECT_EQ(model.Type(), MagnifyType::Fixed);
    EXPECT_TRUE(dialog.fixed->isEnabled());
    EXPECT_EQ(dialog.fixed->maximum(), 40);
    dialog.fixed->setValue(9);
    EXPECT_EQ(model.Fixed(), 9);
    // The choice inside the box and those outside it still exclude each other.
    dialog.choices[2]->click();
    EXPECT_FALSE(dialog.choices[6]->isChecked());
    EXPECT_EQ(model.Type(), MagnifyType::Times4);
    EXPECT_FALSE(dialog.fixed->isEnabled());
}

TEST(ToolDialogsTest, ShapeStyleDialogsShowTheirFamilysChoices) {
    ShapeStyleModel squares(ShapeStyleModel::Family::Squares);
    ShapeStyleDialog squareDialog(squares);
    EXPECT_EQ(squareDialog.windowTitle(), "Square Tools");
    EXPECT_EQ(squareDialog.choices[0]->text(), "Square only");
    EXPECT_EQ(squareDialog.choices[1]->text(), "Rectangle");
    EXPECT_TRUE(squareDialog.choices[1]->isChecked());
    squareDialog.choices[0]->click();
    EXPECT_EQ(squares.Style(), 0);

    ShapeStyleModel circles(ShapeStyleModel::Family::Circles);
    ShapeStyleDialog circleDialog(circles);
    EXPECT_EQ(circleDialog.windowTitle(), "Circle Tools");
    EXPECT_EQ(circleDialog.choices[0]->text(), "Circle only");
    EXPECT_EQ(circleDialog.choices[1]->text(), "Elipse");
    EXPECT_TRUE(circleDialog.choices[0]->isChecked());
    circleDialog.choices[1]->click();
    EXPECT_EQ(circles.Style(), 1);
}

TEST(ToolDialogsTest, SprayOptionsEditDiameterAndDensity) {
    SprayOptionsModel model;
    model.SetSize(12);
    SprayOptionsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Spray Paint Options");
    EXPECT_TRUE(ShowsText(dialog, "Diameter"));
    EXPECT_TRUE(ShowsText(dialog, "Density"));
    EXPECT_EQ(dialog.diameter->value(), 12);
    EXPECT_EQ(dialog.density->value(), 100);
    for (QSpinBox* spin : {dialog.diameter, dialog.density}) {
        EXPECT_EQ(spin->minimum(), 1);
        EXPECT_EQ(spin->maximum(), 999);
    }
    dialog.diameter->setValue(80);
    dialog.density->setValue(3);
    EXPECT_EQ(model.Size(), 80);
    EXPECT_EQ(model.Density(), 3);
}

TEST(ToolDialogsTest, RedEyeSettingsShowTheirExplanationsAndEditBothPercentages) {
    RedEyeOptionsModel model;
    model.SetRange(70);
    RedEyeOptionsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Red Eye Elimination Settings");
    EXPECT_TRUE(ShowsText(dialog, "Saturation Level:"));
    EXPECT_TRUE(ShowsText(dialog, "Colour Range:"));
    EXPECT_TRUE(ShowsText(dialog, "Percentage that red is allowed to dominate the other colours before it is "
                                  "reduced. 50% is normal."));
    EXPECT_TRUE(ShowsText(dialog, "Red band width. High values cause pixels with more cyan and yellow to be "
                                  "reduced. 50% is normal."));
    EXPECT_EQ(dialog.saturation->value(), 50);
    EXPECT_EQ(dialog.range->value(), 70);
    EXPECT_EQ(dialog.range->maximum(), 100);
    dialog.saturation->setValue(20);
    EXPECT_EQ(model.Saturation(), 20);
}

TEST(ToolDialogsTest, FxBrushSelectionEnablesTheTransparencyControlsForTheTintOnly) {
    ToolPreferences preferences;
    FxBrushModel model;
    model.Load(preferences);
    FxBrushDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "FX Brush Selection");
    EXPECT_TRUE(dialog.smooth->isChecked());
    EXPECT_TRUE(dialog.allBrush->isChecked());
    EXPECT_FALSE(dialog.opacity->isEnabled());
    EXPECT_TRUE(ShowsText(dialog, "50% opaque"));
    dialog.tint->setChecked(true);
    EXPECT_TRUE(dialog.opacity->isEnabled());
    EXPECT_TRUE(dialog.directions[4]->isEnabled());
    dialog.opacity->setValue(80);
    EXPECT_EQ(dialog.opacityText->text(), "80% opaque");
    dialog.directions[2]->setChecked(true);
    dialog.from->setValue(30);
    dialog.to->setValue(90);
    model.Store(preferences);
    EXPECT_EQ(preferences.fxType, 1);
    EXPECT_EQ(preferences.fxOpacity, 80);
    EXPECT_EQ(preferences.fxTransparencyMode, 0);
    EXPECT_EQ(preferences.fxControlledType, 2);
    EXPECT_EQ(preferences.fxFrom, 30);
    EXPECT_EQ(preferences.fxTo, 90);
    dialog.allBrush->setChecked(true);
    EXPECT_TRUE(model.AllBrush());
}

TEST(ToolDialogsTest, TheTextDialogListsTheFontsSizesAndStylesAndShowsTheSampleInThem) {
    QtTextRasteriser fonts;
    TextModel model(fonts.Families());
    ASSERT_FALSE(model.Families().empty());
    TextDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Text");
    EXPECT_EQ(dialog.families->count(), int(model.Families().size()));
    EXPECT_EQ(dialog.sizes->count(), 72 - 8 + 1);
    EXPECT_EQ(dialog.sizes->currentText(), "20");
    EXPECT_EQ(dialog.sample->text(), "AaBbCcDdEeFfGg");
    EXPECT_EQ(dialog.antiAlias->text(), "&Anti-alias");
    dialog.text->setText("Quillor");
    dialog.sizes->setCurrentIndex(40);
    dialog.bold->setChecked(true);
    EXPECT_EQ(model.Text(), "Quillor");
    EXPECT_EQ(model.PixelSize(), 48);
    EXPECT_TRUE(model.bold);
    EXPECT_EQ(dialog.sample->font().pixelSize(), 48);
    EXPECT_TRUE(dialog.sample->font().bold());
}

TEST(ToolDialogsTest, QtDrawsTextInTheInkOnThePaperAndMeasuresIt) {
    QtTextRasteriser fonts;
    TextStyle style;
    style.family = fonts.Families().front();
    style.pixelSize = 30;
    style.antiAlias = false;
    const DrawnText drawn = fonts.Draw("MW", style, MakeColour(255, 0, 0), MakeColour(0, 0, 255), 200, 144);
    ASSERT_EQ(drawn.pixels.size(), 200u * 144u);
    EXPECT_GT(drawn.measuredWidth, 10);
    EXPECT_GE(drawn.measuredHeight, 30);
    int ink = 0, other = 0;
    for (ColourRef c : drawn.pixels) {
        if (c == MakeColour(255, 0, 0)) ++ink;
        else if (c != MakeColour(0, 0, 255)) ++other;
    }
    EXPECT_GT(ink, 50);
    EXPECT_EQ(other, 0);  // without anti-aliasing only the two colours
}

TEST(ToolDialogsTest, SymmetryOptionsCentreClosesTheDialogAsOkDoes) {
    SymmetryOptionsModel model;
    SymmetryOptionsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Symmetry Options");
    EXPECT_EQ(dialog.styles[0]->text(), "Cyclic");
    EXPECT_EQ(dialog.styles[1]->text(), "Mirrored Cyclic");
    EXPECT_EQ(dialog.styles[2]->text(), "Tile");
    EXPECT_TRUE(dialog.styles[1]->isChecked());
    for (const char* label : {"Points:", "Width:", "Height:"}) EXPECT_TRUE(ShowsText(dialog, label)) << label;
    EXPECT_EQ(dialog.centre->text(), "Centre");
    EXPECT_EQ(dialog.points->value(), 6);
    EXPECT_EQ(dialog.width->value(), 320);
    EXPECT_EQ(dialog.height->value(), 200);

    dialog.styles[2]->click();
    dialog.points->setValue(8);
    dialog.width->setValue(64);
    dialog.height->setValue(48);
    EXPECT_EQ(model.Style(), SymmetryStyle::Tile);
    EXPECT_EQ(model.Points(), 8);
    EXPECT_EQ(model.Width(), 64);
    EXPECT_EQ(model.Height(), 48);

    dialog.show();
    EXPECT_FALSE(model.CentreRequested());
    dialog.centre->click();
    EXPECT_TRUE(model.CentreRequested());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ToolDialogsTest, TheInteractionShowsEveryToolDialog) {
    QtInteraction ui;
    RegisterToolDialogs(ui);
    MagnifyOptionsModel magnify;
    ShapeStyleModel shapes(ShapeStyleModel::Family::Circles);
    SprayOptionsModel spray;
    SymmetryOptionsModel symmetry;
    EXPECT_TRUE(ui.CanShow(magnify));
    EXPECT_TRUE(ui.CanShow(shapes));
    EXPECT_TRUE(ui.CanShow(spray));
    EXPECT_TRUE(ui.CanShow(symmetry));

    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<SymmetryOptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->centre->click();
    });
    EXPECT_TRUE(ui.RunDialog(symmetry));
    EXPECT_TRUE(symmetry.CentreRequested());

    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<ShapeStyleDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Circle Tools");
        dialog->reject();
    });
    EXPECT_FALSE(ui.RunDialog(shapes));
}

TEST(ToolDialogsTest, AnimatedBrushSettingsSpinsWithinTheDocumentsFramesAndTakesTheControl) {
    AnimatedBrushModel model(4);
    model.SetFrames(3);
    model.SetControl(1);
    AnimatedBrushDialog dialog(model);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Animated Brush Settings");
    EXPECT_TRUE(ShowsText(dialog, "Animated brush frame depth:"));
    EXPECT_EQ(dialog.frames->value(), 3);
    EXPECT_EQ(dialog.frames->maximum(), 4);
    EXPECT_EQ(dialog.frames->minimum(), 1);
    EXPECT_TRUE(dialog.controls[1]->isChecked());
    dialog.frames->setValue(2);
    EXPECT_EQ(model.Frames(), 2);
    dialog.controls[2]->click();
    EXPECT_EQ(model.Control(), 2);
    EXPECT_EQ(dialog.controls[2]->text(), "Manual image number control");
}

}  // namespace
}  // namespace quillor
