// The two batch renamers: the names they make, the order they go in, what a clash does,
// and every message on the way.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "utilities/add_dot_model.h"
#include "utilities/dot_rename_model.h"
#include "utilities/sequential_rename_model.h"

namespace quillor {
namespace {

using testing::ListFolder;
using testing::ReadBytes;
using testing::ScriptedInteraction;
using testing::TempDir;
using testing::WriteBytes;

using Names = std::vector<std::string>;

// Each file holds its own first name, so a test can tell which file went where.
void MakeFiles(const TempDir& dir, const Names& names) {
    for (const std::string& name : names) WriteBytes(dir.File(name), std::vector<std::uint8_t>(name.begin(), name.end()));
}
std::string Content(const TempDir& dir, const std::string& name) {
    const auto bytes = ReadBytes(dir.File(name));
    return std::string(bytes.begin(), bytes.end());
}
Names Texts(const ScriptedInteraction& ui) {
    Names texts;
    for (const auto& m : ui.Messages()) texts.push_back(m.text);
    return texts;
}

class SequentialRenameTest : public ::testing::Test {
protected:
    SequentialRenameTest() : model(ui, settings) {
        settings.SetString("Sequential Rename", "Path", dir.Path());
        model.Progress().SetListener([this](int value, int maximum) { bar.emplace_back(value, maximum); });
    }
    void SelectAll() { model.Files().SelectAll(); }

    TempDir dir;
    ScriptedInteraction ui;
    SettingsStore settings;
    SequentialRenameModel model;
    std::vector<std::pair<int, int>> bar;
};

TEST_F(SequentialRenameTest, NamesTakeTheBaseAFourDigitNumberAndTheirOwnExtension) {
    MakeFiles(dir, {"a.bmp", "b.jpg"});
    model.Load();
    EXPECT_EQ(model.NameBase(), "pic");
    EXPECT_EQ(model.StartText(), "1");
    EXPECT_EQ(model.Files().Filter(), "*.*");
    model.SetStartText("7");
    SelectAll();
    model.Rename();
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"pic0007.bmp", "pic0008.jpg"}));
    EXPECT_EQ(Content(dir, "pic0008.jpg"), "b.jpg");
    EXPECT_TRUE(ui.OnlyMessageIs("Done renaming files.", "Files Renamed", MessageIcon::Information));
    EXPECT_EQ(bar, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}, {0, 2}}));
    // The list is read again: it shows the new names, nothing selected.
    EXPECT_EQ(model.Files().Names(), (Names{"pic0007.bmp", "pic0008.jpg"}));
    EXPECT_TRUE(model.Files().SelectedIndices().empty());
    EXPECT_EQ(settings.GetString("Sequential Rename", "Start number"), "7");
    EXPECT_EQ(settings.GetString("Sequential Rename", "Name Base"), "pic");
    EXPECT_EQ(settings.GetString("Sequential Rename", "Type"), "*.*");
    EXPECT_EQ(settings.GetString("Sequential Rename", "Path"), dir.Path());

    EXPECT_EQ(SequentialRenameModel::NewName("archive.tar.gz", "x", 12345), "x12345.gz");
    EXPECT_EQ(SequentialRenameModel::NewName("README", "x", 3), "x0003");
    EXPECT_EQ(SequentialRenameModel::NewName(".profile", "x", -1), "x-001.profile");
}

TEST_F(SequentialRenameTest, GoesInFileNameOrderAndCanCountDown) {
    MakeFiles(dir, {"walk_10.bmp", "walk_2.bmp", "walk_1.bmp", "notes.txt"});
    settings.SetString("Sequential Rename", "Type", "*.bmp");
    settings.SetString("Sequential Rename", "Name Base", "step");
    settings.SetString("Sequential Rename", "Start number", "5");
    model.Load();
    EXPECT_EQ(model.Files().Names(), (Names{"walk_1.bmp", "walk_2.bmp", "walk_10.bmp"}));
    model.SetCountDown(true);
    SelectAll();
    model.Rename();
    EXPECT_EQ(Content(dir, "step0005.bmp"), "walk_1.bmp");
    EXPECT_EQ(Content(dir, "step0004.bmp"), "walk_2.bmp");
    EXPECT_EQ(Content(dir, "step0003.bmp"), "walk_10.bmp");
    EXPECT_EQ(Content(dir, "notes.txt"), "notes.txt");

    EXPECT_EQ(SequentialRenameModel::NextCount(0, false), 1);
    EXPECT_EQ(SequentialRenameModel::NextCount(9998, false), 9999);
    EXPECT_EQ(SequentialRenameModel::NextCount(9999, false), 1);
    EXPECT_EQ(SequentialRenameModel::NextCount(0, true), -1);
    model.SetStartText("12abc");
    EXPECT_EQ(model.StartNumber(), 12);
    model.SetStartText("none");
    EXPECT_EQ(model.StartNumber(), 0);
}

