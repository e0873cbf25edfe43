// "Browse Files" as a model: settings, folders, paging and Find, the file commands with
// their one step of undo, what each cell shows, and opening.

#include <gtest/gtest.h>

#include <filesystem>

#include "browser_pictures.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "utilities/browser_file_operation_model.h"
#include "utilities/browser_search_model.h"
#include "utilities/image_browser_model.h"

namespace quillor {
namespace {

using namespace std::chrono_literals;
using testing::ListFolder;
using testing::ReadBytes;
using testing::ScriptedInteraction;
using testing::TempDir;
using testing::WriteBytes;
using Names = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kSection = "Browse";

Names Listed(const ImageBrowserModel& model) {
    Names names;
    for (const BrowserEntry& entry : model.Entries()) names.push_back(entry.name);
    return names;
}

// Takes in thumbnails until the page has all of its own.
void WaitForPage(ImageBrowserModel& model) {
    for (int i = 0; i < 400; ++i) {
        model.PollThumbnails();
        const auto [done, total] = model.PageProgress();
        if (done == total) return;
        model.Worker().WaitForFinished(25ms);
    }
    ADD_FAILURE() << "the page's thumbnails never came";
}

class ImageBrowserTest : public ::testing::Test {
protected:
    TempDir dir;
    TempDir other;
    SettingsStore settings;
    ScriptedInteraction ui;

