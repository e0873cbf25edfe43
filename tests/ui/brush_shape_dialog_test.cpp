// The "Paint Brush Shape" dialog: one button per choice, a press chooses and closes.

#include <gtest/gtest.h>
#include <QPushButton>
#include <QToolButton>

#include "brush/brush_shape_model.h"
#include "brush/paint_brush.h"
#include "brush/ui/brush_dialogs.h"
#include "brush/ui/brush_shape_dialog.h"

namespace quillor {
namespace {

QToolButton* ButtonLabelled(const BrushShapeDialog& dialog, const QString& label, int nth = 0) {
    for (QToolButton* button : dialog.buttons)
        if (button->text() == label && nth-- == 0) return button;
    return nullptr;
}

TEST(BrushShapeDialogTest, ShowsEveryChoiceWithItsPictureAndMarksTheCurrentOne) {
    BrushShapeModel model(1037);
    BrushShapeDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Paint Brush Shape");
    ASSERT_EQ(dialog.buttons.size(), BrushShapeModel::Choices().size());
    for (const char* label :
         {"Diam 3", "Diam 31", "2 x 2", "17 x 17", "Single Pixel", "Restore Previous"})
        EXPECT_NE(ButtonLabelled(dialog, label), nullptr) << label;
    ASSERT_NE(ButtonLabelled(dialog, "Custom", 1), nullptr);
    EXPECT_TRUE(ButtonLabelled(dialog, "Diam 31")->isChecked());
    EXPECT_FALSE(ButtonLabelled(dialog, "Diam 25")->isChecked());
    EXPECT_FALSE(ButtonLabelled(dialog, "Diam 3")->icon().isNull());
    EXPECT_FALSE(ButtonLabelled(dialog, "Custom", 1)->icon().isNull());
}

TEST(BrushShapeDialogTest, APressChoosesAndCancelKeepsTheChoice) {
    {
        BrushShapeModel model(1037);
        BrushShapeDialog dialog(model);
        ButtonLabelled(dialog, "Custom", 1)->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(model.Chosen(), kCustomSquareShape);
    }
    {
        BrushShapeModel model(1037);
        BrushShapeDialog dialog(model);
        dialog.cancel->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(model.Chosen(), 1037);
    }
    QtInteraction ui;
    RegisterBrushDialogs(ui);
    EXPECT_TRUE(ui.CanShow(BrushShapeModel(1300)));
}

}  // namespace
}  // namespace quillor