TEST_F(SequentialRenameTest, AClashIsNeverOverwrittenAndAsksWhetherToGoOn) {
    MakeFiles(dir, {"a.bmp", "b.bmp", "c.bmp", "pic0002.bmp"});
    settings.SetString("Sequential Rename", "Type", "?.bmp");
    model.Load();
    SelectAll();
    ui.ExpectQuestion("Rename File Error", Answer::No);
    model.Rename();
    ASSERT_EQ(ui.Questions().size(), 1u);
    EXPECT_EQ(ui.Questions()[0].text, "Could not rename file b.bmp\n Do you want to continue renaming the rest of the files?");
    EXPECT_EQ(ui.Questions()[0].buttons, QuestionButtons::YesNo);
    EXPECT_TRUE(ui.OnlyMessageIs("Renaming finished.", "Rename Aborted", MessageIcon::Information));
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"b.bmp", "c.bmp", "pic0001.bmp", "pic0002.bmp"}));
    EXPECT_EQ(Content(dir, "pic0002.bmp"), "pic0002.bmp");
    EXPECT_EQ(bar.back(), std::make_pair(0, 3));
    EXPECT_EQ(model.Files().Names(), (Names{"b.bmp", "c.bmp"}));

    // Going on: the clash is skipped, the next file takes the number after it.
    ui.ClearMessages();
    model.SetStartText("2");
    SelectAll();
    ui.ExpectQuestion("Rename File Error", Answer::Yes);
    model.Rename();
    EXPECT_EQ(ui.Questions().back().text, "Could not rename file b.bmp\n Do you want to continue renaming the rest of the files?");
    EXPECT_TRUE(ui.OnlyMessageIs("Done renaming files.", "Files Renamed", MessageIcon::Information));
    EXPECT_EQ(Content(dir, "pic0003.bmp"), "c.bmp");
    EXPECT_EQ(Content(dir, "pic0002.bmp"), "pic0002.bmp");
    EXPECT_EQ(Content(dir, "b.bmp"), "b.bmp");
}

TEST_F(SequentialRenameTest, NothingSelectedIsPointedOutAndNothingStored) {
    MakeFiles(dir, {"a.bmp"});
    model.Load();
    model.Rename();
    EXPECT_TRUE(ui.OnlyMessageIs("Please select files to rename from the list.", "No Selection", MessageIcon::Information));
    EXPECT_FALSE(settings.Has("Sequential Rename", "Name Base"));
    EXPECT_TRUE(bar.empty());
    // A file that already has its new name needs no rename.
    ui.ClearMessages();
    MakeFiles(dir, {"pic0001.bmp"});
    model.Files().Reread();
    model.Files().SetSelected(1, true);
    ASSERT_EQ(model.Files().SelectedNames(), Names{"pic0001.bmp"});
    model.Rename();
    EXPECT_TRUE(ui.OnlyMessageIs("Done renaming files.", "Files Renamed", MessageIcon::Information));
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"a.bmp", "pic0001.bmp"}));
}

class DotRenameTest : public ::testing::Test {
protected:
    DotRenameTest() : model(ui, settings) { settings.SetString("RemDot", "Path", dir.Path()); }
    void Select(const Names& names) {
        for (std::size_t i = 0; i < model.Files().Names().size(); ++i)
            for (const std::string& n : names)
                if (model.Files().Names()[i] == n) model.Files().SetSelected(i, true);
    }
    // The "Add Dot" dialog, answered with `offset`, checking the sample it shows.
    void ExpectOffset(int offset, const std::string& sample) {
        ui.ExpectDialogOf<AddDotModel>("Add Dot", [offset, sample](AddDotModel& dialog) {
            EXPECT_EQ(dialog.Sample(), sample);
            dialog.SetOffset(offset);
            return true;
        });
    }

    TempDir dir;
    ScriptedInteraction ui;
    SettingsStore settings;
    DotRenameModel model;
};