    // Each file holds its own name, so a test can tell which went where.
    void Files(const Names& names) {
        for (const std::string& name : names) WriteBytes(dir.File(name), Bytes(name.begin(), name.end()));
    }
    std::string Content(const std::string& name) {
        const Bytes bytes = ReadBytes(dir.File(name));
        return std::string(bytes.begin(), bytes.end());
    }
    std::unique_ptr<ImageBrowserModel> Browse() {
        settings.SetString(kSection, "Path", dir.Path());
        auto model = std::make_unique<ImageBrowserModel>(ui, settings);
        model->Load(other.Path());
        return model;
    }
    void AnswerFileOperation(const std::string& prompt, const std::string& name) {
        ui.ExpectDialogOf<BrowserFileOperationModel>("File Operation", [prompt, name](BrowserFileOperationModel& m) {
            EXPECT_EQ(m.Prompt(), prompt);
            m.SetText(name);
            return true;
        });
    }
};

TEST_F(ImageBrowserTest, StartsFromTheDefaultsAndStoresTheFiveSettingsOnOpen) {
    Files({"a.bmp"});
    ImageBrowserModel model(ui, settings);
    model.Load(dir.Path());
    EXPECT_EQ(model.Folder(), dir.Path());
    EXPECT_EQ(model.Grid().Columns(), 5);
    EXPECT_EQ(model.Grid().Rows(), 3);
    EXPECT_TRUE(model.Grid().Names());
    EXPECT_EQ(model.FileType(), 0);
    EXPECT_FALSE(settings.Has(kSection, "Columns")) << "nothing is stored before Open";

    model.SetColumnsText("7");
    model.SetShowNames(false);
    ASSERT_TRUE(model.Open());
    EXPECT_EQ(settings.GetString(kSection, "Path"), dir.Path());
    EXPECT_EQ(settings.GetInt(kSection, "File Type", -1), 0);
    EXPECT_EQ(settings.GetInt(kSection, "Names", -1), 0);
    EXPECT_EQ(settings.GetInt(kSection, "Columns", -1), 7);
    EXPECT_EQ(settings.GetInt(kSection, "Rows", -1), 3);
}

TEST_F(ImageBrowserTest, ColumnsAndRowsAreClampedWhereverTheyComeFrom) {
    settings.SetInt(kSection, "Columns", 0);
    settings.SetInt(kSection, "Rows", 40);
    settings.SetInt(kSection, "File Type", 3);
    auto model = Browse();
    EXPECT_EQ(model->Grid().Columns(), 1);
    EXPECT_EQ(model->Grid().Rows(), 25);
    EXPECT_EQ(model->SetColumnsText("0"), 1);
    EXPECT_EQ(model->SetColumnsText("40"), 25);
    EXPECT_EQ(model->SetRowsText("-3"), 1);
    EXPECT_EQ(model->SetRowsText("99999999999999"), 25);
    EXPECT_EQ(model->SetRowsText("x"), 1);
    EXPECT_EQ(model->SetRowsText(" 4"), 4);
    // "File Type" comes back as it was stored.
    model->Select(0);
    Files({"a.bmp"});
    model->SetFolder(dir.Path());
    ASSERT_TRUE(model->Open());
    EXPECT_EQ(settings.GetInt(kSection, "File Type", -1), 3);
}

TEST_F(ImageBrowserTest, AFolderThatCannotBeListedGivesWayToTheCurrentOne) {
    WriteBytes(other.File("here.png"), {'x'});
    settings.SetString(kSection, "Path", dir.File("gone"));
    ImageBrowserModel model(ui, settings);
    model.Load(other.Path());
    EXPECT_EQ(model.Folder(), other.Path());
    EXPECT_EQ(Listed(model), Names{"here.png"});

    Files({"a.bmp", "b.bmp"});
    model.SetFolder(dir.Path() + "/");
    EXPECT_EQ(model.Folder(), dir.Path());
    EXPECT_EQ(Listed(model), (Names{"a.bmp", "b.bmp"}));
    model.SetFolder(dir.File("a.bmp"));  // a file is no folder
    EXPECT_EQ(model.Folder(), other.Path());
}

TEST_F(ImageBrowserTest, ThePageRunsOverRowsAndStopsAtTheLast) {
    Names names;
    for (int i = 0; i < 23; ++i) names.push_back("f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".bmp");
    Files(names);
    auto model = Browse();
    EXPECT_EQ(model->Selection(), 0);
    EXPECT_EQ(model->LastRow(), 4);  // (23 - 1) / 5
    EXPECT_EQ(model->MaxTopRow(), 2);
    EXPECT_EQ(model->PageFirst(), 0);
    EXPECT_EQ(model->PageEnd(), 15);
    model->ScrollTo(9);
    EXPECT_EQ(model->TopRow(), 2);
    EXPECT_EQ(model->PageFirst(), 10);
    EXPECT_EQ(model->PageEnd(), 23);
    model->ScrollTo(-1);
    EXPECT_EQ(model->TopRow(), 0);

    // The keyboard moves the selection and the page follows it.
    model->MoveSelection(16);
    EXPECT_EQ(model->Selection(), 16);
    EXPECT_EQ(model->TopRow(), 1);
    model->MoveSelection(100);
    EXPECT_EQ(model->Selection(), 22);
    EXPECT_EQ(model->TopRow(), 2);
    model->MoveSelection(-12);
    EXPECT_EQ(model->TopRow(), 2);
    model->MoveSelection(-1);
    EXPECT_EQ(model->Selection(), 9);
    EXPECT_EQ(model->TopRow(), 1);

    // Fewer columns: the first file shown stays on the page.
    model->ScrollTo(2);
    model->SetColumns(2);
    EXPECT_EQ(model->TopRow(), 5);
    EXPECT_EQ(model->PageFirst(), 10);
}

TEST_F(ImageBrowserTest, FindMovesThePageToTheRowOfTheFileUnlessThatRunsPastTheEnd) {
    Names names;
    for (int i = 0; i < 23; ++i) names.push_back("f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".bmp");
    Files(names);
    auto model = Browse();
    const auto find = [&](const std::string& name) {
        ui.ExpectDialogOf<BrowserSearchModel>("Search", [name](BrowserSearchModel& m) {
            EXPECT_EQ(m.Names().size(), 23u);
            m.SetText(name);
            return true;
        });
        model->Find();
    };
    find("f07.bmp");
    EXPECT_EQ(model->Selection(), 7);
    EXPECT_EQ(model->TopRow(), 1);
    find("f21.bmp");  // row 4: pulled back to row 2, the last full page
    EXPECT_EQ(model->Selection(), 21);
    EXPECT_EQ(model->TopRow(), 2);
    find("f02.bmp");
    EXPECT_EQ(model->Selection(), 2);
    EXPECT_EQ(model->TopRow(), 0);
    find("F07.BMP");  // names compare exactly
    EXPECT_EQ(model->Selection(), 2);
    EXPECT_EQ(model->TopRow(), 0);

    // Choosing from the list is the same as typing.
    ui.ExpectDialogOf<BrowserSearchModel>("Search", [](BrowserSearchModel& m) {
        m.Choose(12);
        return true;
    });
    model->Find();
    EXPECT_EQ(model->Selection(), 12);
    EXPECT_EQ(model->TopRow(), 2);
    ui.ExpectDialogOf<BrowserSearchModel>("Search", [](BrowserSearchModel& m) {
        m.SetText("f00.bmp");
        return false;
    });
    model->Find();
    EXPECT_EQ(model->Selection(), 12);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ImageBrowserTest, UndoAfterADeleteBringsTheFileBackFromTheBackup) {
    Files({"a.bmp", "b.bmp"});
    auto model = Browse();
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Delete();
    EXPECT_EQ(ui.QuestionsAsked().back(), "Are you sure you want to delete file a.bmp?");
    EXPECT_EQ(ui.Questions().back().buttons, QuestionButtons::YesNo);
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"_backup_.bak", "b.bmp"}));
    EXPECT_EQ(Content("_backup_.bak"), "a.bmp");
    EXPECT_EQ(Listed(*model), Names{"b.bmp"});
    EXPECT_TRUE(model->CanUndo());

