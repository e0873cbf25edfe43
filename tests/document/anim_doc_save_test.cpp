// Save, Save As and the question before a changed document closes.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/anim_doc.h"
#include "document/new_image_model.h"
#include "formats/image_file.h"
#include "support/fake_document_environment.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::ReadBytes;

struct TitleCounter : DocumentObserver {
    int titles = 0;
    void OnTitleChanged(CAnimDoc&) override { ++titles; }
};

struct Saving : ::testing::Test {
    testing::TempDir dir;
    testing::FakeDocumentEnvironment env;

    // A picture on disk, opened, then edited.
    std::unique_ptr<CAnimDoc> OpenEdited(const std::string& name) {
        COXDIB picture;
        testing::MakeGradient24(picture, 8, 5);
        EXPECT_TRUE(SaveImageFile(picture, dir.File(name), env.FileContext()));
        auto doc = std::make_unique<CAnimDoc>(env);
        doc->Open(dir.File(name));
        doc->FindFrame(0)->image->Line(0)[0] ^= 0xFF;
        doc->FramesChanged(0);
        return doc;
    }
    // A new untitled true-colour picture in the temporary folder.
    std::unique_ptr<CAnimDoc> NewPicture() {
        env.settings.SetString("Previous Paths", "Bitmap Save As", dir.Path());
        env.ui.ExpectDialogOf<NewImageModel>("New Image", [](NewImageModel& m) {
            m.SetColourChoice(3);
            return true;
        });
        auto doc = std::make_unique<CAnimDoc>(env);
        EXPECT_TRUE(doc->OnNewDocument(NewDocumentKind::NewImage));
        return doc;
    }
};

TEST_F(Saving, SixteenColourBitmapsStaySixteenColourAndStayBitmaps) {
    COXDIB four;
    ASSERT_TRUE(four.CreateBlank(4, 3, 2));
    four.SetTableWord(14, 0x00FF00);
    four.Line(1)[1] = 0xE0;  // pixel (2, 1) is index 14
    ASSERT_TRUE(SaveImageFile(four, dir.File("Sixteen.bmp"), env.FileContext()));

    CAnimDoc doc(env);
    doc.SetForeground(200);
    doc.Open(dir.File("Sixteen.bmp"));
    const AnimFrame& frame = *doc.FindFrame(0);
    EXPECT_EQ(frame.colourMode, ColourMode::Colours16);
    EXPECT_EQ(frame.image->GetBitCount(), 8);
    EXPECT_EQ(frame.image->Line(1)[2], 14);
    EXPECT_EQ(doc.Foreground(), 1);
    EXPECT_EQ(doc.Title(), dir.File("Sixteen.bmp") + "    (16 Colour)");

    frame.image->Line(0)[0] = 15;
    doc.FramesChanged(0);
    ASSERT_TRUE(doc.Save());
    EXPECT_FALSE(doc.changed);
    const auto written = ReadBytes(dir.File("Sixteen.bmp"));
    EXPECT_EQ(written[28], 4);  // bits per pixel in the info header
    EXPECT_EQ(written[written.size() - 4] >> 4, 15);  // the last row stored is the top line

    doc.FramesChanged(0);
    env.ui.ExpectSaveFile(dir.File("sixteen.png"));
    EXPECT_FALSE(doc.SaveAs());
    EXPECT_TRUE(env.ui.OnlyMessageIs("Please use BMP format to save 16 colour (4 bit) images.",
                                     "Cannot Save", MessageIcon::Information));
    EXPECT_TRUE(doc.changed);
    EXPECT_EQ(doc.path, dir.File("sixteen.png"));
    EXPECT_EQ(frame.name, dir.File("Sixteen.bmp"));
    EXPECT_EQ(testing::ListFolder(dir.Path()), std::vector<std::string>{"Sixteen.bmp"});
}

TEST_F(Saving, RefusedOrCancelledSavesLeaveTheFileAndTheChangedFlag) {
    auto doc = OpenEdited("pic.png");
    const auto before = ReadBytes(dir.File("pic.png"));
    env.ui.ExpectDialog("PNG Save Settings", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc->Save());
    EXPECT_TRUE(doc->changed);

    doc->FindFrame(0)->colourMode = ColourMode::Mono;  // as if converted to two colours
    EXPECT_FALSE(doc->Save());
    EXPECT_TRUE(env.ui.OnlyMessageIs("Please use BMP format to save Monochrome (1 bit) images.",
                                     "Cannot Save", MessageIcon::Information));
    EXPECT_EQ(ReadBytes(dir.File("pic.png")), before);
    EXPECT_TRUE(doc->changed);
    EXPECT_EQ(env.recentFiles.size(), 1u);  // from opening only
}

TEST_F(Saving, AFailedWriteKeepsTheDocumentChanged) {
    auto doc = NewPicture();
    doc->path = dir.File("missing/folder/a.bmp");
    EXPECT_FALSE(doc->Save());
    EXPECT_TRUE(doc->changed);
    ASSERT_EQ(env.ui.Messages().size(), 1u);
    EXPECT_EQ(env.ui.Messages()[0].title, "File Opening Error");
    EXPECT_TRUE(env.recentFiles.empty());
}

