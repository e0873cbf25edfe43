// Saving animations and layered images: the script, the frames, and what the user is
// asked on the way.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/anim_doc.h"
#include "document/anim_script.h"
#include "document/file_exists_model.h"
#include "document/save_sequence_model.h"
#include "document/select_file_type_model.h"
#include "document/sequence_save.h"
#include "formats/image_file.h"
#include "support/fake_document_environment.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::ReadBytes;
using Names = std::vector<std::string>;
using Reply = FileExistsModel::Reply;

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

struct SequenceSaving : ::testing::Test {
    testing::TempDir dir;
    testing::FakeDocumentEnvironment env;
    CAnimDoc doc{env};

    // An edited animation of `count` true-colour frames, each a different picture.
    void MakeAnimation(int count, bool layered = false) {
        doc.isAnimation = true;
        doc.isLayered = layered;
        doc.frameCount = std::uint32_t(count);
        doc.AddFrames(std::uint32_t(count));
        for (int i = 0; i < count; ++i) {
            AnimFrame& frame = *doc.FindFrame(i);
            testing::MakeGradient24(*frame.image, 4 + i, 3);
            frame.TakeSizeFromImage();
            frame.name = "frame" + std::to_string(i) + ".bmp";
            frame.opacity = 10 * (i + 1);
            frame.layerOn = i % 2 == 1;
        }
        doc.path = dir.File(layered ? "scene.qul" : "walk.qua");
        doc.changed = true;
    }
    SequenceSaveRequest Request(bool newSequence = true) {
        SequenceSaveRequest r;
        r.folder = dir.Path();
        r.scriptName = "Walk.qua";
        r.newSequence = newSequence;
        r.prefix = "walk";
        r.start = 1;
        r.frames = AllFrameIndices(doc.HeldFrames());
        return r;
    }
    void ExpectFileExists(const std::string& name, Reply reply) {
        env.ui.ExpectDialogOf<FileExistsModel>("File Exists", [name, reply](FileExistsModel& m) {
            EXPECT_EQ(m.Question(), name + " already exists. Overwrite?");
            m.SetReply(reply);
            return reply != Reply::Cancel;
        });
    }
    void Touch(const std::string& name) { testing::WriteBytes(dir.File(name), {'o', 'l', 'd'}); }
    bool Untouched(const std::string& name) { return Text(ReadBytes(dir.File(name))) == "old"; }
};