TEST_F(DotRenameTest, RemoveDotTakesOutTheFirstOfSeveralDotsAndCounts) {
    MakeFiles(dir, {"x.y", "x.y.z", "a.b.c", "ab.c", "p.q.r.s"});
    model.Load();
    Select({"x.y", "x.y.z", "a.b.c", "p.q.r.s"});
    std::vector<std::pair<int, int>> bar;
    model.Progress().SetListener([&bar](int v, int m) { bar.emplace_back(v, m); });
    model.RemoveDot();
    EXPECT_EQ(Texts(ui), (Names{"Could not rename 'a.b.c'.", "File 'x.y' did not need renaming.",
                                "2 files have been renamed successfully.\n 2 files could not be renamed."}));
    for (const auto& m : ui.Messages()) EXPECT_EQ(m.title, "Status");
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"a.b.c", "ab.c", "pq.r.s", "x.y", "xy.z"}));
    EXPECT_EQ(Content(dir, "ab.c"), "ab.c");
    EXPECT_EQ(Content(dir, "xy.z"), "x.y.z");
    EXPECT_EQ(bar.front(), std::make_pair(0, 4));
    EXPECT_EQ(bar[4], std::make_pair(4, 4));
    EXPECT_EQ(bar.back(), std::make_pair(0, 4));
    EXPECT_EQ(settings.GetString("RemDot", "File Type"), "*.*");

    ui.ClearMessages();
    model.Files().Reread();
    Select({"pq.r.s"});
    model.RemoveDot();
    EXPECT_TRUE(ui.OnlyMessageIs("1 files have been renamed successfully.", "Status", MessageIcon::Information));
    ui.ClearMessages();
    Select({"x.y"});
    model.RemoveDot();
    EXPECT_EQ(Texts(ui), (Names{"File 'x.y' did not need renaming.", "1 files could not be renamed."}));
}

TEST_F(DotRenameTest, AddDotPutsTheDotAfterTheOffsetAndRefusesShortNames) {
    MakeFiles(dir, {"abcdef", "ab", "uvwxyz", "ghijkl", "abc.def"});
    model.Load();
    Select({"abcdef", "ab", "ghijkl"});
    ExpectOffset(3, "abcdef");
    model.AddDot();
    EXPECT_EQ(Texts(ui), (Names{"File name 'ab' is too short to add dot in specified place.",
                                "Could not rename 'abcdef'.",
                                "1 files have been renamed successfully.\n 2 files could not be renamed."}));
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"ab", "abc.def", "abcdef", "ghi.jkl", "uvwxyz"}));
    EXPECT_EQ(Content(dir, "abc.def"), "abc.def");

    ui.ClearMessages();
    Select({"uvwxyz", "ab"});
    ExpectOffset(0, "uvwxyz");
    model.AddDot();
    EXPECT_TRUE(ui.OnlyMessageIs("2 files have been renamed successfully.", "Status", MessageIcon::Information));
    EXPECT_EQ(Content(dir, ".uvwxyz"), "uvwxyz");
    EXPECT_EQ(Content(dir, ".ab"), "ab");

    // Cancelling the offset renames nothing and says nothing.
    ui.ClearMessages();
    Select({"ghi.jkl"});
    ui.ExpectDialogOf<AddDotModel>("Add Dot", [](AddDotModel&) { return false; });
    model.AddDot();
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(std::filesystem::exists(dir.File("ghi.jkl")));
}

TEST_F(DotRenameTest, BothButtonsAskForAFolderAndASelectionFirst) {
    MakeFiles(dir, {"a.b.c"});
    model.Load();
    model.RemoveDot();
    EXPECT_TRUE(ui.OnlyMessageIs("Please select file(s) first.", "REQUEST", MessageIcon::Information));
    ui.ClearMessages();
    model.Files().SetFolder(dir.File("missing"));
    model.AddDot();
    EXPECT_TRUE(ui.OnlyMessageIs("Please select a valid path first.", "REQUEST", MessageIcon::Information));
    EXPECT_FALSE(settings.Has("RemDot", "File Type"));
}

TEST(AddDotModelTest, CountsCharactersNotBytes) {
    AddDotModel model("ééxyz");
    EXPECT_EQ(model.MaximumOffset(), 5);
    model.SetOffset(9);
    EXPECT_EQ(model.Offset(), 5);
    model.SetOffset(-2);
    EXPECT_EQ(model.Offset(), 0);
    model.SetOffset(1);
    EXPECT_EQ(model.SampleWithDot(), "é.éxyz");
    EXPECT_EQ(WithDotAt("abcdef", 6), "abcdef.");
    EXPECT_EQ(WithDotAt("abcdef", 7), std::nullopt);
    EXPECT_EQ(DotRenameModel::WithoutFirstDot("x.y"), std::nullopt);
    EXPECT_EQ(DotRenameModel::WithoutFirstDot(".a.b"), "a.b");
}

}  // namespace
}  // namespace quillor
