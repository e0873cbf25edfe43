// The palette mapper's dialog model: its lists, its settings and what OK asks for.

#include "utilities/palette_mapper_model.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "document/file_name_order.h"
#include "support/palette_bmp.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

using testing::DistinctPalette;
using testing::PaletteBmp;
using testing::ReadBytes;
using testing::ScriptedInteraction;
using testing::TempDir;
using testing::WriteBytes;

using Names = std::vector<std::string>;
constexpr std::string_view kSection = PaletteMapperModel::kSection;

TEST(FolderFileListTest, ListsMatchingFilesWithoutFoldersInAnyLetterCase) {
    TempDir dir;
    for (const char* name : {"b.bmp", "A.BMP", "c.Bmp", "d.bmp.txt", "e.jpg", ".hidden.bmp", "noext"})
        WriteBytes(dir.File(name), {1});
    std::filesystem::create_directory(dir.File("folder.bmp"));
    FolderFileList list;
    list.Set(dir.Path(), "*.bmp");
    EXPECT_TRUE(list.Valid());
    EXPECT_EQ(list.Names(), (Names{"A.BMP", "b.bmp", "c.Bmp"}));
    list.SetFilter("*.jpg; *.TXT");
    EXPECT_EQ(list.Entries(), (Names{"d.bmp.txt", "e.jpg"}));
    list.SetFilter("*.*");
    EXPECT_EQ(list.Names(), (Names{"A.BMP", "b.bmp", "c.Bmp", "d.bmp.txt", "e.jpg", "noext"}));
    list.SetFilter(".*");
    EXPECT_EQ(list.Names(), (Names{".hidden.bmp"}));

    // A folder that cannot be entered shows one entry that is no file and takes no selection.
    list.SetFolder(dir.File("gone"));
    EXPECT_FALSE(list.Valid());
    EXPECT_EQ(list.Entries(), (Names{"(PATH NOT VALID)"}));
    list.SelectAll();
    list.SetSelected(0, true);
    EXPECT_TRUE(list.SelectedIndices().empty());
    list.SetFolder(dir.File("b.bmp"));  // a file is no folder
    EXPECT_FALSE(list.Valid());
    list.SetFolder("");
    EXPECT_FALSE(list.Valid());
}

TEST(FolderFileListTest, HoldsWhatTheFolderHoldsInTheOrderAsked) {
    TempDir dir;
    for (int i = 0; i < 10300; ++i) WriteBytes(dir.File("f_" + std::to_string(i) + ".bmp"), {});
    FolderFileList bytes;
    bytes.Set(dir.Path(), "*.bmp");
    ASSERT_EQ(bytes.Names().size(), 10300u);
    EXPECT_EQ(bytes.Names()[1], "f_1.bmp");
    EXPECT_EQ(bytes.Names()[2], "f_10.bmp");
    FolderFileList numbered(FolderFileList::Order::FileNames);
    numbered.Set(dir.Path(), "*.bmp");
    EXPECT_EQ(numbered.Names()[2], "f_2.bmp");
    EXPECT_EQ(numbered.Names().back(), "f_10299.bmp");

    numbered.SelectOnly(3);
    numbered.SelectOnly(5);
    EXPECT_EQ(numbered.SelectedNames(), Names{"f_5.bmp"});
    EXPECT_EQ(numbered.PathOf(5), JoinPath(dir.Path(), "f_5.bmp"));
    numbered.Reread();
    EXPECT_TRUE(numbered.SelectedIndices().empty());
}

class PaletteMapperModelTest : public ::testing::Test {
protected:
    PaletteMapperModelTest() : model(ui, settings) {
        PaletteBmp source;
        source.palette = DistinctPalette(8);
        std::filesystem::create_directory(dir.File("src"));
        std::filesystem::create_directory(dir.File("dst"));
        WriteBytes(dir.File("src/pal.bmp"), source.Bytes());
        PaletteBmp dest;
        WriteBytes(dir.File("dst/a.bmp"), dest.Bytes());
        dest.bitCount = 24;
        WriteBytes(dir.File("dst/b.bmp"), dest.Bytes());
        dest.bitCount = 8;
        WriteBytes(dir.File("dst/c.bmp"), dest.Bytes());
        WriteBytes(dir.File("dst/other.png"), {1, 2});
        settings.SetString(kSection, "Source Path", dir.File("src"));
        settings.SetString(kSection, "Destination Path", dir.File("dst"));
    }

    TempDir dir;
    ScriptedInteraction ui;
    SettingsStore settings;
    PaletteMapperModel model;
};

