// The edit view as the user meets it: what it draws, how keys, wheel and pointer move and
// zoom the picture, what the status bar says and where pointer input goes.

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ui/resources.h"
#include "document/anim_doc.h"
#include "document/playback.h"
#include "support/fake_document_environment.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/test_images.h"
#include "tools/tool_context.h"
#include "view/ui/bitmap_edit_view.h"
#include "view/ui/dib_qimage.h"
#include "tools/ui/tool_cursors.h"

namespace quillor {
namespace {

using testing::MakeGradient24;
using testing::MakePattern8;
using testing::ShownColour;

using TestEnvironment = testing::FakeDocumentEnvironment;

// Writes down every call the view makes, picture coordinates and all.
class RecordingDispatch final : public ToolDispatch {
public:
    std::vector<std::string> calls;
    int ticks = 0;
    void Press(unsigned flags, IntPoint p) override { Add("press", int(flags), p); }
    void Release(unsigned flags, IntPoint p) override { Add("release", int(flags), p); }
    void Move(CapturedButton button, IntPoint p) override { Add("move", int(button), p); }
    void TimerTick(IntPoint) override { ++ticks; }
    CursorShape Cursor() const override { return cursor; }
    void Clear() { calls.clear(); }
    CursorShape cursor = CursorShape::Paint;

private:
    void Add(const char* what, int value, IntPoint p) {
        calls.push_back(std::string(what) + " " + std::to_string(value) + " (" +
                        std::to_string(p.x) + "," + std::to_string(p.y) + ")");
    }
};

class EditViewTest : public ::testing::Test {
protected:
    void SetUp() override { InitQuillorResources(); }

    // A one-frame document holding `picture`, shown in a view whose client area is
    // `width` x `height` window pixels.
    CBitmapEditView& Open(COXDIB&& picture, int width = 100, int height = 60) {
        AnimFrame* frame = document.AddFrames(1);
        *frame->image = std::move(picture);
        frame->colourMode =
            frame->image->GetBitCount() == 8 ? ColourMode::Colours256 : ColourMode::TrueColour;
        frame->name = "picture.bmp";
        frame->TakeSizeFromImage();
        document.path = "picture.bmp";
        view = std::make_unique<CBitmapEditView>(document, tools);
        QObject::connect(view.get(), &CBitmapEditView::statusTextChanged,
                         [this](const QString& text) { statuses.push_back(text); });
        view->SetToolDispatch(&dispatch);
        view->move(40, 30);
        view->resize(width, height);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return *view;
    }

    const COXDIB& Picture() { return *document.FindFrame(0)->image; }
    QImage Shown() { return view->viewport()->grab().toImage(); }
    // The colour shown at window pixel (x, y), as a table word.
    TableWord ShownAt(const QImage& shown, int x, int y) { return shown.pixel(x, y) & 0xFFFFFFu; }

    QPoint Global(int x, int y) { return view->viewport()->mapToGlobal(QPoint(x, y)); }
    void PointerAt(int x, int y) {
        QCursor::setPos(Global(x, y));
        QCoreApplication::processEvents();
    }
    void PointerAway() {
        QCursor::setPos(view->mapToGlobal(QPoint(-30, -20)));
        QCoreApplication::processEvents();
    }
    void Focus() {
        view->activateWindow();
        view->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        QCoreApplication::processEvents();
        ASSERT_TRUE(view->hasFocus());
    }
    void Mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(x, y), QPointF(Global(x, y)), button, held, modifiers);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Move(int x, int y, Qt::MouseButtons held = Qt::NoButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Mouse(QEvent::MouseMove, x, y, Qt::NoButton, held, modifiers);
    }
    void Wheel(int x, int y, int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(x, y), QPointF(Global(x, y)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view.get(), key, modifiers);
    }
    QString LastStatus() const { return statuses.empty() ? QString() : statuses.back(); }

