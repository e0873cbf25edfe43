#include <gtest/gtest.h>

#include "formats/jpeg_save_settings_model.h"
#include "formats/password_save_settings_model.h"
#include "formats/png_save_settings_model.h"
#include "formats/tiff_page_model.h"
#include "formats/tiff_save_settings_model.h"

namespace quillor {
namespace {

TEST(JpegSaveSettingsModelTest, DefaultsEditsAndStorage) {
    SettingsStore settings;
    JpegSaveSettingsModel model;
    model.Load(settings);
    EXPECT_EQ(model.QualityText(), "100");
    EXPECT_FALSE(model.Progressive());
    model.SetQualityText("8a57");  // digits only, three at most
    EXPECT_EQ(model.QualityText(), "857");
    EXPECT_EQ(model.Quality(), 100);
    model.SetQualityText("");
    EXPECT_EQ(model.Quality(), 1);
    model.SetQualityText("42");
    model.SetProgressive(true);
    model.Store(settings);
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Quality", 0), 42);
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Progressive", 0), 1);
    JpegSaveSettingsModel again;
    again.Load(settings);
    EXPECT_EQ(again.QualityText(), "42");
    EXPECT_TRUE(again.Progressive());
}

TEST(TiffAndPngSaveSettingsModelTest, ChoicesMapToTheirStoredNumbers) {
    SettingsStore settings;
    TiffSaveSettingsModel tiff;
    tiff.Load(settings);
    EXPECT_EQ(tiff.CompressionType(), 0);
    tiff.SetCompressionType(2);
    tiff.Store(settings);
    EXPECT_EQ(settings.GetInt("TIF Save Settings", "Compression Type", -1), 2);
    settings.SetInt("TIF Save Settings", "Compression Type", 9);  // hand-edited nonsense
    tiff.Load(settings);
    EXPECT_EQ(tiff.CompressionType(), 0);

    PngSaveSettingsModel png;
    png.Load(settings);
    EXPECT_FALSE(png.Interlaced());
    png.SetInterlaced(true);
    png.Store(settings);
    EXPECT_EQ(settings.GetInt("PNG Save Settings", "Interlace Type", 0), 1);
}

TEST(PasswordSaveSettingsModelTest, EncryptionTypeIsCappedAsItIsTyped) {
    PasswordSaveSettingsModel pax(PasswordSaveSettingsModel::Format::Pax, "x.pax");
    EXPECT_EQ(pax.Title(), "PAX Save Settings");
    pax.SetEncryptionTypeText("9");
    EXPECT_EQ(pax.EncryptionTypeText(), "6");
    pax.SetEncryptionTypeText("34");
    EXPECT_EQ(pax.EncryptionTypeText(), "3");
    pax.SetEncryptionTypeText("0");
    EXPECT_EQ(pax.EncryptionType(), 1);
    pax.SetPassword("123456789abc");
    EXPECT_EQ(pax.Password(), "12345678");

    PasswordSaveSettingsModel tla(PasswordSaveSettingsModel::Format::Tla, "x.tla");
    EXPECT_EQ(tla.Title(), "TLA Save Settings");
    EXPECT_FALSE(tla.HasEncryptionType());
}

TEST(PasswordSaveSettingsModelTest, PasswordsStayInMemoryAndTypesPersist) {
    SettingsStore settings;
    PasswordSaveSettingsModel pax(PasswordSaveSettingsModel::Format::Pax, "x.pax");
    pax.Load(settings);
    EXPECT_EQ(pax.Password(), "");
    EXPECT_EQ(pax.EncryptionTypeText(), "1");
    pax.SetPassword("pw");
    pax.SetEncryptionTypeText("4");
    pax.Store(settings);
    EXPECT_EQ(settings.GetString("PAX Save Settings", "Special"), "pw");
    EXPECT_EQ(settings.GetInt("PAX Save Settings", "Encryption Type", 0), 4);
    PasswordSaveSettingsModel tla(PasswordSaveSettingsModel::Format::Tla, "x.tla");
    tla.Load(settings);
    EXPECT_EQ(tla.Password(), "");  // each format keeps its own
}

TEST(PasswordSaveSettingsModelTest, TheLimitCountsCharactersAndNeverCutsOneApart) {
    PasswordSaveSettingsModel tla(PasswordSaveSettingsModel::Format::Tla, "x.tla");
    tla.SetPassword("\u00e9t\u00e9 \u00e0 mi");  // 8 characters, 11 bytes
    EXPECT_EQ(tla.Password(), "\u00e9t\u00e9 \u00e0 mi");
    tla.SetPassword("\u043f\u0430\u0440\u043e\u043b\u044c1");  // 7 characters, 13 bytes
    EXPECT_EQ(tla.Password(), "\u043f\u0430\u0440\u043e\u043b\u044c1");
    tla.SetPassword("\U0001F511\U0001F511\U0001F511\U0001F511\U0001F511\U0001F511\U0001F511"
                    "\U0001F511\U0001F511");  // nine four-byte characters
    EXPECT_EQ(tla.Password(), "\U0001F511\U0001F511\U0001F511\U0001F511\U0001F511\U0001F511"
                              "\U0001F511\U0001F511");
}

TEST(PasswordSaveSettingsModelTest, APasswordGivenElsewhereIsKeptWhole) {
    // The command line puts the password in the settings before the dialog runs; the
    // dialog must not seal the file with less of it.
    SettingsStore settings;
    const std::string given = "correct horse battery";
    settings.SetInMemory("TLA Save Settings", "Special", given);
    PasswordSaveSettingsModel tla(PasswordSaveSettingsModel::Format::Tla, "x.tla");
    tla.Load(settings);
    EXPECT_EQ(tla.Password(), given);
    tla.Store(settings);
    EXPECT_EQ(settings.GetString("TLA Save Settings", "Special"), given);
}

TEST(PasswordSaveSettingsModelTest, LabelsShortenLongPathsAndNameBatches) {
    const std::string longPath = "/" + std::string(70, 'a') + "/end.pax";
    const std::string label = PasswordDialogLabel(longPath, false, PasswordSaveSettingsModel::Format::Pax);
    EXPECT_EQ(label.substr(0, 3), "...");
    EXPECT_EQ(label.size(), 63u);
    EXPECT_EQ(label.substr(label.size() - 8), "/end.pax");
    EXPECT_EQ(PasswordDialogLabel("short.pax", false, PasswordSaveSettingsModel::Format::Pax), "short.pax");
    EXPECT_EQ(PasswordDialogLabel("a.pax", true, PasswordSaveSettingsModel::Format::Pax), "PAX Files");
    EXPECT_EQ(PasswordDialogLabel("a.tla", true, PasswordSaveSettingsModel::Format::Tla), "TLA Files");
}

TEST(TiffPageModelTest, ThePageStaysWithinTheFile) {
    SettingsStore settings;
    settings.SetInt("TIF Load Settings", "Page Number", 7);
    TiffPageModel model(3);
    model.Load(settings);
    EXPECT_EQ(model.PageText(), "3");
    EXPECT_EQ(model.RangeLabel(), "(1 to 3 pages available)");
    model.SetPageText("0");
    EXPECT_EQ(model.PageText(), "1");
    model.SetPageText("-5");
    EXPECT_EQ(model.PageText(), "1");
    model.SetPageText("99999999999");
    EXPECT_EQ(model.PageText(), "3");
    model.SetPageText("");  // emptied on the way to a new number
    EXPECT_EQ(model.Page(), 1);
    model.SetPageText("2");
    model.Store(settings);
    EXPECT_EQ(settings.GetInt("TIF Load Settings", "Page Number", 0), 2);
}

}  // namespace
}  // namespace quillor
