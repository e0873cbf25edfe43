#include "formats/image_file.h"

#include <gtest/gtest.h>
#include <tiffio.h>

#include "formats/codec/raster.h"
#include "formats/password_prompt_model.h"
#include "formats/save_checks.h"
#include "formats/tiff_page_model.h"
#include "support/jpeg_tables.h"
#include "support/scripted_interaction.h"
#include "support/system_call_faults.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::DifferenceBetween;
using testing::LargestChannelDifference;
using testing::MakeGradient24;
using testing::MakePattern8;
using testing::ReadBytes;
using testing::ScriptedInteraction;
using testing::TempDir;
using testing::WriteBytes;

struct ImageFiles : ::testing::Test {
    TempDir dir;
    ScriptedInteraction ui;
    SettingsStore settings;
    ImageFileContext context{ui, settings};

    COXDIB Load(const std::string& path, LoadOutcome* outcome = nullptr) {
        COXDIB image;
        LoadImageFile(image, path, context, outcome);
        return image;
    }
};

TEST_F(ImageFiles, BmpProblemsAreReportedWithThePath) {
    const std::string missing = dir.File("missing.bmp");
    COXDIB image;
    MakeGradient24(image, 2, 2);
    EXPECT_FALSE(LoadImageFile(image, missing, context));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_TRUE(ui.OnlyMessageIs("Could not open file '" + missing + "'", "File Opening Error",
                                 MessageIcon::Exclamation));
    ui.ClearMessages();

    const std::string junk = dir.File("junk.BMP");
    WriteBytes(junk, {'B', 'M', 1, 2, 3});
    EXPECT_FALSE(LoadImageFile(image, junk, context));
    EXPECT_TRUE(ui.OnlyMessageIs("Could not read file '" + junk + "'", "File Reading Error",
                                 MessageIcon::Exclamation));
}

TEST_F(ImageFiles, OtherFormatsFailQuietlyForTheCallerToReport) {
    for (const char* name : {"junk.png", "junk.jpg", "junk.tif", "anim.gif", "notes.txt"}) {
        WriteBytes(dir.File(name), {1, 2, 3, 4, 5, 6, 7, 8});
        LoadOutcome outcome = LoadOutcome::Loaded;
        EXPECT_TRUE(Load(dir.File(name), &outcome).IsEmpty()) << name;
        EXPECT_EQ(outcome, LoadOutcome::Failed) << name;
    }
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(ui.WaitDepth(), 0);
}

TEST_F(ImageFiles, AFileThatCannotBeOpenedSaysSoWhateverItsFormat) {
    for (const char* name : {"none.png", "none.tif", "none.bmp"}) {
        LoadOutcome outcome = LoadOutcome::Loaded;
        EXPECT_TRUE(Load(dir.File(name), &outcome).IsEmpty()) << name;
        // Told already: the caller adds nothing.
        EXPECT_EQ(outcome, LoadOutcome::Reported) << name;
        EXPECT_TRUE(ui.OnlyMessageIs("Could not open file '" + dir.File(name) + "'", "File Opening Error",
                                     MessageIcon::Exclamation))
            << name;
        ui.ClearMessages();
    }
}

// Every format the program writes, with how closely a picture must come back.
struct RoundTrip {
    const char* extension;
    int tolerance;
};