    TestEnvironment environment;
    CAnimDoc document{environment};
    ToolContext tools;
    RecordingDispatch dispatch;
    std::unique_ptr<CBitmapEditView> view;
    std::vector<QString> statuses;
};

COXDIB Gradient(int width, int height) {
    COXDIB image;
    MakeGradient24(image, width, height);
    return image;
}

COXDIB Pattern(int width, int height) {
    COXDIB image;
    MakePattern8(image, width, height);
    return image;
}

// --- Drawing ---------------------------------------------------------------------------------

TEST_F(EditViewTest, ASmallPictureIsCentredInHatching) {
    Open(Gradient(20, 10));
    ASSERT_EQ(view->viewport()->size(), QSize(100, 60));
    EXPECT_EQ(view->Origin(), QPoint(40, 25));
    const QImage shown = Shown();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(ShownAt(shown, 40 + x, 25 + y), ShownColour(Picture(), x, y));
    // Black "/" lines every 8 pixels on white, all around.
    for (QPoint p : {QPoint(0, 0), QPoint(39, 25), QPoint(60, 0), QPoint(50, 35), QPoint(99, 59)}) {
        const bool ink = (p.x() + p.y()) % 8 == 7;
        EXPECT_EQ(ShownAt(shown, p.x(), p.y()), ink ? 0x000000u : 0xFFFFFFu)
            << p.x() << "," << p.y();
    }
    EXPECT_EQ(ShownAt(shown, 7, 0), 0x000000u);
    EXPECT_EQ(ShownAt(shown, 6, 1), 0x000000u);
}

TEST_F(EditViewTest, ZoomTwoShowsEveryPixelAsATwoByTwoBlock) {
    Open(Pattern(20, 10));
    tools.settings.magnifyType = int(MagnifyType::Times2);
    PointerAway();
    view->ZoomIn();
    EXPECT_EQ(view->Zoom(), 2.0);
    EXPECT_EQ(view->Origin(), QPoint(30, 20));
    const QImage shown = Shown();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(ShownAt(shown, 30 + x, 20 + y), ShownColour(Picture(), x / 2, y / 2))
                << x << "," << y;
    EXPECT_EQ(ShownAt(shown, 29, 20), (29 + 20) % 8 == 7 ? 0u : 0xFFFFFFu);
}

TEST_F(EditViewTest, ALargePictureFillsTheViewAndScrollsWithItsBars) {
    Open(Gradient(400, 300), 120, 90);
    const QSize client = view->viewport()->size();
    EXPECT_LT(client.width(), 120);  // room for the bars
    EXPECT_EQ(view->Origin(), QPoint(0, 0));
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 400 - client.width());
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 300 - client.height());

    view->horizontalScrollBar()->setValue(37);
    view->verticalScrollBar()->setValue(5);
    EXPECT_EQ(view->Origin(), QPoint(-37, -5));
    const QImage shown = Shown();
    EXPECT_EQ(ShownAt(shown, 0, 0), ShownColour(Picture(), 37, 5));
    EXPECT_EQ(ShownAt(shown, client.width() - 1, client.height() - 1),
              ShownColour(Picture(), 37 + client.width() - 1, 5 + client.height() - 1));

    // Without Ctrl the wheel scrolls.
    Wheel(10, 10, -120, Qt::NoModifier);
    EXPECT_LT(view->Origin().y(), -5);
    EXPECT_EQ(view->verticalScrollBar()->value(), -view->Origin().y());
}

// --- Keys ------------------------------------------------------------------------------------

TEST_F(EditViewTest, ArrowsMoveTheOriginByEightPicturePixelsWithinBounds) {
    Open(Gradient(400, 300), 120, 90);
    PointerAway();
    Key(Qt::Key_Right);
    EXPECT_EQ(view->Origin(), QPoint(-8, 0));
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(view->Origin(), QPoint(-8, -16));
    EXPECT_EQ(view->horizontalScrollBar()->value(), 8);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(view->Origin(), QPoint(0, -16));  // never beyond the picture's edge

    tools.settings.magnifyType = int(MagnifyType::Times3);
    view->ZoomIn();
    const QPoint before = view->Origin();
    Key(Qt::Key_Left);
    EXPECT_EQ(view->Origin(), before + QPoint(24, 0));
}

