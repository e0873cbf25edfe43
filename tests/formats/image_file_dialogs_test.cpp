#include "formats/image_file_dialogs.h"

#include <gtest/gtest.h>

#include "platform/file_filter.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

TEST(ImageFileDialogsTest, DialogsRememberTheFolderPerTitle) {
    testing::TempDir dir;
    testing::ScriptedInteraction ui;
    SettingsStore settings;
    const ImageFileContext context{ui, settings};

    ui.ExpectOpenFile(dir.File("pics.png"));
    EXPECT_EQ(ChooseImageToOpen(context), dir.File("pics.png"));
    EXPECT_EQ(settings.GetString("Previous Paths", "Bitmap Open"), dir.Path());

    ui.ExpectOpenFile(std::nullopt);
    EXPECT_EQ(ChooseImageToOpen(context), std::nullopt);
    ASSERT_EQ(ui.FileRequests().size(), 2u);
    EXPECT_EQ(ui.FileRequests()[1].folder, dir.Path());
    EXPECT_EQ(ui.FileRequests()[1].title, "Bitmap Open");

    ui.ExpectSaveFile(std::nullopt);
    EXPECT_EQ(ChooseImageSaveAs("/somewhere/Old Name.PNG", context), std::nullopt);
    const FileDialogRequest& saveAs = ui.FileRequests()[2];
    EXPECT_EQ(saveAs.title, "Bitmap Save As");
    EXPECT_EQ(saveAs.fileName, "/somewhere/Old Name.PNG");
    EXPECT_EQ(saveAs.defaultExtension, "bmp");
    EXPECT_TRUE(saveAs.confirmOverwrite);
    EXPECT_NE(saveAs.folder, dir.Path());  // Save As remembers its own folder
}

TEST(ImageFileDialogsTest, FiltersListEveryFormatInOrder) {
    const auto open = ParseFileFilter(kBitmapOpenFilter);
    ASSERT_EQ(open.size(), 11u);
    EXPECT_EQ(open[0].name, "All Files (*.*)");
    EXPECT_EQ(FilterExtension(open[0]), "");
    EXPECT_EQ(open[8].name, "TIFF Files (*.tiff)");
    EXPECT_EQ(FilterExtension(open[8]), ".tiff");
    const auto save = ParseFileFilter(kBitmapSaveAsFilter);
    ASSERT_EQ(save.size(), 10u);
    EXPECT_EQ(save[3].name, "PAX Files (*.pax)");
    EXPECT_EQ(save[9].patterns, std::vector<std::string>{"*.tla"});
}

}  // namespace
}  // namespace quillor