class FormatRoundTrip : public ImageFiles, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(FormatRoundTrip, PalettedAndTrueColourPicturesComeBack) {
    const RoundTrip& format = GetParam();
    // Lossy formats get pictures without sharp edges; their loss is bounded, not zero.
    COXDIB gradient, pattern;
    if (format.tolerance > 0) {
        testing::MakeSmooth24(gradient, 37, 21);
        testing::MakeSmooth8(pattern, 19, 11);
    } else {
        MakeGradient24(gradient, 37, 21);
        MakePattern8(pattern, 19, 11);
    }
    for (const COXDIB* original : {&gradient, &pattern}) {
        const std::string path = dir.File(std::string("picture") + format.extension);
        ASSERT_TRUE(SaveImageFile(*original, path, context)) << format.extension;
        COXDIB back = Load(path);
        ASSERT_FALSE(back.IsEmpty()) << format.extension;
        EXPECT_LE(LargestChannelDifference(back, *original), format.tolerance) << format.extension;
    }
    EXPECT_TRUE(ui.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatRoundTrip,
                         ::testing::Values(RoundTrip{".bmp", 0}, RoundTrip{".png", 0},
                                           RoundTrip{".tif", 0}, RoundTrip{".pcx", 0},
                                           RoundTrip{".tga", 0}, RoundTrip{".psd", 0},
                                           RoundTrip{".tla", 0}, RoundTrip{".jpg", 12},
                                           RoundTrip{".pax", 12}),
                         [](const auto& info) { return std::string(info.param.extension + 1); });

TEST_F(ImageFiles, PackedPicturesKeepTheirDepthInBmp) {
    COXDIB four, one;
    ASSERT_TRUE(four.CreateBlank(4, 9, 3));
    four.GetBits()[0] = 0x3C;
    ASSERT_TRUE(one.CreateBlank(1, 9, 3));
    one.SetTableWord(1, 0xFFFFFF);
    one.GetBits()[1] = 0x80;
    for (const COXDIB* image : {&four, &one}) {
        const std::string path = dir.File("packed.bmp");
        ASSERT_TRUE(SaveImageFile(*image, path, context));
        COXDIB back = Load(path);
        EXPECT_EQ(back.GetBitCount(), image->GetBitCount());
        EXPECT_EQ(DifferenceBetween(back, *image), "");
    }
}

TEST_F(ImageFiles, AFailedSaveLeavesTheOldFileAndSaysSo) {
    const std::string path = dir.File("keep.png");
    WriteBytes(path, {1, 2, 3});
    COXDIB four;
    ASSERT_TRUE(four.CreateBlank(4, 4, 4));  // packed pictures only go to BMP
    EXPECT_FALSE(SaveImageFile(four, path, context));
    EXPECT_TRUE(ui.OnlyMessageIs("Could not write to file '" + path + "'", "File Writing Error",
                                 MessageIcon::Exclamation));
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(testing::ListFolder(dir.Path()), std::vector<std::string>{"keep.png"});
    ui.ClearMessages();

    const std::string nowhere = dir.File("no/such/folder/x.bmp");
    COXDIB image;
    MakeGradient24(image, 2, 2);
    EXPECT_FALSE(SaveImageFile(image, nowhere, context));
    EXPECT_TRUE(ui.OnlyMessageIs("Could not open file '" + nowhere + "'", "File Opening Error",
                                 MessageIcon::Exclamation));
}

TEST_F(ImageFiles, AFileTheUserMayNotWriteIsRefusedAndKept) {
    COXDIB before, after;
    MakeGradient24(before, 5, 5);
    MakePattern8(after, 5, 5);
    for (const char* name : {"ro.png", "ro.bmp"}) {
        const std::string path = dir.File(name);
        ASSERT_TRUE(SaveImageFile(before, path, context));
        const auto saved = ReadBytes(path);
        const auto folder = testing::ListFolder(dir.Path());
        testing::SystemCallFaults::writeDeniedPath = path;
        EXPECT_FALSE(SaveImageFile(after, path, context));
        testing::SystemCallFaults::Reset();
        EXPECT_TRUE(ui.OnlyMessageIs("Could not open file '" + path + "'", "File Opening Error",
                                     MessageIcon::Exclamation));
        ui.ClearMessages();
        EXPECT_EQ(ReadBytes(path), saved) << name;
        EXPECT_EQ(testing::ListFolder(dir.Path()), folder);
    }
}

TEST_F(ImageFiles, NamesAsLongAsTheFolderAllowsSave) {
    COXDIB image;
    MakeGradient24(image, 3, 3);
    const std::string path = dir.File(std::string(246, 'x') + ".png");  // 250 bytes
    ASSERT_TRUE(SaveImageFile(image, path, context));
    ASSERT_TRUE(SaveImageFile(image, path, context));  // and replaced
    EXPECT_EQ(DifferenceBetween(Load(path), image), "");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ImageFiles, JpegQualityIsAHundredUntilTheSettingsSayOtherwise) {
    COXDIB image;
    MakeGradient24(image, 16, 16);
    ASSERT_TRUE(SaveImageFile(image, dir.File("default.jpg"), context));
    const std::vector<int> values = testing::QuantisationValues(ReadBytes(dir.File("default.jpg")));
    ASSERT_EQ(values.size(), 128u);
    EXPECT_EQ(values, std::vector<int>(128, 1));
}

TEST_F(ImageFiles, HandEditedSaveSettingsKeepTheirDialogsRanges) {
    COXDIB image;
    MakeGradient24(image, 16, 16);
    settings.SetString("JPG Save Settings", "Quality", "5000");
    ASSERT_TRUE(SaveImageFile(image, dir.File("high.jpg"), context));
    EXPECT_EQ(testing::QuantisationValues(ReadBytes(dir.File("high.jpg"))), std::vector<int>(128, 1));
    settings.SetString("JPG Save Settings", "Quality", "-7");
    ASSERT_TRUE(SaveImageFile(image, dir.File("low.jpg"), context));
    settings.SetInt("JPG Save Settings", "Quality", 1);
    ASSERT_TRUE(SaveImageFile(image, dir.File("one.jpg"), context));
    EXPECT_EQ(ReadBytes(dir.File("low.jpg")), ReadBytes(dir.File("one.jpg")));
    settings.SetString("TIF Save Settings", "Compression Type", "9");
    ASSERT_TRUE(SaveImageFile(image, dir.File("odd.tif"), context));
    EXPECT_FALSE(Load(dir.File("odd.tif")).IsEmpty());
}

TEST_F(ImageFiles, SaveSettingsApplyAtTheMomentOfWriting) {
    COXDIB image;
    MakeGradient24(image, 64, 48);
    const std::string rough = dir.File("rough.jpg"), fine = dir.File("fine.jpg");
    settings.SetInt("JPG Save Settings", "Quality", 20);
    ASSERT_TRUE(SaveImageFile(image, rough, context));
    settings.SetInt("JPG Save Settings", "Quality", 95);
    settings.SetInt("JPG Save Settings", "Progressive", 1);
    ASSERT_TRUE(SaveImageFile(image, fine, context));
    const auto roughBytes = ReadBytes(rough), fineBytes = ReadBytes(fine);
    EXPECT_LT(roughBytes.size(), fineBytes.size());
    auto hasMarker = [](const std::vector<std::uint8_t>& b, std::uint8_t m) {
        for (std::size_t i = 0; i + 1 < b.size(); ++i)
            if (b[i] == 0xFF && b[i + 1] == m) return true;
        return false;
    };
    EXPECT_FALSE(hasMarker(roughBytes, 0xC2));
    EXPECT_TRUE(hasMarker(fineBytes, 0xC2));  // progressive frame

    settings.SetInt("PNG Save Settings", "Interlace Type", 1);
    ASSERT_TRUE(SaveImageFile(image, dir.File("i.png"), context));
    EXPECT_EQ(ReadBytes(dir.File("i.png"))[28], 1);  // IHDR interlace method

    settings.SetInt("TIF Save Settings", "Compression Type", 2);
    ASSERT_TRUE(SaveImageFile(image, dir.File("p.tif"), context));
    TIFF* tif = TIFFOpen(dir.File("p.tif").c_str(), "r");
    ASSERT_NE(tif, nullptr);
    std::uint16_t compression = 0;
    TIFFGetField(tif, TIFFTAG_COMPRESSION, &compression);
    TIFFClose(tif);
    EXPECT_EQ(compression, 32773);
}

// Writes a TIFF whose pages differ in width: page n is n + 1 pixels wide.
void WriteThreePageTiff(const std::string& path) {
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    ASSERT_NE(tif, nullptr);
    for (int page = 0; page < 3; ++page) {
        TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, std::uint32_t(page + 1));
        TIFFSetField(tif, TIFFTAG_IMAGELENGTH, 2u);
        TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 1);
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
        TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        std::uint8_t line[3] = {10, 20, 30};
        for (std::uint32_t y = 0; y < 2; ++y) TIFFWriteScanline(tif, line, y, 0);
        TIFFWriteDirectory(tif);
    }
    TIFFClose(tif);
}