TEST_F(EditViewTest, ZoomKeysFollowTheMagnifyTypeAndEnterUnzooms) {
    Open(Gradient(200, 150));
    tools.settings.magnifyType = int(MagnifyType::Times2);
    PointerAway();
    Key(Qt::Key_X);
    EXPECT_EQ(view->Zoom(), 2.0);
    Key(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(view->Zoom(), 4.0);
    Key(Qt::Key_Plus);  // only the keypad's plus zooms
    EXPECT_EQ(view->Zoom(), 4.0);
    Key(Qt::Key_Z);
    EXPECT_EQ(view->Zoom(), 2.0);
    Key(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(view->Zoom(), 1.0);
    Key(Qt::Key_Z);
    EXPECT_EQ(view->Zoom(), 0.5);

    tools.settings.magnifyType = int(MagnifyType::Variable);
    Key(Qt::Key_X);
    EXPECT_DOUBLE_EQ(view->Zoom(), 0.5125);
    Key(Qt::Key_Return);
    EXPECT_EQ(view->Zoom(), 1.0);
    tools.settings.magnifyType = int(MagnifyType::Fixed);
    tools.settings.magnifyFixed = 50;
    Key(Qt::Key_X);
    EXPECT_EQ(view->Zoom(), 40.0);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(view->Zoom(), 1.0);
}

TEST_F(EditViewTest, UnzoomKeepsTinyPicturesAtSixteenPixels) {
    Open(Gradient(10, 20));
    PointerAway();
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.6);
    view->ClampFrame();
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.6);
}

TEST_F(EditViewTest, ZoomingPutsThePointUnderThePointerInTheMiddle) {
    Open(Gradient(400, 300), 200, 150);
    tools.settings.magnifyType = int(MagnifyType::Times4);
    const QSize client = view->viewport()->size();
    PointerAt(50, 30);  // picture (50, 30) at zoom 1, origin 0
    view->ZoomIn();
    ASSERT_EQ(view->Zoom(), 4.0);
    const QPoint middle(client.width() / 2, client.height() / 2);
    EXPECT_EQ(view->viewport()->mapFromGlobal(QCursor::pos()), middle);
    EXPECT_EQ(view->Origin(), QPoint(-(50 * 4 - middle.x()), -(30 * 4 - middle.y())));
    // The picture pixel in the middle is the one that was under the pointer.
    EXPECT_EQ(ShownAt(Shown(), middle.x(), middle.y()), ShownColour(Picture(), 50, 30));
}

TEST_F(EditViewTest, CtrlWheelZoomsAtThePointer) {
    Open(Gradient(400, 300), 200, 150);
    tools.settings.magnifyType = int(MagnifyType::Times2);
    Wheel(150, 100, 120, Qt::ControlModifier);
    EXPECT_EQ(view->Zoom(), 2.0);
    const QSize client = view->viewport()->size();
    EXPECT_EQ(ShownAt(Shown(), client.width() / 2, client.height() / 2),
              ShownColour(Picture(), 150, 100));
    // Half notches add up.
    Wheel(0, 0, -60, Qt::ControlModifier);
    EXPECT_EQ(view->Zoom(), 2.0);
    Wheel(0, 0, -60, Qt::ControlModifier);
    EXPECT_EQ(view->Zoom(), 1.0);
}

TEST_F(EditViewTest, KeyCPicksTheColourUnderThePointer) {
    Open(Pattern(20, 10));
    PointerAt(40 + 3, 25 + 2);
    Key(Qt::Key_C);
    EXPECT_EQ(document.Foreground(), Picture().Line(2)[3]);
    view.reset();

    // The same document, its frame now true colour.
    document.FindFrame(0)->image->CreateBlank(24, 20, 10);
    std::uint8_t* pixel = document.FindFrame(0)->image->Line(4) + 5 * 3;
    pixel[0] = 11, pixel[1] = 22, pixel[2] = 33;
    view = std::make_unique<CBitmapEditView>(document, tools);
    view->move(40, 30);
    view->resize(100, 60);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    PointerAt(40 + 5, 25 + 4);
    Key(Qt::Key_C);
    EXPECT_EQ(document.Foreground(), 255);
    EXPECT_EQ(document.TableColour(255), MakeColour(33, 22, 11));
}

// --- Status text -----------------------------------------------------------------------------

