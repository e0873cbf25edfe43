// The palette windows on the real widgets: clicks in their grids, the hue strip and the
// window's own undo, checked on the document.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "document/anim_doc.h"
#include "palette/palette_table.h"
#include "palette/ui/colour_stencil_window.h"
#include "palette/ui/palette_edit_window.h"
#include "palette/ui/small_palette_window.h"
#include "support/fake_document_environment.h"

namespace quillor {
namespace {

class PaletteWindows : public ::testing::Test {
protected:
    void SetUp() override {
        AnimFrame* frame = doc.AddFrames(1);
        frame->image->CreateBlank(8, 20, 10);
        frame->colourMode = ColourMode::Colours256;
        frame->TakeSizeFromImage();
    }
    // The middle of a grid cell, in the window's coordinates.
    static QPoint Middle(const IntRect& cell) {
        return QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    }
    ColourRef Entry(int index) { return PaletteTable(doc).Get(index); }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
};

TEST_F(PaletteWindows, TheEditWindowChoosesColoursAndUndoesAHueStripEdit) {
    PaletteEditWindow window([this] { return &doc; }, env.ui);
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(11 + 22 * 2 + 3, 118 + 13 * 5 + 3));
    EXPECT_EQ(doc.Foreground(), 37);
    EXPECT_EQ(window.Model().Selected(), 37);
    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, Middle(PaletteEditModel::CellOf(9)));
    EXPECT_EQ(doc.Background(), 9);
    EXPECT_EQ(window.Model().Selected(), 9);

    const ColourRef before = Entry(9);
    // Hue 120 at full saturation and value: pure green.
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(10 + 120, 96));
    EXPECT_EQ(Entry(9), MakeColour(0, 255, 0));
    EXPECT_EQ(window.sliders[1]->value(), 255);  // the sliders show the new colour
    window.undo->click();
    EXPECT_EQ(Entry(9), before);

    // An edit of the sliders goes straight into the entry.
    window.sliders[0]->setValue(200);
    EXPECT_EQ(RedOf(Entry(9)), 200);
}

TEST_F(PaletteWindows, TheSmallPaletteSetsBothColoursAndShowsThem) {
    CSmallPaletteDlg window([this] { return &doc; });
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, Middle(SmallPaletteModel::CellOf(5)));
    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, Middle(SmallPaletteModel::CellOf(17)));
    EXPECT_EQ(doc.Foreground(), 5);
    EXPECT_EQ(doc.Background(), 17);
    EXPECT_EQ(window.fore->text(), "Fore: 5");
    EXPECT_EQ(window.back->text(), "Back: 17");

    // A 16-colour picture offers its 16 entries only.
    doc.FindFrame(0)->colourMode = ColourMode::Colours16;
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, Middle(SmallPaletteModel::CellOf(20)));
    EXPECT_EQ(doc.Foreground(), 5);
}

TEST_F(PaletteWindows, TheStencilWindowMarksEntriesByDraggingAndLetsGoOfATrueColourPicture) {
    std::vector<CAnimDoc*> told;
    ColourStencilWindow window([this] { return &doc; }, [&told](CAnimDoc* d) { told.push_back(d); });
    window.Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(told, (std::vector<CAnimDoc*>{&doc}));  // the picture now chooses

    // A left drag down the first column protects every entry it crosses.
    const QPoint from = Middle(ColourStencilModel::SwatchOf(2)), to = Middle(ColourStencilModel::SwatchOf(5));
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), window.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_TRUE(doc.stencil.Protects(2));
    EXPECT_TRUE(doc.stencil.Protects(5));
    EXPECT_EQ(window.hover->text(), "Colour: 5");
    // Shown as a black marker framed in white.
    const QImage shown = window.grab().toImage();
    const IntRect marker = ColourStencilModel::MarkerOf(5);
    EXPECT_EQ(shown.pixel(marker.left + 2, marker.top + 5), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(marker.left, marker.top + 5), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(ColourStencilModel::MarkerOf(6).left + 2, marker.top + 18), qRgb(255, 255, 255));

    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, to);
    EXPECT_FALSE(doc.stencil.Protects(5));
    window.invert->click();
    EXPECT_FALSE(doc.stencil.Protects(2));
    EXPECT_TRUE(doc.stencil.Protects(5));
    window.clear->click();
    EXPECT_FALSE(doc.stencil.Protects(5));

    // An undo that makes the picture true colour closes the window, and nothing chooses.
    doc.FindFrame(0)->image->CreateBlank(24, 20, 10);
    doc.FindFrame(0)->colourMode = ColourMode::TrueColour;
    window.Refresh();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(told.back(), nullptr);
}

}  // namespace
}  // namespace quillor
