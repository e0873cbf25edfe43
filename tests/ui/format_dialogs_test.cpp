// The Qt dialogs of the image-file settings: each shows its model's texts and edits the
// model as the user types.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/support/widget_text.h"

#include "formats/ui/format_dialogs.h"
#include "formats/ui/jpeg_save_settings_dialog.h"
#include "formats/ui/password_prompt_dialog.h"
#include "formats/ui/password_save_settings_dialog.h"
#include "formats/ui/png_save_settings_dialog.h"
#include "formats/ui/tiff_page_dialog.h"
#include "formats/ui/tiff_save_settings_dialog.h"

namespace quillor {
namespace {

using testing::ShowsText;

TEST(FormatDialogsTest, JpegDialogKeepsTheQualityEditWithinThreeDigits) {
    JpegSaveSettingsModel model;
    JpegSaveSettingsDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "JPG Save Settings");
    EXPECT_TRUE(ShowsText(dialog, "Image quality:"));
    EXPECT_TRUE(ShowsText(dialog, "%"));
    EXPECT_EQ(dialog.progressive->text(), "Progressive");
    dialog.quality->clear();
    QTest::keyClicks(dialog.quality, "7x51");
    EXPECT_EQ(model.QualityText(), "751");
    EXPECT_EQ(dialog.quality->text(), "751");
    dialog.progressive->click();
    EXPECT_TRUE(model.Progressive());
}

TEST(FormatDialogsTest, TiffAndPngDialogsOfferTheirChoices) {
    TiffSaveSettingsModel tiff;
    TiffSaveSettingsDialog tiffDialog(tiff);
    EXPECT_EQ(tiffDialog.windowTitle(), "TIF Save Settings");
    EXPECT_EQ(tiffDialog.choices[1]->text(), "JPEG compression (True Colour only)");
    EXPECT_TRUE(tiffDialog.choices[0]->isChecked());
    tiffDialog.choices[2]->click();
    EXPECT_EQ(tiff.CompressionType(), 2);

    PngSaveSettingsModel png;
    PngSaveSettingsDialog pngDialog(png);
    EXPECT_TRUE(ShowsText(pngDialog, "Please select whether to save interlaced PNG files or not:"));
    EXPECT_EQ(pngDialog.interlaced->text(), "Adam7 interlaced");
    pngDialog.interlaced->click();
    EXPECT_TRUE(png.Interlaced());
}

TEST(FormatDialogsTest, PasswordDialogsHideTheirTextAndCapTheEncryptionType) {
    PasswordSaveSettingsModel pax(PasswordSaveSettingsModel::Format::Pax, "/pictures/a.pax");
    PasswordSaveSettingsDialog paxDialog(pax);
    EXPECT_EQ(paxDialog.windowTitle(), "PAX Save Settings");
    EXPECT_TRUE(ShowsText(paxDialog, "/pictures/a.pax"));
    EXPECT_EQ(paxDialog.password->echoMode(), QLineEdit::Password);
    QTest::keyClicks(paxDialog.password, "0123456789");
    EXPECT_EQ(pax.Password(), "01234567");
    paxDialog.encryptionType->clear();
    QTest::keyClicks(paxDialog.encryptionType, "9");
    EXPECT_EQ(paxDialog.encryptionType->text(), "6");
    EXPECT_EQ(pax.EncryptionType(), 6);

    PasswordSaveSettingsModel tla(PasswordSaveSettingsModel::Format::Tla, "TLA Files");
    PasswordSaveSettingsDialog tlaDialog(tla);
    EXPECT_EQ(tlaDialog.windowTitle(), "TLA Save Settings");
    EXPECT_EQ(tlaDialog.encryptionType, nullptr);

    PasswordPromptModel prompt("/pictures/locked.tla");
    PasswordPromptDialog promptDialog(prompt);
    EXPECT_EQ(promptDialog.windowTitle(), "Password");
    EXPECT_TRUE(ShowsText(promptDialog,
                          "A password is required to access this file. Please enter the password:"));
    QTest::keyClicks(promptDialog.password, "pw");
    EXPECT_EQ(prompt.Password(), "pw");
}

TEST(FormatDialogsTest, PageDialogClampsAsTheUserTypes) {
    TiffPageModel model(3);
    TiffPageDialog dialog(model);
    EXPECT_EQ(dialog.windowTitle(), "Read TIF Page");
    EXPECT_TRUE(ShowsText(dialog, "(1 to 3 pages available)"));
    dialog.page->clear();
    QTest::keyClicks(dialog.page, "8");
    EXPECT_EQ(dialog.page->text(), "3");
    EXPECT_EQ(model.Page(), 3);
}

TEST(FormatDialogsTest, TheInteractionRunsTheRegisteredDialogForAModel) {
    QtInteraction ui;
    RegisterFormatDialogs(ui);
    PngSaveSettingsModel png;
    EXPECT_TRUE(ui.CanShow(png));
    // Answer the modal dialog as a user would: tick the box, press OK.
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<PngSaveSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->interlaced->click();
        dialog->accept();
    });
    EXPECT_TRUE(ui.RunDialog(png));
    EXPECT_TRUE(png.Interlaced());

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    TiffPageModel page(2);
    EXPECT_FALSE(ui.RunDialog(page));
}

}  // namespace
}  // namespace quillor
