#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/settings_store.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "utilities/desktop_class_registry.h"
#include "utilities/file_associations.h"

namespace quillor {
namespace {

using testing::ReadBytes;
using testing::ScriptedInteraction;
using testing::TempDir;
using testing::WriteBytes;

// A registry held in memory, as the logic sees any registry.
class MemoryRegistry final : public ClassRegistry {
public:
    std::string ReadDefault(std::string_view key) override {
        const auto it = values.find(std::string(key));
        return it == values.end() ? std::string() : it->second;
    }
    void WriteDefault(std::string_view key, std::string_view value) override {
        values[std::string(key)] = std::string(value);
    }
    void DeleteKey(std::string_view key) override { values.erase(std::string(key)); }
    bool Flush(std::string* /*error*/) override {
        waitDepthAtFlush = ui != nullptr ? ui->WaitDepth() : -1;
        return true;
    }
    std::map<std::string, std::string> values;
    const ScriptedInteraction* ui = nullptr;
    int waitDepthAtFlush = -1;
};

std::string Text(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

TEST(FileAssociations, AssociatingKeepsTheFirstHandlerAndReleasingGivesItBack) {
    MemoryRegistry registry;
    registry.values[".png"] = "Viewer.Image";
    AssociateExtension(registry, "png", "/opt/q/quillor");
    EXPECT_EQ(registry.values[".png"], "Quillor_png");
    EXPECT_EQ(registry.values[".png\\Undo"], "Viewer.Image");
    EXPECT_EQ(registry.values["Quillor_png"], "Quillor png Image");
    EXPECT_EQ(registry.values["Quillor_png\\DefaultIcon"], "/opt/q/quillor,0");
    EXPECT_EQ(registry.values["Quillor_png\\shell"], "Open");
    EXPECT_EQ(registry.values["Quillor_png\\shell\\Open\\Command"], "\"/opt/q/quillor\" %1");

    AssociateExtension(registry, "png", "/opt/q/quillor");  // twice
    EXPECT_EQ(registry.values[".png\\Undo"], "Viewer.Image");
    ReleaseExtension(registry, "png");
    EXPECT_EQ(registry.values[".png"], "Viewer.Image");

    // Another program's class is left alone, and a type nobody handled gets "" back.
    ReleaseExtension(registry, "png");
    EXPECT_EQ(registry.values[".png"], "Viewer.Image");
    AssociateExtension(registry, "bmp", "/q");
    ReleaseExtension(registry, "bmp");
    EXPECT_EQ(registry.values.at(".bmp"), "");
}

TEST(FileAssociations, OkAssociatesScriptsAndEachTypeAsTickedAndStoresTheChoice) {
    SettingsStore settings;
    EXPECT_TRUE(FileAssociationsModel::NeverChosen(settings));
    MemoryRegistry registry;
    registry.values[".tif"] = "Quillor_tif";  // ours from an earlier run
    registry.values[".tif\\Undo"] = "Old.Tiff";
    registry.values[".tiff"] = "Other.Tiff";

    ScriptedInteraction ui;
    ui.ExpectDialogOf<FileAssociationsModel>("File Associations", [](FileAssociationsModel& model) {
        // Defaults: BMP and JPG ticked, the rest not, the XP box ticked but unusable.
        EXPECT_TRUE(model.Ticked(0));
        EXPECT_TRUE(model.Ticked(1));
        EXPECT_FALSE(model.Ticked(7));
        EXPECT_TRUE(model.NoApplicationEnabled(7));
        EXPECT_FALSE(model.NoApplicationEnabled(0));
        EXPECT_TRUE(model.XpViewerDisabled());
        EXPECT_FALSE(FileAssociationsModel::XpBoxEnabled());
        model.SetTicked(1, false);  // JPG off
        model.SetTicked(7, true);   // PNG on
        return true;
    });
    registry.ui = &ui;
    EXPECT_TRUE(RunFileAssociations(ui, settings, registry, "/q"));
    // Telling the desktop can take seconds: the user sees a wait cursor, not a frozen window.
    EXPECT_EQ(registry.waitDepthAtFlush, 1);
    EXPECT_EQ(ui.WaitDepth(), 0);

    EXPECT_EQ(registry.values[".qua"], "Quillor_qua");
    EXPECT_EQ(registry.values[".qul"], "Quillor_qul");
    EXPECT_EQ(registry.values[".bmp"], "Quillor_bmp");
    EXPECT_EQ(registry.values[".png"], "Quillor_png");
    EXPECT_EQ(registry.values.count(".jpg"), 0u);  // released while never ours: untouched
    EXPECT_EQ(registry.values[".tif"], "Old.Tiff");
    EXPECT_EQ(registry.values[".tiff"], "Other.Tiff");
    EXPECT_EQ(registry.values.count(
                  "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview"),
              0u);

    EXPECT_FALSE(FileAssociationsModel::NeverChosen(settings));
    EXPECT_EQ(settings.GetInt("File Associations", "bmp", -1), 1);
    EXPECT_EQ(settings.GetInt("File Associations", "jpg", -1), 0);
    EXPECT_EQ(settings.GetInt("File Associations", "png", -1), 1);
    EXPECT_EQ(settings.GetInt("File Associations", "psd", -1), 0);
    EXPECT_EQ(settings.GetInt("File Associations", "XP Enable", -1), 1);
}

TEST(FileAssociations, CancelChangesNothing) {
    SettingsStore settings;
    MemoryRegistry registry;
    ScriptedInteraction ui;
    ui.ExpectDialogOf<FileAssociationsModel>("File Associations", [](FileAssociationsModel& model) {
        model.SetTicked(8, true);
        return false;
    });
    EXPECT_FALSE(RunFileAssociations(ui, settings, registry, "/q"));
    EXPECT_TRUE(registry.values.empty());
    EXPECT_TRUE(FileAssociationsModel::NeverChosen(settings));
}

struct DesktopHome {
    TempDir dir;
    DesktopClassRegistry::Places places{dir.Path() + "/config", dir.Path() + "/data"};
};

TEST(DesktopClassRegistry, DefaultsLiveInMimeAppsListWithEverythingElseKept) {
    DesktopHome home;
    const std::string before =
        "# the user's own comment\n"
        "[Added Associations]\n"
        "image/png=gimp.desktop;\n"
        "\n"
        "[Default Applications]\n"
        "image/png=org.gnome.eog.desktop;gimp.desktop;\n"
        "text/plain=gedit.desktop\n"
        "\n"
        "[Removed Associations]\n"
        "image/bmp=paint.desktop\n";
    std::filesystem::create_directories(home.places.configHome);
    WriteText(home.places.configHome + "/mimeapps.list", before);
    {
        DesktopClassRegistry registry(home.places);
        EXPECT_EQ(registry.ReadDefault(".png"), "org.gnome.eog.desktop;gimp.desktop;");
        AssociateExtension(registry, "png", "/opt/my tools/quillor");
        AssociateExtension(registry, "bmp", "/opt/my tools/quillor");
        EXPECT_EQ(registry.ReadDefault(".png"), "Quillor_png");
        std::string error;
        ASSERT_TRUE(registry.Flush(&error)) << error;
    }
    EXPECT_EQ(Text(home.places.configHome + "/mimeapps.list"),
              "# the user's own comment\n"
              "[Added Associations]\n"
              "image/png=gimp.desktop;\n"
              "\n"
              "[Default Applications]\n"
              "image/png=quillor.desktop\n"
              "text/plain=gedit.desktop\n"
              "image/bmp=quillor.desktop\n"
              "\n"
              "[Removed Associations]\n"
              "image/bmp=paint.desktop\n");
    const std::string entry = Text(home.places.dataHome + "/applications/quillor.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/my tools/quillor\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("image/png;"), std::string::npos);

    // A later run (a new registry) releases both: the old handler comes back exactly,
    // and a type that had none loses its line.
    {
        DesktopClassRegistry registry(home.places);
        ReleaseExtension(registry, "png");
        ReleaseExtension(registry, "bmp");
        std::string error;
        ASSERT_TRUE(registry.Flush(&error)) << error;
    }
    EXPECT_EQ(Text(home.places.configHome + "/mimeapps.list"), before);
}

TEST(DesktopClassRegistry, ScriptTypesGetTheirOwnMimeTypesAndAHomeWithoutFilesWorks) {
    DesktopHome home;
    DesktopClassRegistry registry(home.places);
    AssociateExtension(registry, "qua", "/usr/bin/quillor");
    AssociateExtension(registry, "jpeg", "/usr/bin/quillor");
    std::string error;
    ASSERT_TRUE(registry.Flush(&error)) << error;
    const std::string list = Text(home.places.configHome + "/mimeapps.list");
    EXPECT_EQ(list,
              "[Default Applications]\n"
              "application/x-quillor-animation=quillor.desktop\n"
              "image/jpeg=quillor.desktop\n");
    const std::string package = Text(home.places.dataHome + "/mime/packages/quillor.xml");
    EXPECT_NE(package.find("<glob pattern=\"*.qua\"/>"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.qul\"/>"), std::string::npos);
    // "jpg" shares the type "jpeg" took, so it reads as ours and keeps no Undo of ours.
    EXPECT_EQ(registry.ReadDefault(".jpg"), "Quillor_jpg");
}

TEST(DesktopClassRegistry, AnExecPathWithSpecialCharactersIsQuotedForTheDesktop) {
    DesktopHome home;
    DesktopClassRegistry registry(home.places);
    AssociateExtension(registry, "png", "/home/a\"b/100%$x\\quillor");
    std::string error;
    ASSERT_TRUE(registry.Flush(&error)) << error;
    const std::string entry = Text(home.places.dataHome + "/applications/quillor.desktop");
    EXPECT_NE(entry.find("Exec=\"/home/a\\\\\"b/100%%\\\\$x\\\\\\\\quillor\" %f\n"), std::string::npos)
        << entry;
}

TEST(DesktopClassRegistry, AHomeThatCannotBeWrittenIsReported) {
    TempDir dir;
    // A folder below a plain file cannot be made, whoever runs the test.
    WriteText(dir.File("plain"), "x");
    DesktopClassRegistry registry({dir.File("plain") + "/config", dir.File("plain") + "/data"});
    SettingsStore settings;
    ScriptedInteraction ui;
    ui.ExpectDialogOf<FileAssociationsModel>("File Associations", [](FileAssociationsModel&) { return true; });
    EXPECT_TRUE(RunFileAssociations(ui, settings, registry, "/q"));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_TRUE(ui.Messages()[0].text.starts_with("The desktop's file associations could not be changed:\n"))
        << ui.Messages()[0].text;
    EXPECT_EQ(ui.Messages()[0].title, "File Associations");
}

}  // namespace
}  // namespace quillor
