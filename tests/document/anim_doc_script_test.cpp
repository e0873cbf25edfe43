// Opening animation and layered scripts, and composing an animation from image files.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/anim_doc.h"
#include "document/anim_script.h"
#include "document/sequencer_model.h"
#include "formats/image_file.h"
#include "support/fake_document_environment.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::WriteBytes;

constexpr char kNotValid[] = "' is not a valid Quillor Animation file.";

struct Scripts : ::testing::Test {
    testing::TempDir dir;
    testing::FakeDocumentEnvironment env;

    void SaveTo(const COXDIB& image, const std::string& path) {
        ASSERT_TRUE(SaveImageFile(image, path, env.FileContext()));
    }
    void WriteText(const std::string& path, std::string_view text) {
        WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
};

TEST_F(Scripts, FramesLoadBesideTheScriptThenFromTheCurrentFolderAndKeepTheirNames) {
    std::filesystem::create_directories(dir.File("anims/sub"));
    std::filesystem::create_directories(dir.File("elsewhere"));
    COXDIB a, b, c;
    testing::MakeGradient24(a, 6, 4);
    testing::MakeSmooth8(b, 5, 3);
    testing::MakeGradient24(c, 3, 2);
    SaveTo(a, dir.File("anims/Walk1.bmp"));
    SaveTo(b, dir.File("anims/sub/walk2.bmp"));
    SaveTo(c, dir.File("elsewhere/walk3.bmp"));
    env.currentFolder = dir.File("elsewhere");
    ASSERT_TRUE(WriteAnimationScript(dir.File("anims/Walk.qua"),
                                     std::vector<std::string>{"Walk1.bmp", "sub/walk2.bmp", "walk3.bmp"}));

    CAnimDoc doc(env);
    doc.Open(dir.File("anims/Walk.qua"));
    EXPECT_TRUE(env.ui.Messages().empty());
    EXPECT_TRUE(doc.IsKept());
    EXPECT_TRUE(doc.isAnimation);
    EXPECT_FALSE(doc.isLayered);
    EXPECT_FALSE(doc.changed);
    EXPECT_EQ(doc.path, dir.File("anims/Walk.qua"));
    EXPECT_EQ(doc.frameCount, 3u);
    EXPECT_EQ(doc.rangeEnd, 3);
    EXPECT_EQ(env.recentFiles, std::vector<std::string>{dir.File("anims/Walk.qua")});
    EXPECT_EQ(doc.FindFrame(0)->name, "Walk1.bmp");
    EXPECT_EQ(doc.FindFrame(1)->name, "sub/walk2.bmp");
    EXPECT_EQ(testing::DifferenceBetween(*doc.FindFrame(0)->image, a), "");
    EXPECT_EQ(testing::DifferenceBetween(*doc.FindFrame(1)->image, b), "");
    EXPECT_EQ(testing::DifferenceBetween(*doc.FindFrame(2)->image, c), "");
    EXPECT_EQ(doc.FindFrame(1)->colourMode, ColourMode::Colours256);  // animations keep palettes
    EXPECT_EQ(doc.FindFrame(2)->width, 3);
}

TEST_F(Scripts, UnreadableFramesBecomeBlanksAndLoadingGoesOn) {
    COXDIB a;
    testing::MakeGradient24(a, 4, 4);
    SaveTo(a, dir.File("ok.bmp"));
    WriteText(dir.File("broken.png"), "not a png");
    // Four frames promised, three lines held: the last name reads as empty.
    WriteText(dir.File("walk.qua"), "QUASQ4\r\nbroken.png\r\nok.bmp\r\nmissing.tga\r\n");

    CAnimDoc doc(env);
    doc.Open(dir.File("walk.qua"));
    ASSERT_EQ(doc.HeldFrames(), 4);
    const std::string blank = "Quillor cannot load '%s'.\nPossible unsupported or copyrighted compression "
                              "method.\nA blank image will be created instead.";
    std::vector<std::string> named;
    for (const auto& m : env.ui.Messages())
        if (m.title == "Loading Error") {
            EXPECT_EQ(m.icon, MessageIcon::Exclamation);
            named.push_back(m.text);
        }
    EXPECT_EQ(named, (std::vector<std::string>{
                         std::string(blank).replace(blank.find("%s"), 2, "broken.png"),
                         std::string(blank).replace(blank.find("%s"), 2, "missing.tga"),
                         std::string(blank).replace(blank.find("%s"), 2, "")}));
    for (int i : {0, 2, 3}) {
        const AnimFrame& frame = *doc.FindFrame(i);
        EXPECT_EQ(frame.image->GetSize(), (DibSize{400, 400})) << i;
        EXPECT_EQ(frame.colourMode, ColourMode::TrueColour);
        EXPECT_EQ(frame.width, 400);
    }
    EXPECT_EQ(testing::DifferenceBetween(*doc.FindFrame(1)->image, a), "");
    EXPECT_EQ(doc.FindFrame(3)->name, "");
    EXPECT_TRUE(doc.IsKept());
}

TEST_F(Scripts, LayeredScriptsReadTheirLayersAndMakePalettePicturesTrueColour) {
    COXDIB target, sky, tree;
    testing::MakeGradient24(target, 8, 8);
    ASSERT_TRUE(sky.CreateBlank(8, 3, 2));
    sky.SetColour(5, MakeColour(10, 20, 30));
    sky.Line(0)[1] = 5;
    ASSERT_TRUE(tree.CreateBlank(8, 8, 1));
    for (int x = 0; x < 8; ++x) tree.Line(0)[x] = std::uint8_t(x * 2);
    COXDIB packed;
    ASSERT_TRUE(tree.PackTo4Bit(packed));  // a 16-colour layer
    SaveTo(target, dir.File("target.bmp"));
    SaveTo(sky, dir.File("sky.bmp"));
    SaveTo(packed, dir.File("tree.bmp"));
    WriteText(dir.File("scene.qul"), "QUASQ3\ntarget.bmp\nsky.bmp\n0\n1\n0\n100\ntree.bmp\n1\n0\n1\n35\n");

    CAnimDoc doc(env);
    doc.Open(dir.File("scene.qul"));
    EXPECT_TRUE(env.ui.Messages().empty());
    EXPECT_TRUE(doc.isLayered);
    ASSERT_EQ(doc.HeldFrames(), 3);
    const AnimFrame& skyFrame = *doc.FindFrame(1);
    EXPECT_FALSE(skyFrame.layerOn);
    EXPECT_TRUE(skyFrame.smoothEdges);
    EXPECT_FALSE(skyFrame.opacityOn);
    EXPECT_EQ(skyFrame.opacity, 100);
    const AnimFrame& treeFrame = *doc.FindFrame(2);
    EXPECT_TRUE(treeFrame.layerOn);
    EXPECT_TRUE(treeFrame.opacityOn);
    EXPECT_EQ(treeFrame.opacity, 35);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(doc.FindFrame(i)->image->GetBitCount(), 24) << i;
        EXPECT_EQ(doc.FindFrame(i)->colourMode, ColourMode::TrueColour) << i;
    }
    // Each palette pixel shows the colour its own table gave it.
    EXPECT_EQ(testing::DifferenceBetween(*skyFrame.image, sky), "");
    EXPECT_EQ(testing::DifferenceBetween(*treeFrame.image, tree), "");
}

