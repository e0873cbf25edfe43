// The whole program window, driven as a user drives it: real dialogs answered through
// their widgets, files chosen from a script, and the results checked on disk and on screen.

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QElapsedTimer>
#include <cstring>
#include <filesystem>
#include <QToolBar>
#include <QUrl>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/ui/edit_view_frame.h"
#include "app/ui/main_frame.h"
#include "app/ui/resources.h"
#include "app/ui/select_file_type_dialog.h"
#include "document/ui/document_dialogs.h"
#include "document/anim_script.h"
#include "document/ui/colour_depth_dialog.h"
#include "document/ui/new_image_dialog.h"
#include "document/ui/tone_adjust_dialog.h"
#include "document/ui/save_sequence_dialog.h"
#include "document/ui/sequencer_dialog.h"
#include "formats/image_file.h"
#include "formats/ui/format_dialogs.h"
#include "platform/ui/qt_interaction.h"
#include "support/temp_dir.h"
#include "support/test_images.h"
#include "tools/tool_ids.h"
#include "view/ui/bitmap_edit_view.h"
#include "tools/ui/spray_options_dialog.h"
#include "tools/ui/tool_dialogs.h"

namespace quillor {
namespace {

// Real Qt dialogs; messages, questions and file choices from the test's script.
class GuiScript final : public Interaction {
public:
    GuiScript() {
        RegisterFormatDialogs(real_);
        RegisterDocumentDialogs(real_);
        RegisterAppDialogs(real_);
        RegisterToolDialogs(real_);
    }
    std::vector<std::pair<std::string, std::string>> messages;
    std::deque<std::optional<std::string>> files;
    std::deque<Answer> answers;

    void ShowMessage(std::string_view text, std::string_view title, MessageIcon) override {
        messages.emplace_back(text, title);
    }
    Answer Ask(std::string_view text, std::string_view, QuestionButtons, MessageIcon) override {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& r) override { return Next(r); }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& r) override { return Next(r); }
    bool RunDialog(DialogModel& model) override { return real_.RunDialog(model); }
    void BeginWait() override {}
    void EndWait() override {}

private:
    std::optional<std::string> Next(const FileDialogRequest& request) {
        if (files.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << request.title;
            return std::nullopt;
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
    QtInteraction real_;
};

// Answers the next modal dialog of type D: `fill` sets its widgets, then OK.
template <typename D>
void AnswerNextDialog(std::function<void(D&)> fill) {
    QTimer::singleShot(0, [fill] {
        auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the expected dialog did not open";
        fill(*dialog);
        dialog->accept();
    });
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { InitQuillorResources(); }

    testing::TempDir dir;
    GuiScript ui;
    SettingsStore settings{dir.File("quillor.ini")};
};

TEST_F(MainWindow, NewImageIsSavedClosedAndOpenedAgain) {
    settings.SetString("Previous Paths", "Bitmap Save As", dir.Path());
    CMainFrame frame(ui, settings);
    frame.show();

    AnswerNextDialog<NewImageDialog>([](NewImageDialog& d) {
        d.sizes[0]->click();    // 320 x 200
        d.colours[0]->click();  // 256 colours
    });
    frame.Action(cmd::kImageNew)->trigger();
    ASSERT_EQ(frame.MdiArea()->subWindowList().size(), 1);
    CBitmapEditView* view = frame.ActiveView();
    ASSERT_NE(view, nullptr);
    const AnimFrame* image = view->Document().FindFrame(0);
    EXPECT_EQ(image->colourMode, ColourMode::Colours256);
    EXPECT_EQ(image->image->GetSize(), (DibSize{320, 200}));
    EXPECT_EQ(frame.ActiveFrame()->windowTitle().toStdString(),
              dir.File("untitled1.bmp") + "    (256 Colour)");
    EXPECT_TRUE(view->Document().changed);

    ui.files.push_back(dir.File("pic.bmp"));
    frame.Action(cmd::kSaveAs)->trigger();
    const auto bytes = testing::ReadBytes(dir.File("pic.bmp"));
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[28], 8);  // an 8-bit file
    EXPECT_FALSE(view->Document().changed);
    EXPECT_EQ(frame.ActiveFrame()->windowTitle().toStdString(), dir.File("pic.bmp") + "    (256 Colour)");

    frame.MdiArea()->closeActiveSubWindow();  // saved: no question
    QApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty());