    ui.ExpectQuestion("Question", Answer::Yes);
    model->Undo();
    EXPECT_EQ(ui.QuestionsAsked().back(), "Are you sure you want to undo the deletion?");
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"a.bmp", "b.bmp"}));
    EXPECT_EQ(Content("a.bmp"), "a.bmp");
    EXPECT_EQ(Listed(*model), (Names{"a.bmp", "b.bmp"}));
    EXPECT_EQ(model->Selection(), 0);
    EXPECT_FALSE(model->CanUndo());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ImageBrowserTest, ASecondDeleteReplacesTheBackupSoOnlyTheLastCanBeUndone) {
    Files({"a.bmp", "b.bmp", "c.bmp"});
    auto model = Browse();
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Delete();  // a.bmp
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Delete();  // b.bmp, now first
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"_backup_.bak", "c.bmp"}));
    EXPECT_EQ(Content("_backup_.bak"), "b.bmp");
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Undo();
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"b.bmp", "c.bmp"}));
    EXPECT_FALSE(model->CanUndo());
    model->Undo();  // nothing left to undo, and nothing asked
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"b.bmp", "c.bmp"}));
}

TEST_F(ImageBrowserTest, AnsweringNoChangesNothing) {
    Files({"a.bmp"});
    auto model = Browse();
    ui.ExpectQuestion("Question", Answer::No);
    model->Delete();
    EXPECT_EQ(ListFolder(dir.Path()), Names{"a.bmp"});
    EXPECT_FALSE(model->CanUndo());

    AnswerFileOperation("Rename a.bmp as:", "b.bmp");
    model->Rename();
    ui.ExpectQuestion("Question", Answer::No);
    model->Undo();
    EXPECT_EQ(ListFolder(dir.Path()), Names{"b.bmp"});
    EXPECT_TRUE(model->CanUndo());
}

TEST_F(ImageBrowserTest, RenameOrCopyOntoAnExistingNameFailsAndChangesNothing) {
    Files({"a.bmp", "b.bmp"});
    auto model = Browse();
    AnswerFileOperation("Rename a.bmp as:", "b.bmp");
    model->Rename();
    EXPECT_TRUE(ui.OnlyMessageIs("Renaming failed. Check that the file name does not already exist.", "Status",
                                 MessageIcon::Exclamation));
    ui.ClearMessages();
    AnswerFileOperation("Copy a.bmp to:", "b.bmp");
    model->Copy();
    EXPECT_TRUE(ui.OnlyMessageIs("Copying failed. Check that the file name does not already exist.", "Status",
                                 MessageIcon::Exclamation));
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"a.bmp", "b.bmp"}));
    EXPECT_EQ(Content("a.bmp"), "a.bmp");
    EXPECT_EQ(Content("b.bmp"), "b.bmp");
    EXPECT_FALSE(model->CanUndo());
    EXPECT_EQ(model->Selection(), 0);
}

