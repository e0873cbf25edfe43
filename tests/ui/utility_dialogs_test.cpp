// The palette mapper and renamer dialogs, driven through their widgets offscreen.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/palette_bmp.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "ui/support/widget_text.h"
#include "utilities/ui/add_dot_dialog.h"
#include "utilities/ui/dot_rename_dialog.h"
#include "utilities/ui/palette_mapper_dialog.h"
#include "utilities/ui/sequential_rename_dialog.h"
#include "utilities/ui/utility_dialogs.h"

namespace quillor {
namespace {

using testing::ListFolder;
using testing::PaletteBmp;
using testing::ScriptedInteraction;
using testing::ShowsText;
using testing::TempDir;
using testing::WriteBytes;

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}
QStringList SelectedItems(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) items << list->item(i)->text();
    return items;
}

TEST(UtilityDialogsTest, EveryModelHasItsDialog) {
    QtInteraction qt;
    RegisterUtilityDialogs(qt);
    ScriptedInteraction ui;
    SettingsStore settings;
    EXPECT_TRUE(qt.CanShow(PaletteMapperModel(ui, settings)));
    EXPECT_TRUE(qt.CanShow(SequentialRenameModel(ui, settings)));
    EXPECT_TRUE(qt.CanShow(DotRenameModel(ui, settings)));
    EXPECT_TRUE(qt.CanShow(AddDotModel("name")));
}

TEST(UtilityDialogsTest, PaletteMapperListsFoldersAsTypedAndMapsOnOk) {
    TempDir dir;
    PaletteBmp bmp;
    bmp.palette = testing::DistinctPalette(2);
    for (const char* name : {"one.bmp", "two.bmp", "three.bmp"}) WriteBytes(dir.File(name), bmp.Bytes());
    WriteBytes(dir.File("skip.png"), {1});
    ScriptedInteraction ui;
    SettingsStore settings;
    settings.SetString("256 Palette Mapper", "Source Path", dir.Path());
    settings.SetString("256 Palette Mapper", "Destination Path", dir.File("none"));
    settings.SetInt("256 Palette Mapper", "Operation Type", 1);
    PaletteMapperModel model(ui, settings);
    model.Load();
    PaletteMapperDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "256 Colour BMP Palette Mapper");
    EXPECT_EQ(dialog.replace->text(), "Replace destination palette");
    EXPECT_EQ(dialog.remap->text(), "Replace destination palette");
    EXPECT_TRUE(ShowsText(dialog, "and remap image to it."));
    EXPECT_TRUE(dialog.remap->isChecked());
    EXPECT_EQ(dialog.ok->text(), "&OK");
    EXPECT_EQ(dialog.exit->text(), "&Exit");
    EXPECT_EQ(dialog.selectAll->text(), "&Select All");
    EXPECT_EQ(dialog.deselectAll->text(), "&Deselect All");
    EXPECT_EQ(dialog.source->browse->text(), "...");
    EXPECT_EQ(dialog.source->filter->text(), "*.bmp");
    EXPECT_EQ(Items(dialog.source->list), (QStringList{"one.bmp", "three.bmp", "two.bmp"}));
    EXPECT_EQ(Items(dialog.destination->list), QStringList{"(PATH NOT VALID)"});

    // The folder box lists as it is typed into; the browser's choice too.
    dialog.destination->path->clear();
    QTest::keyClicks(dialog.destination->path, QString::fromStdString(dir.Path()).chopped(1));
    EXPECT_EQ(Items(dialog.destination->list), QStringList{"(PATH NOT VALID)"});
    QTest::keyClicks(dialog.destination->path, QString::fromStdString(dir.Path()).right(1));
    EXPECT_EQ(dialog.destination->list->count(), 3);
    dialog.source->chooseFolder = [&](const QString&) { return QString::fromStdString(dir.Path()); };
    dialog.source->browse->click();
    EXPECT_EQ(dialog.source->path->text().toStdString(), dir.Path());
    dialog.destination->filter->selectAll();
    QTest::keyClicks(dialog.destination->filter, "*.PNG");
    EXPECT_EQ(Items(dialog.destination->list), QStringList{"skip.png"});
    dialog.destination->filter->selectAll();
    QTest::keyClicks(dialog.destination->filter, "*.bmp");

    // The source takes one file; the destination any, both ways in step with the model.
    dialog.source->list->item(0)->setSelected(true);
    dialog.source->list->item(2)->setSelected(true);
    EXPECT_EQ(model.Source().SelectedNames(), std::vector<std::string>{"two.bmp"});
    dialog.selectAll->click();
    EXPECT_EQ(SelectedItems(dialog.destination->list).size(), 3);
    EXPECT_EQ(model.Destination().SelectedIndices().size(), 3u);
    dialog.deselectAll->click();
    EXPECT_TRUE(SelectedItems(dialog.destination->list).isEmpty());
    dialog.destination->list->item(0)->setSelected(true);
    dialog.destination->list->item(1)->setSelected(true);
    dialog.replace->click();
    EXPECT_EQ(model.Operation(), PaletteOperation::ReplacePalette);

    // OK maps, stays open and deselects what it rewrote.
    dialog.show();
    dialog.ok->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].text, "Done.");
    EXPECT_TRUE(SelectedItems(dialog.destination->list).isEmpty());
    EXPECT_EQ(settings.GetInt("256 Palette Mapper", "Operation Type", -1), 0);
    dialog.exit->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(UtilityDialogsTest, SequentialRenameTakesItsFieldsAndShowsTheNewNames) {
    TempDir dir;
    for (const char* name : {"a.bmp", "b.jpg"}) WriteBytes(dir.File(name), {1});
    ScriptedInteraction ui;
    SettingsStore settings;
    settings.SetString("Sequential Rename", "Path", dir.Path());
    SequentialRenameModel model(ui, settings);
    model.Load();
    SequentialRenameDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Batch Sequential File Rename");
    EXPECT_EQ(dialog.nameBase->text(), "pic");
    EXPECT_EQ(dialog.start->text(), "1");
    EXPECT_EQ(dialog.countDown->text(), "Count Down");
    EXPECT_EQ(dialog.files->filter->text(), "*.*");
    dialog.start->selectAll();
    QTest::keyClicks(dialog.start, "7");
    dialog.nameBase->selectAll();
    QTest::keyClicks(dialog.nameBase, "shot");
    dialog.countDown->click();
    dialog.files->list->selectAll();
    dialog.rename->click();
    EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"shot0006.jpg", "shot0007.bmp"}));
    EXPECT_EQ(Items(dialog.files->list), (QStringList{"shot0006.jpg", "shot0007.bmp"}));
    // The bar ran over the two files and is back at the start.
    EXPECT_EQ(dialog.progress->maximum(), 2);
    EXPECT_EQ(dialog.progress->value(), 0);
    EXPECT_TRUE(ui.OnlyMessageIs("Done renaming files.", "Files Renamed", MessageIcon::Information));
}