TEST_F(Saving, SaveAsTakesTheChosenPathAsTypedAndRemembersItsFolder) {
    auto doc = NewPicture();
    const std::string untitled = doc->path;
    TitleCounter counter;
    auto subscription = doc->Subscribe(counter);
    std::filesystem::create_directory(dir.File("Shots"));
    const std::string chosen = dir.File("Shots/Beach.PNG");
    env.ui.ExpectSaveFile(chosen);
    env.ui.ExpectDialog("PNG Save Settings", [](DialogModel&) { return true; });

    ASSERT_TRUE(doc->SaveAs());
    ASSERT_EQ(env.ui.FileRequests().size(), 1u);
    EXPECT_EQ(env.ui.FileRequests()[0].title, "Bitmap Save As");
    EXPECT_EQ(env.ui.FileRequests()[0].fileName, untitled);
    EXPECT_EQ(doc->path, chosen);
    EXPECT_EQ(doc->FindFrame(0)->name, chosen);
    EXPECT_FALSE(doc->changed);
    EXPECT_EQ(env.currentFolder, dir.File("Shots"));
    EXPECT_EQ(env.settings.GetString("Previous Paths", "Bitmap Save As"), dir.File("Shots"));
    EXPECT_EQ(env.recentFiles.front(), chosen);
    EXPECT_EQ(testing::ListFolder(dir.File("Shots")), std::vector<std::string>{"Beach.PNG"});
    EXPECT_EQ(doc->Title(), chosen + "    (True Colour)");
    EXPECT_GE(counter.titles, 1);

    COXDIB back;
    ASSERT_TRUE(LoadImageFile(back, chosen, env.FileContext()));
    EXPECT_EQ(testing::DifferenceBetween(back, *doc->FindFrame(0)->image), "");
}

TEST_F(Saving, CancelledSaveAsChangesNothing) {
    auto doc = NewPicture();
    const std::string untitled = doc->path;
    env.ui.ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(doc->SaveAs());
    EXPECT_EQ(doc->path, untitled);
    EXPECT_TRUE(doc->changed);
    EXPECT_EQ(env.currentFolder, "");
}

TEST_F(Saving, SequencesAreSavedAsScriptAndFramesNotAsOnePicture) {
    CAnimDoc doc(env);
    doc.AddFrames(2);
    doc.frameCount = 2;
    doc.isAnimation = true;
    doc.path = dir.File("walk.qua");
    doc.changed = true;
    // Save and Save As both offer the sequence or a movie; no picture file dialog.
    env.ui.ExpectDialog("Select File Type", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.Save());
    env.ui.ExpectDialog("Select File Type", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.SaveAs());
    EXPECT_TRUE(env.ui.FileRequests().empty());
    EXPECT_TRUE(testing::ListFolder(dir.Path()).empty());
}

TEST_F(Saving, CloseQuestionCancelKeepsAndNoDiscards) {
    auto doc = OpenEdited("keep.bmp");
    const auto before = ReadBytes(dir.File("keep.bmp"));
    env.ui.ExpectQuestion("Unsaved Changes", Answer::Cancel);
    EXPECT_FALSE(doc->SaveModified());
    EXPECT_TRUE(doc->changed);
    ASSERT_EQ(env.ui.QuestionsAsked().size(), 1u);
    EXPECT_EQ(env.ui.QuestionsAsked()[0], "Save changes to " + dir.File("keep.bmp") + "?");
    EXPECT_EQ(env.ui.Questions()[0].buttons, QuestionButtons::YesNoCancel);
    EXPECT_EQ(env.ui.Questions()[0].icon, MessageIcon::Question);

    env.ui.ExpectQuestion("Unsaved Changes", Answer::No);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->changed);
    EXPECT_TRUE(doc->SaveModified());  // not asked again
    EXPECT_EQ(env.ui.QuestionsAsked().size(), 2u);
    EXPECT_EQ(ReadBytes(dir.File("keep.bmp")), before);
}

TEST_F(Saving, CloseQuestionYesSavesANamedPictureInPlace) {
    auto doc = OpenEdited("picture.bmp");
    const auto before = ReadBytes(dir.File("picture.bmp"));
    env.ui.ExpectQuestion("Unsaved Changes", Answer::Yes);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->changed);
    EXPECT_NE(ReadBytes(dir.File("picture.bmp")), before);
    EXPECT_TRUE(env.ui.FileRequests().empty());
}

TEST_F(Saving, CloseQuestionYesOffersSaveAsForUntitledPictures) {
    auto doc = NewPicture();
    env.ui.ExpectQuestion("Unsaved Changes", Answer::Yes);
    env.ui.ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(doc->SaveModified());  // Save As cancelled: the document stays open
    EXPECT_TRUE(doc->changed);

    env.ui.ExpectQuestion("Unsaved Changes", Answer::Yes);
    env.ui.ExpectSaveFile(dir.File("named.bmp"));
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->changed);
    EXPECT_EQ(testing::ListFolder(dir.Path()), std::vector<std::string>{"named.bmp"});
}

TEST_F(Saving, CloseQuestionYesRunsTheSequenceSaveAndCancelKeepsTheDocument) {
    CAnimDoc doc(env);
    doc.AddFrames(1);
    doc.frameCount = 1;
    doc.isAnimation = true;
    doc.path = dir.File("walk.qua");
    doc.changed = true;
    env.ui.ExpectQuestion("Unsaved Changes", Answer::Yes);
    env.ui.ExpectDialog("Select File Type", [](DialogModel&) { return true; });
    env.ui.ExpectDialog("Save Animation Sequence", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.changed);
}

}  // namespace
}  // namespace quillor
