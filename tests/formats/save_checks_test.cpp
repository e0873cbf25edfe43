#include "formats/save_checks.h"

#include <gtest/gtest.h>

#include "formats/jpeg_save_settings_model.h"
#include "formats/password_save_settings_model.h"
#include "formats/png_save_settings_model.h"
#include "formats/tiff_save_settings_model.h"
#include "support/scripted_interaction.h"

namespace quillor {
namespace {

using testing::ScriptedInteraction;

struct SaveChecks : ::testing::Test {
    ScriptedInteraction ui;
    SettingsStore settings;
    ImageFileContext context{ui, settings};

    bool Check(const std::string& path, ColourMode mode, bool named = false) {
        return CheckBeforeSave(path, mode, named, context);
    }
    void ExpectRefusal(const std::string& text) {
        EXPECT_TRUE(ui.OnlyMessageIs(text, "Cannot Save", MessageIcon::Information))
            << (ui.Messages().empty() ? std::string("no message") : ui.Messages()[0].text);
        ui.ClearMessages();
    }
};

TEST_F(SaveChecks, TwoAndSixteenColourPicturesGoToBmpOnly) {
    for (const char* path : {"a.png", "a.pcx", "a.tga", "a.jpg", "a.pax"}) {
        EXPECT_FALSE(Check(path, ColourMode::Mono));
        ExpectRefusal("Please use BMP format to save Monochrome (1 bit) images.");
        EXPECT_FALSE(Check(path, ColourMode::Colours16));
        ExpectRefusal("Please use BMP format to save 16 colour (4 bit) images.");
    }
    EXPECT_TRUE(Check("a.BMP", ColourMode::Mono));
    EXPECT_TRUE(Check("a.bmp", ColourMode::Colours16));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SaveChecks, NamedFormsNameTheFile) {
    EXPECT_FALSE(Check("frame1.png", ColourMode::Mono, true));
    ExpectRefusal("'frame1.png' is a monochrome image\nPlease use BMP format to save Monochrome (1 bit) images.");
    EXPECT_FALSE(Check("frame2.tga", ColourMode::Colours16, true));
    ExpectRefusal("'frame2.tga' is a 16 colour image\nPlease use BMP format to save 16 colour (4 bit) images.");
    EXPECT_FALSE(Check("frame3.jpg", ColourMode::Colours256, true));
    ExpectRefusal("'frame3.jpg' is not a true colour image.\nJPGs must be True Colour. Please convert image to True Colour first.");
}

TEST_F(SaveChecks, JpegNeedsTrueColourAndAsksForItsSettings) {
    EXPECT_FALSE(Check("a.jpeg", ColourMode::Colours256));
    ExpectRefusal("JPGs must be True Colour. Please convert image to True Colour first.");

    ui.ExpectDialogOf<JpegSaveSettingsModel>("JPG Save Settings", [](JpegSaveSettingsModel& m) {
        EXPECT_EQ(m.QualityText(), "100");
        m.SetQualityText("55");
        return false;  // Cancel
    });
    EXPECT_FALSE(Check("a.JPG", ColourMode::TrueColour));
    EXPECT_FALSE(settings.Has("JPG Save Settings", "Quality"));  // Cancel stores nothing

    ui.ExpectDialogOf<JpegSaveSettingsModel>("JPG Save Settings", [](JpegSaveSettingsModel& m) {
        m.SetQualityText("55");
        return true;
    });
    EXPECT_TRUE(Check("a.jpg", ColourMode::TrueColour));
    EXPECT_EQ(settings.GetInt("JPG Save Settings", "Quality", 0), 55);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SaveChecks, EachFormatShowsItsOwnDialogAndCancelStops) {
    ui.ExpectDialog("TIF Save Settings", [](DialogModel&) { return false; });
    EXPECT_FALSE(Check("a.tiff", ColourMode::Colours256));
    ui.ExpectDialog("TIF Save Settings", [](DialogModel&) { return true; });
    EXPECT_TRUE(Check("a.tif", ColourMode::TrueColour));
    ui.ExpectDialog("PNG Save Settings", [](DialogModel&) { return false; });
    EXPECT_FALSE(Check("a.png", ColourMode::Colours256));
    ui.ExpectDialogOf<PasswordSaveSettingsModel>("PAX Save Settings", [](PasswordSaveSettingsModel& m) {
        EXPECT_EQ(m.Label(), "a.pax");
        m.SetPassword("abc");
        return true;
    });
    EXPECT_TRUE(Check("a.pax", ColourMode::Colours256));
    EXPECT_EQ(settings.GetString("PAX Save Settings", "Special"), "abc");
    ui.ExpectDialogOf<PasswordSaveSettingsModel>("TLA Save Settings", [](PasswordSaveSettingsModel& m) {
        EXPECT_EQ(m.Label(), "TLA Files");
        return false;
    });
    EXPECT_FALSE(Check("a.tla", ColourMode::TrueColour, true));
    // No dialog for these: the fake would fail the test on an unexpected one.
    EXPECT_TRUE(Check("a.bmp", ColourMode::TrueColour));
    EXPECT_TRUE(Check("a.pcx", ColourMode::Colours256));
    EXPECT_TRUE(Check("a.tga", ColourMode::TrueColour));
    EXPECT_TRUE(Check("a.psd", ColourMode::TrueColour));
    EXPECT_TRUE(Check("a.tiff", ColourMode::TrueColour, true));  // batches know ".tif" only
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace quillor
