// The "Save Animation Sequence" dialog's rules, headless.

#include "document/save_sequence_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace quillor {
namespace {

using Names = std::vector<std::string>;

TEST(SaveSequenceModel, DefaultNamesComeFromTheDocumentPath) {
    EXPECT_EQ(SaveSequenceModel::DefaultScriptName("/a.b/Walk0001.qua", false), "Walk0001.qua");
    EXPECT_EQ(SaveSequenceModel::DefaultScriptName("/s/scene.qul", true), "scene.qul");
    EXPECT_EQ(SaveSequenceModel::DefaultScriptName("/s/movie.avi", false), "movie.qua");
    EXPECT_EQ(SaveSequenceModel::DefaultScriptName("/s/bare", true), "bare.qul");

    EXPECT_EQ(SaveSequenceModel::DefaultPrefix("walk0001.qua"), "walk");
    EXPECT_EQ(SaveSequenceModel::DefaultPrefix("ab12cd.qua"), "ab");  // of "ab12"
    EXPECT_EQ(SaveSequenceModel::DefaultPrefix("a1b2.qua"), "a1b");
    EXPECT_EQ(SaveSequenceModel::DefaultPrefix("12345.qua"), "1234");  // all four digits stay
    EXPECT_EQ(SaveSequenceModel::DefaultPrefix("1.qua"), "1.qu");
    EXPECT_EQ(SaveSequenceModel::DefaultPrefix("\xC3\xA9t\xC3\xA9" "9.qua"), "\xC3\xA9t\xC3\xA9");  // characters, not bytes
}

TEST(SaveSequenceModel, TheSaveListFollowsEveryFieldAndSelectsAllAgain) {
    SaveSequenceModel model(false, "/x/walk0001.qua", {"/x/a.bmp", "b.png", "c.jpg"});
    EXPECT_EQ(model.Title(), "Save Animation Sequence");
    EXPECT_EQ(model.ScriptCaption(), "Save sequence script");
    EXPECT_EQ(model.NewSequenceCaption(), "Save images as new sequence");
    EXPECT_EQ(model.SaveListLabel(), "Select images to save...");
    EXPECT_EQ(model.ScriptName(), "walk0001.qua");
    EXPECT_EQ(model.Prefix(), "walk");
    EXPECT_EQ(model.SaveItems(), (Names{"Frame 1 (walk0000.bmp)", "Frame 2 (walk0001.bmp)", "Frame 3 (walk0002.bmp)"}));

    model.SetItemSelected(1, false);
    model.SetStartText("1x2");
    EXPECT_EQ(model.StartText(), "12");
    EXPECT_TRUE(model.ItemSelected(1));
    model.SetTypeIndex(4);
    model.SetPrefix("runner");
    EXPECT_EQ(model.Prefix(), "runn");
    EXPECT_EQ(model.SaveItems()[2], "Frame 3 (runn0014.png)");
    model.SetTypeIndex(10);  // not a type: nothing changes
    EXPECT_EQ(model.TypeText(), "PNG");

    model.SetNewSequence(false);
    EXPECT_FALSE(model.SequenceFieldsEnabled());
    EXPECT_EQ(model.SaveItems(), (Names{"Frame 1 (/x/a.bmp)", "Frame 2 (b.png)", "Frame 3 (c.jpg)"}));

    model.SetScriptOn(false);
    EXPECT_FALSE(model.ScriptNameEnabled());
    model.DeselectAll();
    const auto refusal = model.CheckOk();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Please select images to save.");
    EXPECT_EQ(refusal->title, "Nothing To Save");
    EXPECT_EQ(refusal->icon, MessageIcon::Information);
    model.SetItemSelected(2, true);
    EXPECT_FALSE(model.CheckOk());
    const SequenceSaveRequest request = model.Request();
    EXPECT_EQ(request.frames, std::vector<int>{2});
    EXPECT_FALSE(request.writeScript);
    EXPECT_FALSE(request.newSequence);
    EXPECT_EQ(request.start, 12);
    EXPECT_EQ(request.type, "PNG");
}

TEST(SaveSequenceModel, ScriptNamesLoseWhatAFileNameCannotHold) {
    SaveSequenceModel model(false, "/x/a.qua", {"a.bmp"});
    model.SetScriptName("a:b*c?.qua");
    EXPECT_EQ(model.ScriptName(), "abc.qua");
    model.SetScriptName("..\\up/<in>|\"q\".qua");
    EXPECT_EQ(model.ScriptName(), "..upin\"q\".qua");
    model.SetScriptName(std::string(300, 'n'));
    EXPECT_EQ(model.ScriptName().size(), 256u);
}

TEST(SaveSequenceModel, LayeredDocumentsUseTheirOwnCaptionsSectionAndTargetSuffix) {
    SaveSequenceModel model(true, "/s/scene.qul", {"t.bmp", "l1.bmp", "l2.bmp"});
    EXPECT_EQ(model.Title(), "Save Layered Image");
    EXPECT_EQ(model.ScriptCaption(), "Save Layer Script");
    EXPECT_EQ(model.NewSequenceCaption(), "Save Image/layers as new sequence");
    EXPECT_EQ(model.SaveListLabel(), "Select image/layers to save");
    EXPECT_EQ(model.ScriptName(), "scene.qul");
    model.SetStartText("1");
    EXPECT_EQ(model.SaveItems(),
              (Names{"Frame 1 (scen0001_COMPILED_TARGET.bmp)", "Frame 2 (scen0002.bmp)", "Frame 3 (scen0003.bmp)"}));

    testing::TempDir dir;
    SettingsStore settings;
    model.SetTypeIndex(2);
    model.SetNewSequence(false);
    model.SetPathText(dir.Path());
    model.Store(settings);
    EXPECT_EQ(settings.GetString("Layered Save", "Path"), dir.Path());
    EXPECT_EQ(settings.GetInt("Layered Save", "BMP Checkbox", -1), 0);
    EXPECT_EQ(settings.GetInt("Layered Save", "Sequence Checkbox", -1), 1);
    EXPECT_EQ(settings.GetInt("Layered Save", "File Type", -1), 2);
    EXPECT_FALSE(settings.Has("Animation Save", "Path"));
}

TEST(SaveSequenceModel, SettingsAndTheOutputFolder) {
    testing::TempDir dir;
    std::filesystem::create_directory(dir.File("out"));
    testing::WriteBytes(dir.File("out/old.bmp"), {'x'});
    std::filesystem::create_directory(dir.File("out/sub"));
    std::vector<std::string> current;
    SaveSequenceModel model(false, "/x/a.qua", {"a.bmp"}, [&](const std::string& f) { current.push_back(f); });

    SettingsStore settings;
    model.Load(settings, dir.Path());  // nothing remembered: the current folder
    EXPECT_EQ(model.PathText(), dir.Path());
    EXPECT_TRUE(model.ScriptOn());
    EXPECT_TRUE(model.NewSequence());
    EXPECT_EQ(model.TypeIndex(), 0);
    EXPECT_EQ(model.FolderFiles(), Names{});

    settings.SetString("Animation Save", "Path", dir.File("out"));
    settings.SetInt("Animation Save", "Sequence Checkbox", 0);
    settings.SetInt("Animation Save", "BMP Checkbox", 0);
    settings.SetInt("Animation Save", "File Type", 77);  // out of range: the first type
    model.Load(settings, dir.Path());
    EXPECT_EQ(model.PathText(), dir.File("out"));
    EXPECT_EQ(current.back(), dir.File("out"));
    EXPECT_EQ(model.FolderFiles(), Names{"old.bmp"});
    EXPECT_FALSE(model.ScriptOn());
    EXPECT_FALSE(model.NewSequence());
    EXPECT_EQ(model.TypeIndex(), 0);
    EXPECT_EQ(model.SaveItems(), Names{"Frame 1 (a.bmp)"});

    EXPECT_FALSE(model.SetPathText(dir.File("nowhere")));
    EXPECT_EQ(model.FolderFiles(), Names{"old.bmp"});
    EXPECT_TRUE(model.SetPathText(dir.File("out/sub")));
    EXPECT_TRUE(model.FolderFiles().empty());
    EXPECT_EQ(current.back(), dir.File("out/sub"));
}

}  // namespace
}  // namespace quillor