TEST_F(Scripts, BrokenScriptsCloseTheirWindow) {
    WriteText(dir.File("brush.qua"), "QLBSH....");
    WriteText(dir.File("huge.qua"), "QUASQ5000\nonly.bmp\n");
    for (const char* name : {"brush.qua", "huge.qua"}) {
        env.ui.ClearMessages();
        CAnimDoc doc(env);
        doc.Open(dir.File(name));
        EXPECT_TRUE(env.ui.OnlyMessageIs("'" + dir.File(name) + kNotValid, "Load Aborted", MessageIcon::Exclamation))
            << name;
        EXPECT_FALSE(doc.IsKept());
        EXPECT_TRUE(doc.openFailureTold);
    }

    // Nothing after the magic: no message here, the window says "File not loaded.".
    env.ui.ClearMessages();
    for (std::string_view text : {"QUASQ", "QUASQ0\n"}) {
        WriteText(dir.File("empty.qua"), text);
        CAnimDoc doc(env);
        doc.Open(dir.File("empty.qua"));
        EXPECT_FALSE(doc.IsKept());
        EXPECT_FALSE(doc.openFailureTold);
    }
    EXPECT_TRUE(env.ui.Messages().empty());

    CAnimDoc missing(env);
    missing.Open(dir.File("missing.qua"));
    EXPECT_FALSE(missing.IsKept());
    EXPECT_TRUE(missing.openFailureTold);
    EXPECT_TRUE(env.ui.OnlyMessageIs("Could not open file '" + dir.File("missing.qua") + "'", "File Opening Error",
                                     MessageIcon::Exclamation));
    EXPECT_TRUE(env.recentFiles.empty());
}