TEST_F(ImageBrowserTest, RenameAndCopyAreUndoneOneStepBack) {
    Files({"a.bmp", "b.bmp"});
    auto model = Browse();
    AnswerFileOperation("Rename a.bmp as:", "c.bmp");
    model->Rename();
    EXPECT_EQ(Listed(*model), (Names{"b.bmp", "c.bmp"}));
    EXPECT_EQ(model->Selection(), 1) << "the renamed file stays selected";
    EXPECT_EQ(Content("c.bmp"), "a.bmp");

    AnswerFileOperation("Copy c.bmp to:", "d.bmp");
    model->Copy();
    EXPECT_EQ(Content("d.bmp"), "a.bmp");
    EXPECT_EQ(Listed(*model), (Names{"b.bmp", "c.bmp", "d.bmp"}));
    // Only the copy can be undone now.
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Undo();
    EXPECT_EQ(ui.QuestionsAsked().back(), "Are you sure you want to undo the copy?");
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"b.bmp", "c.bmp"}));
    EXPECT_FALSE(model->CanUndo());

    AnswerFileOperation("Rename b.bmp as:", "e.bmp");
    model->Select(0);
    model->Rename();
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Undo();
    EXPECT_EQ(ui.QuestionsAsked().back(), "Are you sure you want to undo the rename?");
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"b.bmp", "c.bmp"}));
    EXPECT_EQ(Content("b.bmp"), "b.bmp");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ImageBrowserTest, UndoThatWouldReplaceAFileFailsAndCanBeTriedAgain) {
    Files({"a.bmp"});
    auto model = Browse();
    AnswerFileOperation("Rename a.bmp as:", "c.bmp");
    model->Rename();
    WriteBytes(dir.File("a.bmp"), {'n', 'e', 'w'});  // someone took the old name meanwhile
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Undo();
    EXPECT_TRUE(ui.OnlyMessageIs("Rename failed.", "Status", MessageIcon::Exclamation));
    EXPECT_EQ(Content("a.bmp"), "new");
    EXPECT_EQ(Content("c.bmp"), "a.bmp");
    EXPECT_TRUE(model->CanUndo());

    ui.ClearMessages();
    // The list still shows what it showed before the failure.
    ASSERT_EQ(Listed(*model), Names{"c.bmp"});
    AnswerFileOperation("Copy c.bmp to:", "d.bmp");
    model->Copy();
    std::filesystem::remove(dir.File("d.bmp"));
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Undo();
    EXPECT_TRUE(ui.OnlyMessageIs("Deletion failed.", "Status", MessageIcon::Exclamation));
}

TEST_F(ImageBrowserTest, DeletingAFileThatVanishedFails) {
    Files({"a.bmp", "b.bmp"});
    auto model = Browse();
    std::filesystem::remove(dir.File("a.bmp"));
    ui.ExpectQuestion("Question", Answer::Yes);
    model->Delete();
    EXPECT_TRUE(ui.OnlyMessageIs("Deletion failed.", "Status", MessageIcon::Exclamation));
    EXPECT_FALSE(model->CanUndo());
    EXPECT_EQ(Listed(*model), (Names{"a.bmp", "b.bmp"})) << "the list stays as it was";
}

TEST_F(ImageBrowserTest, CellsShowTheirThumbnailNameAndSelection) {
    testing::WriteSolid(dir.File("wide.bmp"), 200, 100, 255, 0, 0);
    testing::WriteSolid(dir.File("tall.png"), 50, 100, 0, 255, 0);
    testing::WriteSolid(dir.File("locked.pax"), 20, 20, 0, 0, 255, "secret");
    WriteBytes(dir.File("broken.tga"), {'x'});
    auto model = Browse();
    ASSERT_EQ(Listed(*model), (Names{"broken.tga", "locked.pax", "tall.png", "wide.bmp"}));
    model->Select(3);
    WaitForPage(*model);
    EXPECT_EQ(model->Caption(), "wide.bmp    Size: 200x100");
    const std::vector<BrowserCellPaint> cells = model->PageCells();
    ASSERT_EQ(cells.size(), 4u);
    const BrowserGrid& grid = model->Grid();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cells[std::size_t(i)].frame, grid.Frame(i));
        EXPECT_EQ(cells[std::size_t(i)].fill, grid.Fill(i));
        EXPECT_EQ(cells[std::size_t(i)].fillColour, MakeColour(133, 128, 138));
        EXPECT_EQ(cells[std::size_t(i)].frameColour, i == 3 ? MakeColour(255, 255, 255) : MakeColour(0, 0, 0));
        EXPECT_TRUE(cells[std::size_t(i)].showName);
        EXPECT_EQ(cells[std::size_t(i)].nameStrip, grid.NameStrip(i));
        EXPECT_EQ(cells[std::size_t(i)].nameColour, MakeColour(240, 235, 255));
    }
    EXPECT_EQ(cells[1].name, "locked.pax");
    // Files without a picture: no thumbnail and "LOCKED" in the middle of the cell.
    for (int i : {0, 1}) {
        EXPECT_EQ(cells[std::size_t(i)].thumbnail, nullptr);
        EXPECT_TRUE(cells[std::size_t(i)].locked);
        EXPECT_EQ(cells[std::size_t(i)].lockedArea, grid.Cell(i));
    }
    ASSERT_NE(cells[3].thumbnail, nullptr);
    EXPECT_EQ((ThumbnailSize{cells[3].thumbnail->width, cells[3].thumbnail->height}), (ThumbnailSize{82, 41}));
    EXPECT_EQ(cells[3].thumbnailAt, grid.ThumbnailAt(3, {82, 41}));
    EXPECT_EQ(cells[3].thumbnail->bgr[2], 255);
    ASSERT_NE(cells[2].thumbnail, nullptr);
    EXPECT_EQ(cells[2].thumbnail->height, 89);
    EXPECT_FALSE(cells[2].locked);

    // Without names the thumbnails grow down and no text is drawn.
    model->SetShowNames(false);
    WaitForPage(*model);
    const std::vector<BrowserCellPaint> bare = model->PageCells();
    EXPECT_FALSE(bare[1].showName);
    EXPECT_FALSE(bare[1].locked);
    EXPECT_EQ(bare[2].thumbnail->height, 104);
    model->Select(1);
    EXPECT_EQ(model->Caption(), "locked.pax    Size: 0x0");
}

