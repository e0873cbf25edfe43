// The whole program window, driven as a user drives it: real dialogs answered through
// their widgets, files chosen from a script, and the results checked on disk and on screen.

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTest>
#include <QTimer>
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
#include "document/ui/new_image_dialog.h"
#include "formats/ui/format_dialogs.h"
#include "platform/ui/qt_interaction.h"
#include "support/temp_dir.h"
#include "support/test_images.h"
#include "view/ui/bitmap_edit_view.h"

namespace quillor {
namespace {

// Real Qt dialogs; messages, questions and file choices from the test's script.
class GuiScript final : public Interaction {
public:
    GuiScript() {
        RegisterFormatDialogs(real_);
        RegisterDocumentDialogs(real_);
        RegisterAppDialogs(real_);
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

TEST_F(MainWindow, FilesThatGiveNothingToKeepCloseTheirWindow) {
    testing::WriteBytes(dir.File("notes.txt"), {'h', 'i'});
    CMainFrame frame(ui, settings);
    frame.show();
    frame.OpenPath(dir.File("notes.txt"));
    QTest::qWait(100);  // the view notices on its timer
    QApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea()->subWindowList().isEmpty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], std::make_pair(std::string("File not loaded."), std::string("Load Aborted")));
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

}  // namespace
}  // namespace quillor