TEST_F(ImageFiles, MultiPageTiffsAskWhichPage) {
    const std::string path = dir.File("pages.tif");
    WriteThreePageTiff(path);
    settings.SetInt("TIF Load Settings", "Page Number", 7);
    ui.ExpectDialogOf<TiffPageModel>("Read TIF Page", [](TiffPageModel& m) {
        EXPECT_EQ(m.PageText(), "3");
        EXPECT_EQ(m.RangeLabel(), "(1 to 3 pages available)");
        m.SetPageText("2");
        return true;
    });
    COXDIB image = Load(path);
    EXPECT_EQ(image.GetSize(), (DibSize{2, 2}));
    EXPECT_EQ(testing::ShownColour(image, 1, 0), 0x141414u);
    EXPECT_EQ(settings.GetInt("TIF Load Settings", "Page Number", 0), 2);

    ui.ExpectDialog("Read TIF Page", [](DialogModel&) { return false; });
    LoadOutcome outcome = LoadOutcome::Loaded;
    EXPECT_TRUE(Load(path, &outcome).IsEmpty());
    EXPECT_EQ(outcome, LoadOutcome::Cancelled);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ImageFiles, ProtectedFilesOpenOnlyWithTheirPassword) {
    COXDIB image;
    testing::MakeSmooth8(image, 13, 7);
    for (const char* name : {"secret.tla", "secret.pax"}) {
        const bool pax = std::string(name).ends_with(".pax");
        settings.SetInMemory(pax ? "PAX Save Settings" : "TLA Save Settings", "Special", "open up");
        ASSERT_TRUE(SaveImageFile(image, dir.File(name), context));
        const auto saved = ReadBytes(dir.File(name));

        ui.ExpectDialogOf<PasswordPromptModel>("Password", [&](PasswordPromptModel& m) {
            EXPECT_EQ(m.Path(), dir.File(name));
            m.SetPassword("wrong");
            return true;
        });
        LoadOutcome outcome = LoadOutcome::Loaded;
        EXPECT_TRUE(Load(dir.File(name), &outcome).IsEmpty());
        EXPECT_EQ(outcome, LoadOutcome::WrongPassword);
        EXPECT_TRUE(ui.OnlyMessageIs("The password you supplied was incorrect.", "Cannot Read",
                                     MessageIcon::Information));
        ui.ClearMessages();
        EXPECT_EQ(ReadBytes(dir.File(name)), saved);  // nothing else changes

        ui.ExpectDialog("Password", [](DialogModel&) { return false; });
        EXPECT_TRUE(Load(dir.File(name), &outcome).IsEmpty());
        EXPECT_EQ(outcome, LoadOutcome::Cancelled);

        ui.ExpectDialogOf<PasswordPromptModel>("Password", [](PasswordPromptModel& m) {
            m.SetPassword("open up");
            return true;
        });
        COXDIB back = Load(dir.File(name), &outcome);
        EXPECT_EQ(outcome, LoadOutcome::Loaded);
        EXPECT_LE(testing::LargestChannelDifference(back, image), pax ? 12 : 0);
        EXPECT_TRUE(ui.Messages().empty());
    }
}