    frame.OpenPath(dir.File("pic.bmp"));
    ASSERT_EQ(frame.MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(frame.ActiveFrame()->windowTitle().toStdString(), dir.File("pic.bmp") + "    (256 Colour)");
    EXPECT_EQ(frame.ActiveView()->Document().FindFrame(0)->image->GetBitCount(), 8);
    EXPECT_TRUE(ui.messages.empty());

    frame.close();
    EXPECT_EQ(settings.GetString("Recent File List", "File1"), dir.File("pic.bmp"));
    EXPECT_TRUE(settings.Has("Last Window Size", "Right"));
    EXPECT_TRUE(settings.Has("Preferences", "Magnify Type"));
}

TEST_F(MainWindow, AChangedPictureAsksBeforeTheProgramCloses) {
    CMainFrame frame(ui, settings);
    frame.show();
    AnswerNextDialog<NewImageDialog>([](NewImageDialog&) {});
    frame.Action(cmd::kImageNew)->trigger();
    ASSERT_EQ(frame.MdiArea()->subWindowList().size(), 1);

    ui.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 1);
    ui.answers.push_back(Answer::No);
    EXPECT_TRUE(frame.close());
    QApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindow, FilesThatGiveNothingToKeepCloseTheirWindowWithOneMessage) {
    testing::WriteBytes(dir.File("notes.txt"), {'h', 'i'});
    // A BMP cut inside its header.
    testing::WriteBytes(dir.File("cut.bmp"), {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0});
    const std::pair<const char*, const char*> cases[] = {{"notes.txt", "Load Aborted"},
                                                         {"cut.bmp", "File Reading Error"}};
    for (const auto& [name, title] : cases) {
        ui.messages.clear();
        CMainFrame frame(ui, settings);
        frame.show();
        frame.OpenPath(dir.File(name));
        QTest::qWait(100);  // the view notices on its timer
        QApplication::processEvents();
        EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty()) << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_EQ(ui.messages[0].second, title) << name;
    }
    EXPECT_EQ(ui.messages[0].first, "Could not read file '" + dir.File("cut.bmp") + "'");
}

TEST_F(MainWindow, DroppedFilesOpenAndAnOpenFileIsBroughtForward) {
    COXDIB picture;
    testing::MakeGradient24(picture, 20, 10);
    VectorWriter out;
    ASSERT_TRUE(picture.WriteBmp(out));
    testing::WriteBytes(dir.File("drop.bmp"), out.Bytes());
    CMainFrame frame(ui, settings);
    frame.show();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.File("drop.bmp")))});
    frame.OpenDropped(mime);
    ASSERT_EQ(frame.MdiArea()->subWindowList().size(), 1);
    frame.OpenPath(dir.File("drop.bmp"));
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(frame.ActiveView()->Document().FindFrame(0)->image->GetSize(), (DibSize{20, 10}));
    frame.Action(cmd::kNewWindow)->trigger();
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 2);
}

TEST_F(MainWindow, ToolbarsCarryTheirButtonsInOrderAndMenusShareThem) {
    CMainFrame frame(ui, settings);
    auto* standard = frame.findChild<QToolBar*>("bar128");
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->windowTitle(), "Standard");
    std::vector<int> ids;
    for (QAction* a : standard->actions()) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(ids, (std::vector<int>{cmd::kNew, cmd::kOpen, cmd::kSave, 0, cmd::kCopy, cmd::kPasteImage,
                                     0, cmd::kPrint, 0, cmd::kNewWindow, 0, cmd::kHelp}));
    EXPECT_FALSE(frame.Action(cmd::kNew)->icon().isNull());
    EXPECT_EQ(frame.Action(cmd::kSave)->shortcut(), QKeySequence("S"));
    EXPECT_FALSE(frame.Action(cmd::kSave)->isEnabled());  // no picture open
    EXPECT_NE(frame.findChild<QToolBar*>("bar130"), nullptr);
    EXPECT_EQ(frame.StatusMessage(), "Ready");
}


// The "Tools" bar's button for `id`.
QToolButton* ToolButton(CMainFrame& frame, int id) {
    for (QToolButton* b : frame.findChild<QToolBar*>("bar130")->findChildren<QToolButton*>())
        if (b->defaultAction() && b->defaultAction()->data().toInt() == id) return b;
    return nullptr;
}

