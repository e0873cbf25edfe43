// The composer: the order it lists files in, the folders it lists, and its two lists.

#include "document/sequencer_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "document/file_name_order.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

using Names = std::vector<std::string>;

// The composer's sort as first described: passes of neighbour swaps until none is made.
void BubbleSort(Names& names) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < names.size(); ++i)
            if (FileNameSortsAfter(names[i], names[i + 1])) {
                std::swap(names[i], names[i + 1]);
                swapped = true;
            }
    }
}

void Touch(const std::string& path) { testing::WriteBytes(path, {'x'}); }

TEST(FileNameOrder, NumbersCompareAsNumbersOnlyAtTheStartOfAPiece) {
    Names names = {"walk2.bmp", "frame_10.bmp", "10.bmp", "walk_10.bmp", "frame_2.bmp", "walk10.bmp",
                   "2.bmp",     "walk_2.bmp",   "frame_1.bmp", "007.bmp", "7.bmp", "100000000000000000000001.bmp",
                   "99999999999999999999999.bmp"};
    SortFileNames(names);
    EXPECT_EQ(names, (Names{"frame_1.bmp", "frame_2.bmp", "frame_10.bmp", "walk_2.bmp", "walk_10.bmp",
                            "walk10.bmp", "walk2.bmp", "2.bmp", "007.bmp", "7.bmp", "10.bmp",
                            "99999999999999999999999.bmp", "100000000000000000000001.bmp"}));
    EXPECT_FALSE(FileNameSortsAfter("a_.bmp", "a-.bmp"));  // a tie
    EXPECT_FALSE(FileNameSortsAfter("a-.bmp", "a_.bmp"));
    EXPECT_TRUE(FileNameSortsAfter("a.jpg", "a.bmp"));
    EXPECT_TRUE(FileNameSortsAfter("\xC3\xA9.bmp", "z.bmp"));  // bytes compare unsigned
}

TEST(FileNameOrder, TheStableSortGivesWhatNeighbourSwapsGive) {
    // Short names from a small alphabet meet every rule and plenty of ties.
    std::mt19937 random(12345);
    const std::string alphabet = "0129ab._-";
    for (int round = 0; round < 300; ++round) {
        Names names(std::size_t(random() % 40));
        for (auto& name : names) {
            const std::size_t length = random() % 7;
            for (std::size_t i = 0; i < length; ++i) name += alphabet[random() % alphabet.size()];
        }
        Names bubbled = names;
        BubbleSort(bubbled);
        SortFileNames(names);
        ASSERT_EQ(names, bubbled) << "round " << round;
    }
}

TEST(FileNameOrder, FoldersListTheirImageFilesInAnyLetterCase) {
    testing::TempDir dir;
    for (const char* name : {"frame_10.bmp", "frame_2.BMP", "frame_1.bmp", "shot.Jpeg", "a.tiff", "b.tif",
                             "notes.txt", "anim.qua", "b.gif", "c.pcx", "d.psd", "e.png", "f.pax", "g.tla",
                             "h.tga", "i.jpg"})
        Touch(dir.File(name));
    std::filesystem::create_directory(dir.File("folder.bmp"));
    EXPECT_EQ(ListComposableImages(dir.Path()),
              (Names{"a.tiff", "b.tif", "c.pcx", "d.psd", "e.png", "f.pax", "frame_1.bmp", "frame_2.BMP",
                     "frame_10.bmp", "g.tla", "h.tga", "i.jpg", "shot.Jpeg"}));
    EXPECT_TRUE(ListComposableImages(dir.File("missing")).empty());
    const Names all = ListFolderFiles(dir.Path());
    EXPECT_EQ(all.size(), 16u);  // every file, no folder
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));

    // Names that tie keep the order of the extension list.
    testing::TempDir ties;
    for (const char* name : {"x..png", "x..tga", "x..bmp"}) Touch(ties.File(name));
    EXPECT_EQ(ListComposableImages(ties.Path()), (Names{"x..bmp", "x..tga", "x..png"}));
}

TEST(FileNameOrder, ThousandsOfFilesAreListedWithoutALimit) {
    testing::TempDir dir;
    for (int i = 0; i < 10300; ++i) Touch(dir.File("f_" + std::to_string(i) + ".bmp"));
    const Names names = ListComposableImages(dir.Path());
    ASSERT_EQ(names.size(), 10300u);
    EXPECT_EQ(names[2], "f_2.bmp");
    EXPECT_EQ(names.back(), "f_10299.bmp");
}