TEST_F(SequenceSaving, ANewSequenceIsWrittenNamedInTheScriptAndReadsBack) {
    MakeAnimation(3);
    ASSERT_TRUE(doc.SaveSequence(Request()));
    EXPECT_FALSE(doc.changed);
    EXPECT_TRUE(env.ui.Messages().empty());
    EXPECT_EQ(testing::ListFolder(dir.Path()), (Names{"Walk.qua", "walk0001.bmp", "walk0002.bmp", "walk0003.bmp"}));
    EXPECT_EQ(Text(ReadBytes(dir.File("Walk.qua"))), "QUASQ3\n" + dir.File("walk0001.bmp") + "\n" +
                                                         dir.File("walk0002.bmp") + "\n" + dir.File("walk0003.bmp") + "\n");
    EXPECT_EQ(doc.path, dir.File("Walk.qua"));
    EXPECT_EQ(doc.FindFrame(1)->name, dir.File("walk0002.bmp"));
    EXPECT_EQ(env.currentFolder, dir.Path());
    EXPECT_EQ(env.recentFiles.front(), dir.File("Walk.qua"));

    CAnimDoc back(env);
    back.Open(dir.File("Walk.qua"));
    ASSERT_EQ(back.HeldFrames(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(testing::DifferenceBetween(*back.FindFrame(i)->image, *doc.FindFrame(i)->image), "") << i;
}

TEST_F(SequenceSaving, WithoutTheNewSequenceFramesGoBackToTheirOwnNames) {
    MakeAnimation(3);
    doc.FindFrame(2)->name = dir.File("elsewhere.bmp");
    SequenceSaveRequest request = Request(false);
    request.frames = {2, 0};
    ASSERT_TRUE(doc.SaveSequence(request));
    EXPECT_EQ(Text(ReadBytes(dir.File("Walk.qua"))),
              "QUASQ3\nframe0.bmp\nframe1.bmp\n" + dir.File("elsewhere.bmp") + "\n");
    EXPECT_EQ(testing::ListFolder(dir.Path()), (Names{"Walk.qua", "elsewhere.bmp", "frame0.bmp"}));
    EXPECT_EQ(doc.FindFrame(0)->name, "frame0.bmp");

    // Reading it back gives the same three names in the same order.
    ScriptContents read;
    ASSERT_TRUE(ReadAnimationScript(dir.File("Walk.qua"), false, read));
    ASSERT_EQ(read.frames.size(), 3u);
    EXPECT_EQ(read.frames[1].name, "frame1.bmp");
}

TEST_F(SequenceSaving, LayeredImagesWriteEveryLayerLineAndTheCompiledTargetName) {
    MakeAnimation(3, true);
    SequenceSaveRequest request = Request();
    request.scriptName = "scene.qul";
    request.type = "TGA";
    ASSERT_TRUE(doc.SaveSequence(request));
    EXPECT_EQ(Text(ReadBytes(dir.File("scene.qul"))),
              "QUASQ3\n" + dir.File("walk0001_COMPILED_TARGET.tga") + "\n" + dir.File("walk0002.tga") +
                  "\n1\n0\n0\n20\n" + dir.File("walk0003.tga") + "\n0\n0\n0\n30\n");
    CAnimDoc back(env);
    back.Open(dir.File("scene.qul"));
    ASSERT_EQ(back.HeldFrames(), 3);
    EXPECT_TRUE(back.FindFrame(1)->layerOn);
    EXPECT_FALSE(back.FindFrame(2)->layerOn);
    EXPECT_EQ(back.FindFrame(2)->opacity, 30);
    EXPECT_EQ(testing::DifferenceBetween(*back.FindFrame(0)->image, *doc.FindFrame(0)->image), "");
}

TEST_F(SequenceSaving, ExistingFramesAskAndNoToAllLeavesTheDocumentChanged) {
    MakeAnimation(4);
    for (const char* name : {"walk0001.bmp", "walk0002.bmp", "walk0004.bmp"}) Touch(name);
    ExpectFileExists("walk0001.bmp", Reply::Yes);
    ExpectFileExists("walk0002.bmp", Reply::NoToAll);
    EXPECT_FALSE(doc.SaveSequence(Request()));
    EXPECT_TRUE(doc.changed);
    EXPECT_FALSE(Untouched("walk0001.bmp"));
    EXPECT_TRUE(Untouched("walk0002.bmp"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("walk0003.bmp")));  // new files need no answer
    EXPECT_TRUE(Untouched("walk0004.bmp"));                           // skipped without asking
    EXPECT_EQ(doc.FindFrame(1)->name, "frame1.bmp");                  // not written, not renamed
}

TEST_F(SequenceSaving, YesToAllWritesTheRestAndNoSkipsOne) {
    MakeAnimation(3);
    for (const char* name : {"walk0001.bmp", "walk0002.bmp", "walk0003.bmp", "Walk.qua"}) Touch(name);
    env.ui.ExpectQuestion("File Exists", Answer::Yes);
    ExpectFileExists("walk0001.bmp", Reply::No);
    ExpectFileExists("walk0002.bmp", Reply::YesToAll);
    EXPECT_FALSE(doc.SaveSequence(Request()));
    EXPECT_TRUE(doc.changed);
    EXPECT_EQ(env.ui.Questions()[0].text, "File " + dir.File("Walk.qua") + " name already exists. Overwrite?.");
    EXPECT_EQ(env.ui.Questions()[0].buttons, QuestionButtons::YesNo);
    EXPECT_EQ(env.ui.Questions()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(Untouched("walk0001.bmp"));
    EXPECT_FALSE(Untouched("walk0002.bmp"));
    EXPECT_FALSE(Untouched("walk0003.bmp"));
    EXPECT_FALSE(Untouched("Walk.qua"));

    // Yes to all of them completes the save.
    env.ui.ExpectQuestion("File Exists", Answer::Yes);
    ExpectFileExists("walk0001.bmp", Reply::YesToAll);
    EXPECT_TRUE(doc.SaveSequence(Request()));
    EXPECT_FALSE(doc.changed);
}

TEST_F(SequenceSaving, CancelStopsAtOnce) {
    MakeAnimation(3);
    Touch("walk0002.bmp");
    Touch("walk0003.bmp");
    ExpectFileExists("walk0002.bmp", Reply::Cancel);
    SequenceSaveRequest request = Request();
    request.writeScript = false;
    EXPECT_FALSE(doc.SaveSequence(request));
    EXPECT_TRUE(doc.changed);
    EXPECT_TRUE(std::filesystem::exists(dir.File("walk0001.bmp")));
    EXPECT_TRUE(Untouched("walk0002.bmp"));
    EXPECT_TRUE(Untouched("walk0003.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Walk.qua")));
}

TEST_F(SequenceSaving, AScriptAnsweredNoStaysAndTheSaveIsIncomplete) {
    MakeAnimation(2);
    Touch("Walk.qua");
    env.ui.ExpectQuestion("File Exists", Answer::No);
    EXPECT_FALSE(doc.SaveSequence(Request()));
    EXPECT_TRUE(Untouched("Walk.qua"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("walk0002.bmp")));
    EXPECT_TRUE(doc.changed);
    EXPECT_EQ(doc.path, dir.File("walk.qua"));
}

TEST_F(SequenceSaving, AFailedScriptWriteKeepsTheOldFileAndWritesNoFrame) {
    MakeAnimation(2);
    Touch("Walk.qua");
    doc.FindFrame(1)->name = "two\nlines.bmp";  // cannot stand on a script line
    env.ui.ExpectQuestion("File Exists", Answer::Yes);
    EXPECT_FALSE(doc.SaveSequence(Request(false)));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Error - Could not save file " + dir.File("Walk.qua") + ".", "ERROR",
                                     MessageIcon::Exclamation));
    EXPECT_TRUE(Untouched("Walk.qua"));
    EXPECT_EQ(testing::ListFolder(dir.Path()), Names{"Walk.qua"});
    EXPECT_TRUE(doc.changed);

    // A script in a folder that does not exist fails the same way.
    env.ui.ClearMessages();
    SequenceSaveRequest request = Request();
    request.folder = dir.File("missing");
    EXPECT_FALSE(doc.SaveSequence(request));
    ASSERT_EQ(env.ui.Messages().size(), 1u);
    EXPECT_EQ(env.ui.Messages()[0].title, "ERROR");
}