TEST_F(Scripts, ComposingLoadsTheChosenFilesAndNamesTheAnimationAfterTheFirst) {
    std::filesystem::create_directories(dir.File("shots.v2"));
    COXDIB a, b;
    testing::MakeGradient24(a, 5, 5);
    testing::MakeSmooth8(b, 4, 2);
    SaveTo(a, dir.File("shots.v2/Take_1.jpeg"));
    SaveTo(b, dir.File("shots.v2/take_2.bmp"));
    WriteText(dir.File("shots.v2/take_3.png"), "broken");

    // OK with nothing chosen is refused and the dialog opens again.
    env.ui.ExpectDialogOf<SequencerModel>("Animation Sequencer", [&](SequencerModel& m) {
        EXPECT_EQ(m.PathText(), dir.File("shots.v2"));
        EXPECT_EQ(m.Files(), (std::vector<std::string>{"Take_1.jpeg", "take_2.bmp", "take_3.png"}));
        return true;
    });
    env.ui.ExpectDialogOf<SequencerModel>("Animation Sequencer", [&](SequencerModel& m) {
        m.SelectAllFiles();
        m.AddSelected();
        m.DeselectAllFiles();
        m.SetFileSelected(1, true);
        m.AddSelected();
        return true;
    });
    env.currentFolder = dir.File("shots.v2");
    CAnimDoc doc(env);
    ASSERT_TRUE(doc.OnNewDocument(NewDocumentKind::Compose));
    ASSERT_EQ(env.ui.Messages().size(), 2u);
    EXPECT_EQ(env.ui.Messages()[0].text, "Please select files for the animation sequence.");
    EXPECT_EQ(env.ui.Messages()[0].title, "Animation Sequence Empty");
    EXPECT_EQ(env.ui.Messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(env.ui.Messages()[1].title, "Loading Error");

    EXPECT_TRUE(doc.isAnimation);
    EXPECT_TRUE(doc.changed);
    EXPECT_EQ(doc.frameCount, 4u);
    EXPECT_EQ(doc.rangeEnd, 4);
    EXPECT_EQ(doc.path, dir.File("shots.v2/Take_1.qua"));
    EXPECT_TRUE(doc.IsKept());
    EXPECT_EQ(doc.FindFrame(3)->name, dir.File("shots.v2/take_2.bmp"));
    EXPECT_EQ(doc.FindFrame(1)->colourMode, ColourMode::Colours256);
    EXPECT_EQ(doc.FindFrame(2)->image->GetSize(), (DibSize{400, 400}));
    EXPECT_LE(testing::LargestChannelDifference(*doc.FindFrame(0)->image, a), 40);
    EXPECT_EQ(env.settings.GetString("Previous Paths", "Animation Sequencer"), dir.File("shots.v2"));
    EXPECT_EQ(testing::ListFolder(dir.File("shots.v2")).size(), 3u);  // nothing written

    env.ui.ExpectDialog("Animation Sequencer", [](DialogModel&) { return false; });
    CAnimDoc cancelled(env);
    EXPECT_FALSE(cancelled.OnNewDocument(NewDocumentKind::Compose));
}

}  // namespace
}  // namespace quillor