// Makes a new 256-colour 320 x 200 image through the real dialog.
CBitmapEditView* NewImage(CMainFrame& frame, int colours = 0) {
    AnswerNextDialog<NewImageDialog>([colours](NewImageDialog& d) {
        d.sizes[0]->click();
        d.colours[colours]->click();
    });
    frame.Action(cmd::kImageNew)->trigger();
    QApplication::processEvents();
    return frame.ActiveView();
}

// Moves the pointer over the view's middle, as X11 reports it.
void HoverMiddle(CBitmapEditView& view) {
    const QPoint middle = view.viewport()->rect().center();
    QCursor::setPos(view.viewport()->mapToGlobal(middle));
    QMouseEvent move(QEvent::MouseMove, QPointF(middle), view.viewport()->mapToGlobal(QPointF(middle)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
}

TEST_F(MainWindow, ARightClickOnAToolOpensItsSettingsAndNeverTheToolbarMenu) {
    CMainFrame frame(ui, settings);
    frame.show();
    ASSERT_NE(NewImage(frame), nullptr);
    QToolButton* spray = ToolButton(frame, tool_id::kSpray);
    ASSERT_NE(spray, nullptr);

    // X11 follows every right press with a context-menu event; the main window would
    // answer it with its menu of toolbars, a modal pop-up.
    QWidget* popup = nullptr;
    QTimer::singleShot(0, [&popup] {
        popup = QApplication::activePopupWidget();
        if (popup) popup->close();
    });
    QContextMenuEvent context(QContextMenuEvent::Mouse, spray->rect().center(),
                              spray->mapToGlobal(spray->rect().center()));
    QApplication::sendEvent(spray, &context);
    QApplication::processEvents();
    EXPECT_EQ(popup, nullptr) << "a menu opened over the Tools bar";

    QTest::mousePress(spray, Qt::RightButton);
    QTest::mouseRelease(spray, Qt::RightButton);
    // The dialog opens once the click is over.
    int density = 0;
    AnswerNextDialog<SprayOptionsDialog>([&density](SprayOptionsDialog& d) {
        density = d.density->value();
        d.density->setValue(321);
    });
    QTest::qWait(50);
    EXPECT_EQ(density, 100);
    EXPECT_EQ(frame.Tools().settings.sprayDensity, 321);
}

TEST_F(MainWindow, ThePicturesStatusTextReplacesAStaleMenuTip) {
    CMainFrame frame(ui, settings);
    frame.show();
    // The tip of the menu item that made the picture can outlive its menu.
    frame.statusBar()->showMessage("Create a new image or animation");
    CBitmapEditView* view = NewImage(frame);
    ASSERT_NE(view, nullptr);
    HoverMiddle(*view);
    EXPECT_TRUE(frame.StatusMessage().startsWith("Size: (320 x 200)    Coordinates: ("))
        << frame.StatusMessage().toStdString();
}

TEST_F(MainWindow, TheBarAndTheMenuFollowEveryChangeOfTool) {
    CMainFrame frame(ui, settings);
    frame.show();
    CBitmapEditView* view = NewImage(frame);
    ASSERT_NE(view, nullptr);
    frame.Action(tool_id::kPick)->trigger();
    EXPECT_TRUE(frame.Action(tool_id::kPick)->isChecked());
    // The pick hands back to the paint tool by itself, inside the view's click.
    QApplication::setActiveWindow(&frame);
    view->setFocus();
    QApplication::processEvents();
    HoverMiddle(*view);
    const QPoint middle = view->viewport()->rect().center();
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
    EXPECT_EQ(frame.Tools().CurrentToolId(), tool_id::kPaint);
    EXPECT_FALSE(frame.Action(tool_id::kPick)->isChecked());
    EXPECT_TRUE(frame.Action(tool_id::kPaint)->isChecked());
}

TEST_F(MainWindow, ACancelledExitLeavesEveryEditToBeAskedAbout) {
    CMainFrame frame(ui, settings);
    frame.show();
    ASSERT_NE(NewImage(frame), nullptr);
    ASSERT_NE(NewImage(frame), nullptr);
    ASSERT_EQ(frame.MdiArea()->subWindowList().size(), 2);

    ui.answers = {Answer::No, Answer::Cancel};
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(ui.answers.empty());
    EXPECT_EQ(frame.MdiArea()->subWindowList().size(), 2);
    for (QMdiSubWindow* w : frame.MdiArea()->subWindowList())
        EXPECT_TRUE(dynamic_cast<CBitmapEditViewFrame*>(w)->Document().changed);

    // The picture the user said No to is asked about again when its window closes.
    ui.answers = {Answer::No, Answer::No};
    for (QMdiSubWindow* w : frame.MdiArea()->subWindowList()) w->close();
    QApplication::processEvents();
    EXPECT_TRUE(ui.answers.empty()) << "a changed picture closed without asking";
}

TEST_F(MainWindow, ANewWindowStartsWithTheSinglePixelBrushAndItsCheckMarks) {
    CMainFrame frame(ui, settings);
    frame.show();
    frame.Tools().settings.animatedBrush = 0;
    frame.Tools().brush.shapeChoice = 1036;  // "Diam 25", left by an earlier picture
    frame.Tools().brush.kind = BrushKind::Shape;
    CBitmapEditView* view = NewImage(frame, 1);  // 16 colours
    ASSERT_NE(view, nullptr);
    view->setFocus();
    QApplication::setActiveWindow(&frame);
    QTest::qWait(60);  // a few of the view's ticks
    EXPECT_EQ(frame.Tools().brush.kind, BrushKind::SinglePixel);
    EXPECT_EQ(frame.Tools().brush.Current(false).width, 1);
    EXPECT_FALSE(frame.Action(cmd::kAnimatedBrushes)->isChecked());
}

TEST_F(MainWindow, CtrlF4ClosesThePictureWindow) {
    CMainFrame frame(ui, settings);
    frame.show();
    CBitmapEditView* view = NewImage(frame);
    ASSERT_NE(view, nullptr);
    frame.activateWindow();
    QApplication::setActiveWindow(&frame);
    view->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(view->hasFocus());
    ui.answers = {Answer::No};
    QTest::keyClick(view, Qt::Key_F4, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(ui.answers.empty());
}

TEST_F(MainWindow, MenusReadAsMenusAndTheTitleSaysQuillorOnce) {
    CMainFrame frame(ui, settings);
    QAction* paint = frame.Action(tool_id::kPaint);
    EXPECT_EQ(paint->text(), "&Paint");
    EXPECT_EQ(paint->toolTip(), "Left Click - Paint / Right Click - Brush Shape");
    EXPECT_TRUE(frame.Action(cmd::kSave)->shortcuts().contains(QKeySequence("Ctrl+S")));
    EXPECT_TRUE(frame.Action(cmd::kSave)->shortcuts().contains(QKeySequence("S")));
    EXPECT_EQ(frame.windowTitle(), "Quillor");
    EXPECT_TRUE(QApplication::applicationDisplayName().isEmpty() ||
                QApplication::applicationDisplayName() == QApplication::applicationName());
}

TEST_F(MainWindow, AComposedAnimationPlaysOnceAndIsSavedAsAScript) {
    // Three frames named so that only a numeric sort puts them in order.
    const std::string folder = dir.File("frames");
    std::filesystem::create_directory(folder);
    // Blue, green, red bytes.
    const std::uint8_t colours[3][3] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
    const char* names[] = {"f_1.bmp", "f_2.bmp", "f_10.bmp"};
    ImageFileContext files{ui, settings};
    for (int i = 0; i < 3; ++i) {
        COXDIB image;
        ASSERT_TRUE(image.CreateBlank(24, 8, 6));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) std::memcpy(image.Line(y) + 3 * x, colours[i], 3);
        ASSERT_TRUE(SaveImageFile(image, folder + "/" + names[i], files));
    }
    settings.SetString("Animation Controls", "Frames Per Second", "50.000");
    CMainFrame frame(ui, settings);
    frame.show();

    int listed = 0;
    AnswerNextDialog<SequencerDialog>([&](SequencerDialog& d) {
        d.path->clear();
        QTest::keyClicks(d.path, QString::fromStdString(folder));
        listed = d.files->count();
        d.selectAll->click();
        d.add->click();
    });
    frame.Action(cmd::kCompose)->trigger();
    EXPECT_EQ(listed, 3);
    CBitmapEditView* view = frame.ActiveView();
    ASSERT_NE(view, nullptr);
    CAnimDoc& doc = view->Document();
    ASSERT_EQ(doc.HeldFrames(), 3);
    EXPECT_EQ(doc.FindFrame(2)->name, folder + "/f_10.bmp");
    EXPECT_EQ(doc.path, folder + "/f_1.qua");

    // Played once through the view's own timer and the real clock, every frame is shown
    // in turn, then the frame being edited again, which stays the first.
    frame.Action(cmd::kPlayOnce)->trigger();
    std::vector<int> shown;
    QElapsedTimer waited;
    waited.start();
    while (doc.playing && waited.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (shown.empty() || shown.back() != doc.ShownFrame()) shown.push_back(doc.ShownFrame());
    }
    EXPECT_FALSE(doc.playing);
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(doc.CurrentFrame(), 0);

    ui.messages.clear();
    AnswerNextDialog<SelectFileTypeDialog>([&](SelectFileTypeDialog& d) {
        d.first->setChecked(true);  // Image Sequence
        AnswerNextDialog<SaveSequenceDialog>([&](SaveSequenceDialog& s) {
            s.path->clear();
            QTest::keyClicks(s.path, QString::fromStdString(folder));
            s.prefix->clear();
            QTest::keyClicks(s.prefix, "walk");
        });
    });
    frame.Action(cmd::kSave)->trigger();
    ScriptContents script;
    ASSERT_TRUE(ReadAnimationScript(folder + "/f_1.qua", false, script));
    ASSERT_EQ(script.frames.size(), 3u);
    EXPECT_EQ(script.frames[1].name, folder + "/walk0001.bmp");
    EXPECT_EQ(script.frames[2].name, folder + "/walk0002.bmp");
    COXDIB written;
    ASSERT_TRUE(LoadImageFile(written, folder + "/walk0002.bmp", files));
    EXPECT_EQ(written.Line(0)[0], 255);  // blue, as f_10.bmp
    EXPECT_FALSE(doc.changed);
    EXPECT_TRUE(ui.messages.empty());
    frame.close();
}

TEST_F(MainWindow, AFrameConvertedTo16ColoursUndoesAndACancelledGammaLeavesItAsItWas) {
    COXDIB photo;
    testing::MakeGradient24(photo, 40, 30);
    ImageFileContext files{ui, settings};
    ASSERT_TRUE(SaveImageFile(photo, dir.File("photo.bmp"), files));
    CMainFrame frame(ui, settings);
    frame.show();
    frame.OpenPath(dir.File("photo.bmp"));
    CBitmapEditView* view = frame.ActiveView();
    ASSERT_NE(view, nullptr);
    CAnimDoc& doc = view->Document();
    auto bytes = [&] {
        const COXDIB& image = *doc.FindFrame(0)->image;
        return std::vector<std::uint8_t>(image.GetBits(), image.GetBits() + image.GetImageBytes());
    };
    const std::vector<std::uint8_t> before = bytes();

    bool ownModeOff = false;
    AnswerNextDialog<ColourDepthDialog>([&](ColourDepthDialog& d) {
        ownModeOff = !d.modes[3]->isEnabled();  // true colour, the frame's own mode
        d.modes[1]->click();                    // 16 colours
        d.methods[0]->click();
    });
    frame.Action(cmd::kChangeColours)->trigger();
    EXPECT_TRUE(ownModeOff);
    EXPECT_EQ(doc.FindFrame(0)->colourMode, ColourMode::Colours16);
    EXPECT_NE(frame.ActiveFrame()->windowTitle().toStdString().find("(16 Colour)"), std::string::npos);
    frame.Action(cmd::kEditUndo)->trigger();
    EXPECT_EQ(doc.FindFrame(0)->colourMode, ColourMode::TrueColour);
    EXPECT_EQ(bytes(), before);

    // The gamma preview shows in the frame while the slider is away from 0; Cancel puts
    // every byte back.
    doc.SetChanged(false);
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<ToneAdjustDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->slider->setValue(80);
        previewed = bytes() != before;
        dialog->reject();
    });
    frame.Action(cmd::kGamma)->trigger();
    EXPECT_TRUE(previewed);
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(doc.changed);
    EXPECT_TRUE(ui.messages.empty());
    frame.close();
}

}  // namespace
}  // namespace quillor
