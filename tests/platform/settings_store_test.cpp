#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace quillor {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::string FileText(const std::string& path) {
    const auto bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(SettingsStoreTest, NamesCompareWithoutLetterCase) {
    SettingsStore settings;
    settings.SetInt("JPG Save Settings", "Quality", 75);
    EXPECT_EQ(settings.GetInt("jpg save settings", "QUALITY", 100), 75);
    settings.SetInt("JPG SAVE SETTINGS", "quality", 60);
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Quality", 100), 60);
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Progressive", 3), 3);
}

TEST(SettingsStoreTest, ValuesSurviveAReopenWithTheirFirstSpelling) {
    TempDir dir;
    const std::string path = dir.File("sub/quillor.ini");
    {
        SettingsStore settings(path);
        settings.SetInt("TIF Load Settings", "Page Number", 3);
        settings.SetString("Previous Paths", "Bitmap Open", "/home/a b/c=d;e\\f\nnext");
        settings.SetString("Previous Paths", "Key = [odd]", "v");
        settings.SetInt("tif load settings", "page number", 4);
    }
    SettingsStore reopened(path);
    EXPECT_EQ(reopened.GetInt("TIF Load Settings", "Page Number", 1), 4);
    EXPECT_EQ(reopened.GetString("Previous Paths", "Bitmap Open"), "/home/a b/c=d;e\\f\nnext");
    EXPECT_EQ(reopened.GetString("previous paths", "key = [odd]"), "v");
    const std::string text = FileText(path);
    EXPECT_NE(text.find("[TIF Load Settings]"), std::string::npos);
    EXPECT_NE(text.find("Page Number=4"), std::string::npos);
}

TEST(SettingsStoreTest, MemoryOnlyValuesNeverReachTheFile) {
    TempDir dir;
    const std::string path = dir.File("quillor.ini");
    {
        // An older file that still holds a password must lose it.
        SettingsStore old(path);
        old.SetString("PAX Save Settings", "Special", "leaked");
        old.SetInt("PAX Save Settings", "Encryption Type", 2);
    }
    SettingsStore settings(path);
    settings.SetInMemory("PAX Save Settings", "Special", "s3cret");
    settings.SetInt("PAX Save Settings", "Encryption Type", 3);
    EXPECT_EQ(settings.GetString("pax save settings", "special"), "s3cret");
    const std::string text = FileText(path);
    EXPECT_EQ(text.find("s3cret"), std::string::npos);
    EXPECT_EQ(text.find("leaked"), std::string::npos);
    EXPECT_NE(text.find("Encryption Type=3"), std::string::npos);
    EXPECT_EQ(SettingsStore(path).GetString("PAX Save Settings", "Special", "none"), "none");
}

TEST(SettingsStoreTest, ABatchWritesOnceAtItsEnd) {
    TempDir dir;
    const std::string path = dir.File("quillor.ini");
    SettingsStore settings(path);
    {
        SettingsStore::Batch batch(settings);
        settings.SetInt("A", "x", 1);
        settings.SetInt("A", "y", 2);
        EXPECT_TRUE(ReadBytes(path).empty());
    }
    EXPECT_EQ(SettingsStore(path).GetInt("A", "y", 0), 2);
}

TEST(SettingsStoreTest, JunkAndNonNumbersFallBack) {
    TempDir dir;
    const std::string path = dir.File("quillor.ini");
    testing::WriteBytes(path, {'g', 'a', 'r', 'b', 'a', 'g', 'e', '\n', '[', 'S', ']', '\n', 'n',
                               '=', 'x', '1', '\n', 'm', '=', ' ', '7', '\n'});
    SettingsStore settings(path);
    EXPECT_EQ(settings.GetInt("S", "n", 5), 5);
    EXPECT_EQ(settings.GetInt("S", "m", 5), 7);
}

TEST(SettingsStoreTest, FilesWithWindowsLineEndsReadTheSame) {
    TempDir dir;
    const std::string path = dir.File("quillor.ini");
    const std::string text =
        "; written elsewhere\r\n[Previous Paths]\r\nBitmap Open=/home/me/pictures\r\n\r\n"
        "[JPG Save Settings]\r\nQuality=80\r\nProgressive=1\r\n";
    testing::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    SettingsStore settings(path);
    EXPECT_EQ(settings.GetString("Previous Paths", "Bitmap Open"), "/home/me/pictures");
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Quality", 100), 80);
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Progressive", 0), 1);
    // Written back, the file has plain line ends and the same values.
    settings.SetInt("JPG Save Settings", "Quality", 70);
    EXPECT_EQ(FileText(path).find('\r'), std::string::npos);
    EXPECT_EQ(SettingsStore(path).GetString("Previous Paths", "Bitmap Open"), "/home/me/pictures");
}

TEST(SettingsStoreTest, TheFileLivesWhereTheEnvironmentSays) {
    ::setenv("QUILLOR_CONFIG_DIR", "/tmp/qcfg", 1);
    EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/qcfg/quillor.ini");
    ::unsetenv("QUILLOR_CONFIG_DIR");
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/xdg/quillor/quillor.ini");
}

}  // namespace
}  // namespace quillor