TEST_F(EditViewTest, StatusTextForAPalettePicture) {
    Open(Pattern(20, 10));
    Move(40 + 3, 25 + 2);
    const TableWord entry = Picture().GetTableWord(Picture().Line(2)[3]);
    EXPECT_EQ(LastStatus(),
              QString("Size: (20 x 10)    Coordinates: (4 x 3)    Colour: #%1 (R:%2 G:%3 B:%4)"
                      "    Magnify: (100%)")
                  .arg(Picture().Line(2)[3])
                  .arg(entry >> 16)
                  .arg((entry >> 8) & 0xFF)
                  .arg(entry & 0xFF));
    // Right of the picture the x text counts past its edge, the colour stays.
    Move(40 + 24, 25 + 2);
    EXPECT_TRUE(LastStatus().startsWith("Size: (20 x 10)    Coordinates: (+5 x 3)    Colour: #"))
        << LastStatus().toStdString();
}

TEST_F(EditViewTest, StatusTextForATrueColourPictureAndLeaving) {
    COXDIB picture = Gradient(20, 10);
    Open(std::move(picture));
    Move(40 + 19, 25);
    const TableWord shown = ShownColour(Picture(), 19, 0);
    EXPECT_EQ(LastStatus(),
              QString("Size: (20 x 10)    Coordinates: (20 x 1)    Colour: R:%1 G:%2 B:%3"
                      "    Magnify: (100%)")
                  .arg(shown >> 16)
                  .arg((shown >> 8) & 0xFF)
                  .arg(shown & 0xFF));

    PointerAway();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view->viewport(), &leave);
    EXPECT_EQ(LastStatus(), "Ready");
    const std::size_t said = statuses.size();
    QApplication::sendEvent(view->viewport(), &leave);
    EXPECT_EQ(statuses.size(), said);  // once, until the pointer comes back
    // Back over the view the text returns, and a later leave says "Ready" again.
    Move(45, 30);
    EXPECT_TRUE(LastStatus().startsWith("Size: (20 x 10)"));
    QApplication::sendEvent(view->viewport(), &leave);
    EXPECT_EQ(LastStatus(), "Ready");
}

// --- Pointer input ---------------------------------------------------------------------------