struct Sequencer : ::testing::Test {
    testing::TempDir dir;
    SettingsStore settings;
    std::vector<std::string> madeCurrent;
    SequencerModel model{[this](const std::string& f) { madeCurrent.push_back(f); }};

    void SetUp() override {
        std::filesystem::create_directory(dir.File("walk"));
        for (const char* name : {"w_10.bmp", "w_2.bmp", "w_1.bmp"}) Touch(dir.File(std::string("walk/") + name));
        std::filesystem::create_directory(dir.File("run"));
        Touch(dir.File("run/r.png"));
    }
};

TEST_F(Sequencer, StartsInTheRememberedFolderElseTheCurrentOne) {
    model.Load(settings, dir.File("walk"));
    EXPECT_EQ(model.PathText(), dir.File("walk"));
    EXPECT_EQ(model.Files(), (Names{"w_1.bmp", "w_2.bmp", "w_10.bmp"}));
    EXPECT_EQ(madeCurrent, Names{dir.File("walk")});
    EXPECT_FALSE(model.AddEnabled());

    settings.SetString("Previous Paths", "Animation Sequencer", dir.File("run"));
    SequencerModel again;
    again.Load(settings, dir.File("walk"));
    EXPECT_EQ(again.Files(), Names{"r.png"});

    settings.SetString("Previous Paths", "Animation Sequencer", dir.File("gone"));
    SequencerModel gone;
    gone.Load(settings, dir.File("walk"));
    EXPECT_EQ(gone.ListedFolder(), dir.File("walk"));
}

TEST_F(Sequencer, TypingAFolderListsItAndOtherTextLeavesTheList) {
    model.Load(settings, dir.File("walk"));
    EXPECT_FALSE(model.SetPathText(dir.File("ru")));
    EXPECT_EQ(model.PathText(), dir.File("ru"));
    EXPECT_EQ(model.Files().size(), 3u);
    EXPECT_EQ(model.ListedFolder(), dir.File("walk"));
    EXPECT_TRUE(model.SetPathText(dir.File("run")));
    EXPECT_EQ(model.Files(), Names{"r.png"});
    EXPECT_EQ(madeCurrent.back(), dir.File("run"));
    EXPECT_TRUE(model.ChooseFolder(dir.File("walk")));
    EXPECT_EQ(model.PathText(), dir.File("walk"));

    model.Store(settings);
    EXPECT_EQ(settings.GetString("Previous Paths", "Animation Sequencer"), dir.File("walk"));
}

TEST_F(Sequencer, AddingRemovingAndTheEmptyRefusal) {
    model.Load(settings, dir.File("walk"));
    const std::optional<OkRefusal> refusal = model.CheckOk();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Please select files for the animation sequence.");
    EXPECT_EQ(refusal->title, "Animation Sequence Empty");
    EXPECT_EQ(refusal->icon, MessageIcon::Information);

    model.SetFileSelected(2, true);
    model.SetFileSelected(0, true);
    EXPECT_TRUE(model.AddEnabled());
    model.AddSelected();
    model.SetFileSelected(0, false);
    model.AddSelected();  // duplicates are allowed
    EXPECT_EQ(model.Sequence(), (Names{dir.File("walk/w_1.bmp"), dir.File("walk/w_10.bmp"), dir.File("walk/w_10.bmp")}));
    model.DeselectAllFiles();
    EXPECT_FALSE(model.AddEnabled());
    model.SelectAllFiles();
    EXPECT_TRUE(model.AddEnabled());

    // Files of another folder keep their own folder.
    model.SetPathText(dir.File("run"));
    EXPECT_FALSE(model.AddEnabled());  // a new list starts unselected
    model.SelectAllFiles();
    model.AddSelected();
    EXPECT_EQ(model.Sequence().back(), dir.File("run/r.png"));
    EXPECT_FALSE(model.CheckOk());

    model.SetSequenceSelected(0, true);
    model.SetSequenceSelected(2, true);
    model.RemoveSelected();
    EXPECT_EQ(model.Sequence(), (Names{dir.File("walk/w_10.bmp"), dir.File("run/r.png")}));
    EXPECT_FALSE(model.SequenceSelected(0));
    model.RemoveAll();
    EXPECT_TRUE(model.Sequence().empty());
    EXPECT_TRUE(model.CheckOk());

    EXPECT_EQ(SequencerModel::SequenceItemText("/a/b/walk0001.bmp"), "walk0001.bmp    (/a/b)");
    EXPECT_EQ(SequencerModel::SequenceItemText("/w.bmp"), "w.bmp    (/)");
}

}  // namespace
}  // namespace quillor