TEST_F(SequenceSaving, FramesTheFormatRefusesAreToldNotWrittenAndLeaveTheSaveIncomplete) {
    MakeAnimation(3);
    AnimFrame& sixteen = *doc.FindFrame(0);
    ASSERT_TRUE(sixteen.image->CreateBlank(8, 4, 4));
    sixteen.colourMode = ColourMode::Colours16;
    AnimFrame& palette = *doc.FindFrame(1);
    ASSERT_TRUE(palette.image->CreateBlank(8, 4, 4));
    palette.colourMode = ColourMode::Colours256;
    SequenceSaveRequest request = Request();
    request.writeScript = false;
    request.type = "JPG";
    // One settings dialog per frame written: only the true-colour frame gets that far.
    env.ui.ExpectDialog("JPG Save Settings", [](DialogModel&) { return true; });
    EXPECT_FALSE(doc.SaveSequence(request));
    ASSERT_EQ(env.ui.Messages().size(), 2u);
    EXPECT_EQ(env.ui.Messages()[0].text,
              "'walk0001.jpg' is a 16 colour image\nPlease use BMP format to save 16 colour (4 bit) images.");
    EXPECT_EQ(env.ui.Messages()[0].title, "Cannot Save");
    EXPECT_EQ(env.ui.Messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(env.ui.Messages()[1].text,
              "'walk0002.jpg' is not a true colour image.\nJPGs must be True Colour. Please convert image to True "
              "Colour first.");
    EXPECT_EQ(testing::ListFolder(dir.Path()), Names{"walk0003.jpg"});
    EXPECT_TRUE(doc.changed);

    // A settings dialog cancelled for one frame skips that frame only.
    env.ui.ClearMessages();
    request.type = "PNG";
    request.frames = {1, 2};
    env.ui.ExpectDialog("PNG Save Settings", [](DialogModel&) { return false; });
    env.ui.ExpectDialog("PNG Save Settings", [](DialogModel&) { return true; });
    EXPECT_FALSE(doc.SaveSequence(request));
    EXPECT_TRUE(std::filesystem::exists(dir.File("walk0003.png")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("walk0002.png")));
    EXPECT_TRUE(env.ui.Messages().empty());
}

TEST_F(SequenceSaving, TypesWithoutAWriterAreRefusedBeforeAnythingIsWritten) {
    MakeAnimation(2);
    SequenceSaveRequest request = Request();
    request.type = "WBMP";
    EXPECT_FALSE(doc.SaveSequence(request));
    EXPECT_TRUE(env.ui.OnlyMessageIs("Quillor cannot write WBMP files, so nothing was saved.\nPlease choose another type.",
                                     "Cannot Save", MessageIcon::Information));
    EXPECT_TRUE(testing::ListFolder(dir.Path()).empty());
    EXPECT_TRUE(doc.changed);

    // A frame whose own name has no format to write is told and skipped.
    env.ui.ClearMessages();
    doc.FindFrame(0)->name = "";
    request = Request(false);
    request.writeScript = false;
    EXPECT_FALSE(doc.SaveSequence(request));
    EXPECT_TRUE(env.ui.OnlyMessageIs("'' does not name a file type Quillor can write, so it was not saved.",
                                     "Cannot Save", MessageIcon::Information));
    EXPECT_EQ(testing::ListFolder(dir.Path()), Names{"frame1.bmp"});
}

TEST_F(SequenceSaving, SaveAsRunsTheDialogsAndStoresTheirSettings) {
    MakeAnimation(2);
    env.currentFolder = dir.Path();
    env.ui.ExpectDialogOf<SelectFileTypeModel>("Select File Type", [](SelectFileTypeModel& m) {
        EXPECT_EQ(m.SecondChoice(), "AVI movie");
        return true;
    });
    env.ui.ExpectDialogOf<SaveSequenceModel>("Save Animation Sequence", [](SaveSequenceModel& m) {
        EXPECT_EQ(m.ScriptName(), "walk.qua");
        m.DeselectAll();
        return true;  // refused: nothing selected
    });
    env.ui.ExpectDialogOf<SaveSequenceModel>("Save Animation Sequence", [](SaveSequenceModel& m) {
        m.SetTypeIndex(4);  // every frame selected again
        m.SetItemSelected(0, false);
        return true;
    });
    env.ui.ExpectDialog("PNG Save Settings", [](DialogModel&) { return true; });
    EXPECT_TRUE(doc.SaveAs());  // everything asked for was written
    EXPECT_FALSE(doc.changed);
    EXPECT_TRUE(env.ui.OnlyMessageIs("Please select images to save.", "Nothing To Save", MessageIcon::Information));
    EXPECT_EQ(testing::ListFolder(dir.Path()), (Names{"walk.qua", "walk0001.png"}));
    EXPECT_EQ(env.settings.GetString("Animation Save", "Path"), dir.Path());
    EXPECT_EQ(env.settings.GetInt("Animation Save", "File Type", -1), 4);
}

TEST_F(SequenceSaving, TheMovieChoiceChecksTheFramesAndCancelSavesNothing) {
    MakeAnimation(2);
    env.ui.ExpectDialogOf<SelectFileTypeModel>("Select File Type", [](SelectFileTypeModel& m) {
        m.SetChoice(1);
        return true;
    });
    EXPECT_FALSE(doc.SaveAnimationAs());
    EXPECT_TRUE(env.ui.OnlyMessageIs("You cannot save AVIs with images of different sizes.\nPlease ensure all "
                                     "images in the animation have the same dimensions.",
                                     "Cannot Save As AVI", MessageIcon::Information));
    env.ui.ExpectDialog("Select File Type", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.Save());
    env.ui.ExpectDialog("Select File Type", [](DialogModel&) { return true; });
    env.ui.ExpectDialog("Save Animation Sequence", [](DialogModel&) { return false; });
    EXPECT_FALSE(doc.SaveAnimationAs());
    EXPECT_TRUE(testing::ListFolder(dir.Path()).empty());
    EXPECT_TRUE(doc.changed);

    // A layered image goes straight to its own dialog.
    CAnimDoc layered(env);
    layered.isAnimation = true;
    layered.isLayered = true;
    layered.AddFrames(2);
    layered.path = dir.File("scene.qul");
    env.ui.ExpectDialog("Save Layered Image", [](DialogModel&) { return false; });
    EXPECT_FALSE(layered.Save());
}

}  // namespace
}  // namespace quillor