TEST_F(EditViewTest, TheClickThatFocusesTheViewPaintsNothing) {
    Open(Gradient(20, 10));
    Focus();
    Mouse(QEvent::MouseButtonPress, 45, 30, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, 45, 30, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(std::none_of(
        dispatch.calls.begin(), dispatch.calls.end(),
        [](const std::string& c) { return c.starts_with("press") || c.starts_with("release"); }));
    // Once the pointer has moved over the focused view, presses count.
    Move(46, 30);
    dispatch.Clear();
    Mouse(QEvent::MouseButtonPress, 46, 30, Qt::LeftButton, Qt::LeftButton);
    Move(48, 31, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, 48, 31, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dispatch.calls,
              (std::vector<std::string>{"press 1 (6,5)", "move 1 (8,6)", "release 0 (8,6)"}));
}

TEST_F(EditViewTest, ButtonsExcludeEachOtherAndLostMessagesAreRepaired) {
    Open(Gradient(20, 10));
    tools.settings.magnifyType = int(MagnifyType::Times2);
    PointerAway();
    view->ZoomIn();  // origin (30, 20): window x = 30 + 2 * picture x
    Focus();
    Move(31, 21);
    dispatch.Clear();
    Mouse(QEvent::MouseButtonPress, 34, 21, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonPress, 34, 21, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, 34, 21, Qt::RightButton, Qt::LeftButton);
    Move(37, 22, Qt::LeftButton);
    // The left release went missing: the next move reports no button and ends the stroke.
    Move(38, 23);
    // A move with the right button held but never pressed here starts a right stroke.
    Move(40, 24, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, 40, 24, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(dispatch.calls,
              (std::vector<std::string>{"press 1 (2,0)", "move 1 (3,1)", "release 0 (4,1)",
                                        "move 0 (4,1)", "press 2 (5,2)", "move 2 (5,2)",
                                        "release 0 (5,2)"}));
}

TEST_F(EditViewTest, ShiftThenStraightDownLocksTheStrokeToItsColumn) {
    Open(Gradient(20, 10));
    Focus();
    Move(45, 27);
    dispatch.Clear();
    Mouse(QEvent::MouseButtonPress, 45, 28, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    Move(49, 30, Qt::LeftButton, Qt::ShiftModifier);
    Move(41, 33, Qt::LeftButton, Qt::ShiftModifier);
    Mouse(QEvent::MouseButtonRelease, 52, 34, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(dispatch.calls, (std::vector<std::string>{"press 5 (5,3)", "move 1 (5,5)",
                                                        "move 1 (5,8)", "release 4 (5,9)"}));
    // The status text counts the drag inclusively.
    Move(45, 27);
    dispatch.Clear();
    Mouse(QEvent::MouseButtonPress, 45, 27, Qt::LeftButton, Qt::LeftButton);
    Move(42, 30, Qt::LeftButton);
    EXPECT_TRUE(LastStatus().endsWith("    Magnify: (100%)    Drag: (-3 x 4)"))
        << LastStatus().toStdString();
}

TEST_F(EditViewTest, ScrollPushFollowsAPointerThatLeavesWithAButtonHeld) {
    Open(Gradient(400, 300), 120, 90);
    tools.scrollPushOn = true;
    Focus();
    Move(60, 40);
    Mouse(QEvent::MouseButtonPress, 60, 40, Qt::LeftButton, Qt::LeftButton);
    const QSize client = view->viewport()->size();
    Move(client.width() + 9, 40, Qt::LeftButton);
    EXPECT_EQ(view->Origin(), QPoint(-10, 0));
    EXPECT_EQ(view->viewport()->mapFromGlobal(QCursor::pos()), QPoint(client.width() - 1, 40));
    EXPECT_EQ(dispatch.calls.back(), "move 1 (" + std::to_string(client.width() - 1 + 10) + ",40)");
    // Without a button nothing is pushed.
    Mouse(QEvent::MouseButtonRelease, client.width() - 1, 40, Qt::LeftButton, Qt::NoButton);
    Move(-20, 40);
    EXPECT_EQ(view->Origin(), QPoint(-10, 0));
}

// --- Activation, timer, document -------------------------------------------------------------

TEST_F(EditViewTest, TheFocusedViewSharesItsPlacementAndTicks) {
    Open(Gradient(400, 300), 120, 90);
    view->clearFocus();
    view->horizontalScrollBar()->setValue(12);
    QSignalSpy activated(view.get(), &CBitmapEditView::activated);
    QSignalSpy titles(view.get(), &CBitmapEditView::titleChanged);
    Focus();
    EXPECT_EQ(activated.count(), 1);
    ASSERT_GE(titles.count(), 1);
    EXPECT_EQ(titles.last().at(0).toString().toStdString(), document.Title());
    EXPECT_EQ(tools.activeView, view.get());
    EXPECT_EQ(tools.document, &document);
    EXPECT_EQ(tools.currentImage, document.FindFrame(0));
    EXPECT_EQ(tools.originX, -12);

    // A tool that moves the shared placement sees it clamped and kept by the next paint.
    tools.originX = -100000;
    Shown();
    EXPECT_EQ(view->Origin().x(), -(400 - view->viewport()->width()));
    EXPECT_EQ(tools.originX, view->Origin().x());

    QTest::qWait(60);
    EXPECT_GT(dispatch.ticks, 0);

    view.reset();
    EXPECT_EQ(tools.activeView, nullptr);
    EXPECT_EQ(tools.document, nullptr);
}

TEST_F(EditViewTest, AViewWithoutTheKeyboardPlaysWhatItWasGiven) {
    // Started from a toolbar while another window holds the keyboard, playback still
    // runs on this view's timer, which an unfocused view otherwise stops.
    Open(Gradient(40, 30));
    document.AddFrames(2);
    document.isAnimation = true;
    document.frameCount = 3;
    document.rangeStart = 1;
    document.rangeEnd = 3;
    view->clearFocus();
    QTest::qWait(30);
    ASSERT_FALSE(view->hasFocus());
    PlayLoop(document, view->PlayerId(), environment.clock.now);
    environment.clock.now += 1000;
    QTest::qWait(60);
    EXPECT_EQ(document.ShownFrame(), 1);
    EXPECT_EQ(document.CurrentFrame(), 0);
    StopAnimation(document, view->PlayerId());
}

TEST_F(EditViewTest, ADocumentThatIsNotKeptClosesItsWindowOnce) {
    Open(Gradient(20, 10));
    QSignalSpy closing(view.get(), &CBitmapEditView::notKept);
    document.path = "Error.ERR";
    Focus();
    QTest::qWait(60);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_TRUE(
        environment.ui.OnlyMessageIs("File not loaded.", "Load Aborted", MessageIcon::Exclamation));
}

TEST_F(EditViewTest, DocumentChangesRedrawAndRetitle) {
    Open(Gradient(20, 10));
    AnimFrame* second = document.AddFrames(1);
    second->index = 1;
    MakePattern8(*second->image, 30, 12);
    second->name = "second.bmp";
    second->TakeSizeFromImage();
    QSignalSpy titles(view.get(), &CBitmapEditView::titleChanged);
    ASSERT_TRUE(view->ShowFrame(1));
    EXPECT_FALSE(view->ShowFrame(7));
    ASSERT_GE(titles.count(), 1);
    EXPECT_EQ(titles.last().at(0).toString().toStdString(), document.Title());
    EXPECT_EQ(view->Origin(), QPoint(35, 24));  // the new frame's own size is centred
    EXPECT_EQ(ShownAt(Shown(), 35, 24), ShownColour(*second->image, 0, 0));

    second->image->Line(0)[0] = second->image->Line(0)[0] == 9 ? 10 : 9;
    document.FramesChanged(1);
    EXPECT_EQ(ShownAt(Shown(), 35, 24), ShownColour(*second->image, 0, 0));
}

// --- Clipboard, printing, cursors ------------------------------------------------------------

TEST_F(EditViewTest, CopyingPutsTheFrameOnTheClipboard) {
    Open(Pattern(20, 10));
    view->CopyFrameToClipboard();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(20, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(copied.pixel(x, y) & 0xFFFFFFu, ShownColour(Picture(), x, y));
}

TEST_F(EditViewTest, PrintingWritesAPage) {
    Open(Gradient(20, 10));
    testing::TempDir folder;
    const QString path = QString::fromStdString(folder.Path() + "/frame.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    view->PrintFrame(printer);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 500);
}

TEST_F(EditViewTest, TheViewShowsTheCursorItsToolsAskFor) {
    Open(Gradient(20, 10));
    auto shown = [this] { return view->viewport()->cursor().pixmap().toImage(); };
    EXPECT_EQ(shown(), CursorFor(CursorShape::Paint).pixmap().toImage());
    dispatch.cursor = CursorShape::Blocked;
    Move(45, 30);
    EXPECT_EQ(shown(), BlockedCursor().pixmap().toImage());
    dispatch.cursor = CursorShape::PaintSymmetry;
    Move(46, 30);
    EXPECT_EQ(shown(), CursorFor(CursorShape::PaintSymmetry).pixmap().toImage());
}

TEST(ToolCursorsTest, EveryShapeIsDrawnInBlackOnWhiteAndDiffersFromTheOthers) {
    InitQuillorResources();
    std::vector<QImage> drawn;
    for (int i = 0; i <= int(CursorShape::Busy); ++i) {
        const QCursor cursor = CursorFor(CursorShape(i));
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << i;
        EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(32, 32)) << i;
        int black = 0, white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) == 255 && (p & 0xFFFFFF) == 0) ++black;
                if (qAlpha(p) == 255 && (p & 0xFFFFFF) == 0xFFFFFF) ++white;
            }
        EXPECT_GT(black, 10) << i;
        EXPECT_GT(white * 2, black) << i;  // an outline all round the ink
        const QPoint hot = cursor.hotSpot();
        EXPECT_TRUE(hot == QPoint(8, 8) || hot == QPoint(16, 16)) << i;
        for (std::size_t j = 0; j < drawn.size(); ++j)
            EXPECT_NE(image, drawn[j]) << i << " looks like " << j;
        drawn.push_back(image);
    }
}

}  // namespace
}  // namespace quillor
