#include <gtest/gtest.h>

#include <set>

#include "app/app_commands.h"
#include "app/command_table.h"
#include "app/recent_file_list.h"
#include "app/window_placement.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "app/display_check.h"
#include "tools/magnify_options_model.h"
#include "tools/spray_options_model.h"
#include "tools/symmetry_options_model.h"
#include "tools/tool_context.h"
#include "tools/tool_preferences.h"

namespace quillor {
namespace {

TEST(RecentFileListTest, KeepsSixteenMostRecentFirstWithoutRepeats) {
    RecentFileList list;
    for (int i = 0; i < 20; ++i) list.Add("/p/" + std::to_string(i) + ".bmp");
    ASSERT_EQ(list.Paths().size(), 16u);
    EXPECT_EQ(list.Paths().front(), "/p/19.bmp");
    EXPECT_EQ(list.Paths().back(), "/p/4.bmp");
    list.Add("/p/10.bmp");
    EXPECT_EQ(list.Paths().front(), "/p/10.bmp");
    EXPECT_EQ(std::count(list.Paths().begin(), list.Paths().end(), "/p/10.bmp"), 1);

    SettingsStore settings;
    list.Store(settings);
    EXPECT_EQ(settings.GetString("Recent File List", "File1"), "/p/10.bmp");
    EXPECT_EQ(settings.GetString("Recent File List", "File16"), "/p/4.bmp");
    RecentFileList again;
    again.Load(settings);
    EXPECT_EQ(again.Paths(), list.Paths());

    RecentFileList shorter;
    shorter.Add("/only.png");
    shorter.Store(settings);  // entries beyond the list's length go
    EXPECT_FALSE(settings.Has("Recent File List", "File2"));
}

TEST(WindowPlacementTest, ZeroRectangleMeansTheDefaultPlacement) {
    SettingsStore settings;
    WindowPlacement p;
    p.Load(settings);
    EXPECT_FALSE(p.HasRectangle());
    EXPECT_FALSE(p.maximised);
    p = WindowPlacement{true, 10, 20, 810, 620};
    p.Store(settings);
    WindowPlacement q;
    q.Load(settings);
    EXPECT_TRUE(q.maximised);
    EXPECT_TRUE(q.RectangleUsable());
    EXPECT_EQ(q.right, 810);
    settings.SetInt("Last Window Size", "Right", 2000000000);  // hand-edited past any screen
    q.Load(settings);
    EXPECT_FALSE(q.RectangleUsable());
    settings.SetInt("Last Window Size", "Right", 5);  // narrower than nothing
    q.Load(settings);
    EXPECT_TRUE(q.HasRectangle());
    EXPECT_FALSE(q.RectangleUsable());
}

TEST(ToolPreferencesTest, DefaultsAndEveryKeyRoundTrip) {
    SettingsStore settings;
    ToolPreferences p;
    p.Load(settings);
    EXPECT_EQ(p.squareOnly, 1);
    EXPECT_EQ(p.magnifyType, 7);
    EXPECT_EQ(p.magnifyFixed, 5);
    EXPECT_EQ(p.brushBilinearStretch, 1);
    p.Store(settings);
    for (const char* key : {"Circle Only", "Square Only", "Spray Size", "Spray Density",
                            "Symmetry Style", "Symmetry Points", "Symmetry Width", "Symmetry Height",
                            "Symmetry Centre X", "Symmetry Centre Y", "Magnify Fixed", "Magnify Type",
                            "Brush Rotate Guide Only", "Brush Anti Alias", "Brush Bi-linear Stretch",
                            "Animated Brush", "Black Insert"})
        EXPECT_TRUE(settings.Has("Preferences", key)) << key;
    settings.SetInt("Preferences", "Spray Size", 44);
    p.Load(settings);
    EXPECT_EQ(p.spraySize, 44);
}

TEST(ToolPreferencesTest, HandEditedValuesAreHeldToTheirDialogsRanges) {
    SettingsStore settings;
    settings.SetString("Preferences", "Symmetry Points", "2000000000");
    settings.SetString("Preferences", "Spray Size", "-5");
    settings.SetString("Preferences", "Spray Density", "100000");
    settings.SetString("Preferences", "Symmetry Width", "0");
    settings.SetString("Preferences", "Symmetry Centre X", "-2000000000");
    settings.SetString("Preferences", "Magnify Fixed", "0");
    settings.SetString("Preferences", "Magnify Type", "9");
    settings.SetString("Preferences", "Symmetry Style", "-1");
    settings.SetString("Preferences", "Animated Brush", "7");
    ToolPreferences p;
    p.Load(settings);
    EXPECT_EQ(p.symmetryPoints, SymmetryOptionsModel::kMaxPoints);
    EXPECT_EQ(p.spraySize, SprayOptionsModel::kMinimum);
    EXPECT_EQ(p.sprayDensity, SprayOptionsModel::kMaximum);
    EXPECT_EQ(p.symmetryWidth, SymmetryOptionsModel::kMinSide);
    EXPECT_EQ(p.symmetryCentreX, -65535);
    EXPECT_EQ(p.magnifyFixed, MagnifyOptionsModel::kMinFixed);
    EXPECT_EQ(p.magnifyType, 7);
    EXPECT_EQ(p.symmetryStyle, 0);
    EXPECT_EQ(p.animatedBrush, 1);

    // The tools take them as they are now, and the dialogs show the same values.
    ToolContext tools;
    tools.settings = p;
    EXPECT_EQ(tools.Symmetry().points, 999);
    SymmetryOptionsModel dialog;
    dialog.Load(p);
    EXPECT_EQ(dialog.Points(), p.symmetryPoints);
}

TEST(ImageOpenCommandTest, OnlyKnownExtensionsOpen) {
    testing::TempDir dir;
    testing::ScriptedInteraction ui;
    SettingsStore settings;
    const ImageFileContext context{ui, settings};
    ui.ExpectOpenFile(dir.File("PHOTO.BMP"));
    EXPECT_EQ(ChooseImageFileToOpen(context), dir.File("PHOTO.BMP"));
    ui.ExpectOpenFile(dir.File("notes.txt"));
    EXPECT_EQ(ChooseImageFileToOpen(context), std::nullopt);
    EXPECT_TRUE(ui.OnlyMessageIs("Unrecognized file format.", "Open Failed", MessageIcon::Exclamation));
    // The folder is remembered even for a file that was then refused.
    EXPECT_EQ(settings.GetString("Previous Paths", "Bitmap Open"), dir.Path());
}

TEST(DisplayCheckTest, TheWindowNeedsADisplayOrAPlatformChosenByHand) {
    EXPECT_FALSE(DisplayNamed({}));
    EXPECT_TRUE(DisplayNamed({":0", "", ""}));
    EXPECT_TRUE(DisplayNamed({"", "wayland-0", ""}));
    EXPECT_TRUE(DisplayNamed({"", "", "offscreen"}));
    EXPECT_FALSE(DisplayNamed({"", "", "xcb"}));
    EXPECT_TRUE(DisplayNamed({":1", "", "xcb"}));
    EXPECT_FALSE(DisplayNamed({":1", "", "wayland"}));
    const std::string message = NoDisplayMessage("DISPLAY is not set");
    EXPECT_NE(message.find("needs a display: DISPLAY is not set"), std::string::npos);
    for (const char* verb : {"quillor info", "quillor convert", "--help"})
        EXPECT_NE(message.find(verb), std::string::npos) << verb;
}

TEST(StartArgumentsTest, FilesAreKeptAndAutomationSwitchesIgnored) {
    const char* argv[] = {"quillor", "-Embedding", "a.png", "/Automation", "--", "-odd.bmp"};
    const StartArguments args = ParseStartArguments(6, const_cast<char**>(argv));
    EXPECT_EQ(args.files, (std::vector<std::string>{"a.png", "-odd.bmp"}));
}

TEST(CommandTableTest, IdentifiersAreUniqueAndToolbarsNameRealCommands) {
    std::set<int> ids;
    for (const CommandInfo& c : Commands()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        EXPECT_FALSE(c.menuText.empty()) << c.id;
    }
    EXPECT_EQ(FindCommand(cmd::kSave)->key, "S");
    EXPECT_EQ(FindCommand(cmd::kClampFrame)->key, "F");
    std::set<int> bars;
    for (const ToolbarLayout& bar : Toolbars()) EXPECT_TRUE(bars.insert(bar.resourceId).second);
    EXPECT_EQ(Toolbars()[0].buttons.size(), 26u);  // every tool, in the bar's order
    EXPECT_EQ(Toolbars()[0].buttons.front(), 32775);
    EXPECT_EQ(FindCommand(cmd::kEditUndo)->key2, "Ctrl+Z");
    EXPECT_EQ(FindCommand(cmd::kSave)->key2, "Ctrl+S");  // the key every user tries
    // A tooltip that reads as instructions is no menu item.
    EXPECT_EQ(FindCommand(32775)->menuText, "&Paint");
    EXPECT_EQ(FindCommand(32775)->toolTip, "Left Click - Paint / Right Click - Brush Shape");
    // Look-alike buttons have icons of their own.
    std::set<std::string_view> icons;
    for (int id : {32781, 32780, 32782, 32783, 32778, 32796}) {
        const CommandInfo* c = FindCommand(id);
        EXPECT_TRUE(icons.insert(c->ownIcon.empty() ? c->themeIcon : c->ownIcon).second) << id;
    }
    EXPECT_EQ(bars, (std::set<int>{128, 129, 130, 131, 132, 133, 136}));
}

}  // namespace
}  // namespace quillor
