// Painting on the real edit view with the mouse: presses, drags and releases through Qt,
// checked on the frame's pixels.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ui/resources.h"
#include "document/anim_doc.h"
#include "support/fake_document_environment.h"
#include "support/test_images.h"
#include "tools/tool_context.h"
#include "tools/tool_ids.h"
#include "view/ui/bitmap_edit_view.h"
#include "brush/paint_brush.h"
#include "document/undo_store.h"

namespace quillor {
namespace {

class Painting : public ::testing::Test {
protected:
    void SetUp() override {
        InitQuillorResources();
        AnimFrame* frame = doc.AddFrames(1);
        frame->image->CreateBlank(8, 60, 40);
        frame->colourMode = ColourMode::Colours256;
        frame->TakeSizeFromImage();
        tools.ui = &env.ui;
        view = std::make_unique<CBitmapEditView>(doc, tools);
        view->SetToolDispatch(&tools);
        view->resize(300, 200);
        view->show();
        view->setFocus();
        QApplication::setActiveWindow(view.get());
        QApplication::processEvents();
        // The pointer has to pass over the view once before a press paints.
        QTest::mouseMove(view->viewport(), At({1, 1}));
        QApplication::processEvents();
    }
    void TearDown() override { view.reset(); }

    // The window position of picture pixel `p`'s middle (zoom 1, the picture centred).
    QPoint At(IntPoint p) const {
        const QPoint origin = view->Origin();
        return QPoint(origin.x() + p.x, origin.y() + p.y);
    }
    void Drag(Qt::MouseButton button, std::initializer_list<IntPoint> points) {
        auto it = points.begin();
        QTest::mousePress(view->viewport(), button, Qt::NoModifier, At(*it));
        for (++it; it != points.end(); ++it) {
            QMouseEvent move(QEvent::MouseMove, QPointF(At(*it)), view->viewport()->mapToGlobal(QPointF(At(*it))),
                             Qt::NoButton, button, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &move);
        }
        QTest::mouseRelease(view->viewport(), button, Qt::NoModifier, At(*(points.end() - 1)));
        QApplication::processEvents();
    }
    std::uint8_t Index(int x, int y) { return doc.FindFrame(0)->image->Line(y)[x]; }
    // The colour the view shows at a window point, as drawn now.
    QColor Shown(QPoint at) {
        view->viewport()->repaint();
        return view->viewport()->grab().toImage().pixelColor(at);
    }

    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};
    ToolContext tools;
    std::unique_ptr<CBitmapEditView> view;
};

TEST_F(Painting, AStrokeFilledSquareFillUndoAndRedo) {
    ASSERT_EQ(view->Zoom(), 1.0);
    doc.SetForeground(4);
    doc.SetBackground(9);
    tools.RebuildBrush();

    Drag(Qt::LeftButton, {{5, 5}, {10, 5}, {10, 9}});  // a stroke along two sides
    EXPECT_EQ(Index(5, 5), 4);
    EXPECT_EQ(Index(9, 5), 4);
    EXPECT_EQ(Index(10, 8), 4);
    EXPECT_EQ(Index(20, 20), 0);

    tools.SelectTool(tool_id::kFilledSquare);
    Drag(Qt::RightButton, {{20, 20}, {25, 24}});  // the right button paints the background
    EXPECT_EQ(Index(20, 20), 9);
    EXPECT_EQ(Index(25, 24), 9);
    EXPECT_EQ(Index(26, 24), 0);

    tools.SelectTool(tool_id::kFill);
    Drag(Qt::LeftButton, {{40, 30}});
    EXPECT_EQ(Index(59, 39), 4);
    EXPECT_EQ(Index(22, 22), 9);  // the square's own colour stops the fill

    ASSERT_TRUE(doc.Undo().Undo(doc));
    EXPECT_EQ(Index(59, 39), 0);
    EXPECT_EQ(Index(22, 22), 9);
    ASSERT_TRUE(doc.Undo().Redo(doc));
    EXPECT_EQ(Index(59, 39), 4);
    EXPECT_TRUE(doc.changed);
}

TEST_F(Painting, ARectangleGrabbedWithTheMouseStampsWhereThePaintToolClicks) {
    doc.SetBackground(0);
    doc.FindFrame(0)->image->Line(5)[5] = 7;
    doc.FindFrame(0)->image->Line(5)[6] = 8;
    tools.SelectTool(tool_id::kGrab);
    QTest::mouseMove(view->viewport(), At({4, 4}));  // the pointer comes to the picture first
    Drag(Qt::LeftButton, {{4, 4}, {6, 5}, {7, 6}});  // 4 x 3 from (4, 4); handle (3, 2)
    EXPECT_EQ(tools.CurrentToolId(), tool_id::kPaint);
    EXPECT_EQ(tools.brush.kind, BrushKind::Grabbed);
    EXPECT_EQ(Index(4, 4), 0);  // grabbing leaves the picture as it was

    Drag(Qt::LeftButton, {{30, 20}});  // the brush's top left lands on (29, 19)
    EXPECT_EQ(Index(30, 20), 7);
    EXPECT_EQ(Index(31, 20), 8);
    EXPECT_EQ(Index(29, 19), 0);  // the background's pixels are transparent
    EXPECT_EQ(Index(5, 5), 7);
}

TEST_F(Painting, TheStencilKeepsItsColoursAndTheFxBrushTintsUnderTheMouse) {
    // A band of index 6 the stencil protects, across the stroke's path.
    for (int x = 0; x < 40; ++x) doc.FindFrame(0)->image->Line(12)[x] = 6;
    doc.stencil.Set(6, true);
    tools.stencilOn = true;
    doc.SetForeground(4);
    tools.RebuildBrush();
    Drag(Qt::LeftButton, {{8, 10}, {8, 15}});
    EXPECT_EQ(Index(8, 11), 4);
    EXPECT_EQ(Index(8, 12), 6);  // protected
    EXPECT_EQ(Index(8, 13), 4);
    tools.stencilOn = false;

    // The FX brush's tint at 100 percent paints the brush's colour itself, once per pixel.
    doc.FindFrame(0)->image->SetColour(4, MakeColour(0, 0, 170));
    tools.fxBrushOn = true;
    tools.settings.fxType = 1;
    tools.settings.fxOpacity = 100;
    Drag(Qt::LeftButton, {{20, 10}, {24, 10}});
    EXPECT_EQ(Index(21, 10), 4);
    EXPECT_EQ(Index(25, 10), 0);
}

TEST_F(Painting, TheStatusReadsThePictureUnderTheBrushPreview) {
    doc.FindFrame(0)->image->Line(20)[30] = 7;  // the pixel the pointer will rest on
    doc.SetForeground(1);
    tools.brush.ChooseShape(1039, tools.Target(), env.ui);  // a 3 x 3 brush
    QString status;
    QObject::connect(view.get(), &CBitmapEditView::statusTextChanged,
                     [&status](const QString& text) { status = text; });
    QMouseEvent move(QEvent::MouseMove, QPointF(At({30, 20})),
                     view->viewport()->mapToGlobal(QPointF(At({30, 20}))), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    EXPECT_EQ(Shown(At({30, 20})), QColor(Qt::black)) << "the preview should show over the pixel";
    EXPECT_EQ(Index(30, 20), 7);
    EXPECT_NE(status.indexOf("Colour: #7 ("), -1) << status.toStdString();
}

TEST_F(Painting, KeyCMakesThePickedColourTheBrushsThroughTheDocument) {
    doc.FindFrame(0)->image->Line(20)[30] = 7;
    QTest::mouseMove(view->viewport(), At({30, 20}));
    QApplication::processEvents();
    QTest::keyClick(view.get(), Qt::Key_C);
    EXPECT_EQ(doc.Foreground(), 7);
    // The brush was made again in the new colour: a dab paints it.
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, At({12, 12}));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, At({12, 12}));
    EXPECT_EQ(Index(12, 12), 7);
}

TEST_F(Painting, ThePreviewFollowsThePointerOverThePictureNeverInIt) {
    doc.SetForeground(2);
    tools.RebuildBrush();
    const QColor picture = Shown(At({30, 20}));
    const QColor brush = QColor::fromRgb(doc.FindFrame(0)->image->GetColour(2) & 0xFF,
                                         doc.FindFrame(0)->image->GetColour(2) >> 8 & 0xFF,
                                         doc.FindFrame(0)->image->GetColour(2) >> 16 & 0xFF);
    QTest::mouseMove(view->viewport(), At({30, 20}));
    QApplication::processEvents();
    EXPECT_EQ(Shown(At({30, 20})), brush);  // the single-pixel preview under the pointer
    EXPECT_EQ(Index(30, 20), 0);
    QTest::mouseMove(view->viewport(), At({31, 20}));
    QApplication::processEvents();
    EXPECT_EQ(Shown(At({30, 20})), picture);
    EXPECT_EQ(Shown(At({31, 20})), brush);
    tools.HidePreview();
    EXPECT_EQ(Shown(At({31, 20})), picture);
    for (int x = 28; x < 34; ++x) EXPECT_EQ(Index(x, 20), 0) << x;
}

}  // namespace
}  // namespace quillor