TEST_F(ImageBrowserTest, AChangedFileGetsANewThumbnailWhenTheListIsMadeAgain) {
    testing::WriteSolid(dir.File("a.bmp"), 40, 40, 10, 10, 10);
    testing::WriteSolid(dir.File("b.bmp"), 40, 40, 20, 20, 20);
    auto model = Browse();
    WaitForPage(*model);
    const auto before = model->PageCells()[0].thumbnail;
    testing::WriteSolid(dir.File("a.bmp"), 40, 20, 200, 200, 200);
    // Copying b re-lists; b comes back from the cache, a is made again.
    model->Select(1);
    AnswerFileOperation("Copy b.bmp to:", "c.bmp");
    model->Copy();
    WaitForPage(*model);
    const std::vector<BrowserCellPaint> cells = model->PageCells();
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_NE(cells[0].thumbnail, before);
    EXPECT_EQ(cells[0].thumbnail->bgr[0], 200);
    EXPECT_EQ(model->Worker().Made(), 4u) << "a twice, b once, c once";
}

TEST_F(ImageBrowserTest, OpeningKeepsTheNamesOwnLetterCase) {
    Files({"PHOTO.JPG", "a.bmp"});
    auto model = Browse();
    EXPECT_FALSE(model->DoubleClickAt(11, 100)) << "outside the thumbnail area";
    EXPECT_FALSE(model->OpenedPath());
    // The first cell holds PHOTO.JPG (capitals sort first).
    ASSERT_TRUE(model->DoubleClickAt(20, 60));
    EXPECT_EQ(model->OpenedPath(), dir.Path() + "/PHOTO.JPG");
    EXPECT_EQ(settings.GetString(kSection, "Path"), dir.Path());

    // A click on a cell without a file leaves the selection.
    model->Select(1);
    EXPECT_FALSE(model->ClickAt(300, 60));
    EXPECT_EQ(model->Selection(), 1);
    ASSERT_TRUE(model->DoubleClickAt(300, 60));
    EXPECT_EQ(model->OpenedPath(), dir.Path() + "/a.bmp");
}

TEST_F(ImageBrowserTest, AnEmptyFolderHasNothingToSelectOrOpen) {
    auto model = Browse();
    EXPECT_EQ(model->Selection(), -1);
    EXPECT_EQ(model->Caption(), "");
    EXPECT_FALSE(model->Open());
    EXPECT_FALSE(model->DoubleClickAt(20, 60));
    model->Delete();
    model->Rename();
    model->Copy();
    EXPECT_TRUE(model->PageCells().empty());
    EXPECT_EQ(model->PageProgress(), (std::pair<int, int>{0, 0}));
}

TEST_F(ImageBrowserTest, TheCommandRunsTheDialogAndGivesTheChosenFile) {
    Files({"a.bmp", "b.bmp"});
    settings.SetString(kSection, "Path", dir.Path());
    ui.ExpectDialogOf<ImageBrowserModel>("Browse Files", [](ImageBrowserModel& m) {
        m.Select(1);
        return m.Open();
    });
    EXPECT_EQ(RunBrowseFiles(ui, settings), dir.Path() + "/b.bmp");
    ui.ExpectDialogOf<ImageBrowserModel>("Browse Files", [](ImageBrowserModel&) { return false; });
    EXPECT_EQ(RunBrowseFiles(ui, settings), std::nullopt);
}

}  // namespace
}  // namespace quillor