TEST_F(PaletteMapperModelTest, StartsFromTheWorkingFolderAndKnownValues) {
    SettingsStore empty;
    PaletteMapperModel fresh(ui, empty);
    fresh.Load();
    const std::string working = std::filesystem::current_path().string();
    EXPECT_EQ(fresh.Source().Folder(), working);
    EXPECT_EQ(fresh.Destination().Folder(), working);
    EXPECT_EQ(fresh.Source().Filter(), "*.bmp");
    EXPECT_EQ(fresh.Destination().Filter(), "*.bmp");
    EXPECT_EQ(fresh.Operation(), PaletteOperation::ReplacePalette);
    EXPECT_EQ(fresh.Title(), "256 Colour BMP Palette Mapper");

    // A hand-edited operation outside the two there are is the first.
    settings.SetInt(kSection, "operation type", 7);
    model.Load();
    EXPECT_EQ(model.Operation(), PaletteOperation::ReplacePalette);
    settings.SetInt(kSection, "Operation Type", 1);
    settings.SetString(kSection, "Destination File Type", "*.png");
    model.Load();
    EXPECT_EQ(model.Operation(), PaletteOperation::ReplaceAndRemap);
    EXPECT_EQ(model.Source().Names(), Names{"pal.bmp"});
    EXPECT_EQ(model.Destination().Names(), Names{"other.png"});
}

TEST_F(PaletteMapperModelTest, OkPointsOutWhatIsMissingOneThingAtATime) {
    model.Load();
    const auto refusedWith = [this](const std::string& text) {
        ui.ClearMessages();
        model.Ok();
        return ui.OnlyMessageIs(text, "REQUEST", MessageIcon::Information);
    };
    model.Source().SetFolder(dir.File("nowhere"));
    model.Destination().SetFolder(dir.File("nowhere"));
    EXPECT_TRUE(refusedWith("Please select a valid source path first."));
    model.Source().SetFolder(dir.File("src"));
    EXPECT_TRUE(refusedWith("Please select source file first."));
    model.Source().SelectOnly(0);
    EXPECT_TRUE(refusedWith("Please select a valid destination path first."));
    model.Destination().SetFolder(dir.File("dst"));
    EXPECT_TRUE(refusedWith("Please select destination file(s) first."));
    EXPECT_EQ(ui.WaitCount(), 0);
    // Nothing was run, so nothing was stored.
    EXPECT_EQ(settings.GetString(kSection, "Destination Path"), dir.File("dst"));
    EXPECT_FALSE(settings.Has(kSection, "Operation Type"));
}

TEST_F(PaletteMapperModelTest, OkMapsTheSelectionDeselectsWhatItRewroteAndStores) {
    model.Load();
    model.Source().SelectOnly(0);
    model.Destination().SelectAll();
    model.SetOperation(PaletteOperation::ReplaceAndRemap);
    const auto before = ReadBytes(dir.File("dst/b.bmp"));
    model.Ok();
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[0].text, "File 'b.bmp' is not a 2/16/256 colour BMP.");
    EXPECT_EQ(ui.Messages()[1].text, "Done.");
    EXPECT_EQ(model.Destination().SelectedNames(), Names{"b.bmp"});
    EXPECT_EQ(model.Source().SelectedNames(), Names{"pal.bmp"});
    EXPECT_EQ(ReadBytes(dir.File("dst/b.bmp")), before);
    const auto mapped = ReadBytes(dir.File("dst/a.bmp"));
    const auto palette = DistinctPalette(8);
    ASSERT_GE(mapped.size(), 1078u);
    EXPECT_TRUE(std::equal(palette.begin(), palette.end(), mapped.begin() + 54));
    EXPECT_EQ(settings.GetInt(kSection, "Operation Type", -1), 1);
    EXPECT_EQ(settings.GetString(kSection, "Source File Type"), "*.bmp");
    EXPECT_EQ(settings.GetString(kSection, "Destination File Type"), "*.bmp");
}

TEST_F(PaletteMapperModelTest, ExitStoresAndClosingOtherwiseDoesNot) {
    ui.ExpectDialogOf<PaletteMapperModel>("256 Colour BMP Palette Mapper", [&](PaletteMapperModel& shown) {
        EXPECT_EQ(shown.Source().Names(), Names{"pal.bmp"});
        shown.Destination().SetFilter("*.png");
        return false;  // closed without "&Exit"
    });
    RunPaletteMapper(ui, settings);
    EXPECT_FALSE(settings.Has(kSection, "Destination File Type"));

    ui.ExpectDialogOf<PaletteMapperModel>("256 Colour BMP Palette Mapper", [&](PaletteMapperModel& shown) {
        shown.Destination().SetFilter("*.png");
        shown.Source().SetFolder(dir.File("dst"));
        shown.SetOperation(PaletteOperation::ReplaceAndRemap);
        return true;  // "&Exit"
    });
    RunPaletteMapper(ui, settings);
    EXPECT_EQ(settings.GetString(kSection, "Destination File Type"), "*.png");
    EXPECT_EQ(settings.GetString(kSection, "Source Path"), dir.File("dst"));
    EXPECT_EQ(settings.GetInt(kSection, "Operation Type", -1), 1);
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace quillor