TEST(UtilityDialogsTest, DotRenamerAsksForTheOffsetAndFollowsTheRunOnItsBar) {
    TempDir dir;
    for (const char* name : {"x.y.z", "p.q.r"}) WriteBytes(dir.File(name), {1});
    ScriptedInteraction ui;
    SettingsStore settings;
    settings.SetString("RemDot", "Path", dir.Path());
    DotRenameModel model(ui, settings);
    model.Load();
    DotRenameDialog dialog(model);
    EXPECT_EQ(dialog.removeDot->text(), "&Remove Dot");
    EXPECT_EQ(dialog.addDot->text(), "&Add Dot");
    dialog.files->list->selectAll();
    ui.ExpectDialogOf<AddDotModel>("Add Dot", [&](AddDotModel& offset) {
        AddDotDialog shown(offset);
        EXPECT_EQ(shown.windowTitle(), "Add Dot");
        EXPECT_TRUE(ShowsText(shown, "Dot Offset:"));
        EXPECT_EQ(shown.sample->text(), "p.q.r");
        EXPECT_EQ(shown.offset->maximum(), 5);
        shown.offset->setValue(1);
        EXPECT_EQ(shown.result->text(), "p..q.r");
        return true;
    });
    dialog.addDot->click();
    EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"p..q.r", "x..y.z"}));
    EXPECT_EQ(dialog.progress->maximum(), 2);
    EXPECT_EQ(dialog.progress->value(), 0);
    EXPECT_TRUE(ui.OnlyMessageIs("2 files have been renamed successfully.", "Status", MessageIcon::Information));
    dialog.files->list->selectAll();
    ui.ClearMessages();
    dialog.removeDot->click();
    EXPECT_EQ(ListFolder(dir.Path()), (std::vector<std::string>{"p.q.r", "x.y.z"}));
}

}  // namespace
}  // namespace quillor