TEST_F(ImageFiles, AFileOpensWithThePasswordItWasSavedWith) {
    COXDIB image;
    MakeGradient24(image, 6, 4);
    // Long (as the command line may pass) and short but wider than a byte per character.
    for (const std::string& password : {std::string("twenty characters!!!"),
                                       std::string("\u043f\u0430\u0440\u043e\u043b\u044c12")}) {
        SCOPED_TRACE(password);
        const std::string path = dir.File("sealed.tla");
        settings.SetInMemory("TLA Save Settings", "Special", password);
        ui.ExpectDialog("TLA Save Settings", [](DialogModel&) { return true; });
        ASSERT_TRUE(CheckBeforeSave(path, ColourMode::TrueColour, false, context));
        ASSERT_TRUE(SaveImageFile(image, path, context));
        ui.ExpectDialogOf<PasswordPromptModel>("Password", [&password](PasswordPromptModel& m) {
            m.SetPassword(password);
            return true;
        });
        LoadOutcome outcome = LoadOutcome::Failed;
        EXPECT_EQ(DifferenceBetween(Load(path, &outcome), image), "");
        EXPECT_EQ(outcome, LoadOutcome::Loaded);
        EXPECT_TRUE(ui.Messages().empty());
    }
}

TEST_F(ImageFiles, UnprotectedOrDamagedPasswordFormatsNeverAsk) {
    COXDIB image;
    MakeGradient24(image, 5, 5);
    ASSERT_TRUE(SaveImageFile(image, dir.File("open.tla"), context));
    EXPECT_FALSE(Load(dir.File("open.tla")).IsEmpty());
    auto bytes = ReadBytes(dir.File("open.tla"));
    bytes.resize(bytes.size() / 2);
    WriteBytes(dir.File("cut.tla"), bytes);
    LoadOutcome outcome = LoadOutcome::Loaded;
    EXPECT_TRUE(Load(dir.File("cut.tla"), &outcome).IsEmpty());
    EXPECT_EQ(outcome, LoadOutcome::Failed);
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace quillor
