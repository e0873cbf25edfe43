// The ".pal" file: its bytes, its refusals, and "Save Palette As" and "Load Palette"
// with their dialogs and messages.

#include "palette/palette_file.h"

#include <gtest/gtest.h>

#include "formats/image_settings_keys.h"
#include "palette/palette_documents.h"
#include "support/system_call_faults.h"
#include "support/temp_dir.h"

namespace quillor {
namespace {

using testing::PaletteDocument;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::array<ColourRef, 256> RandomColours(std::mt19937& random) {
    std::array<ColourRef, 256> colours{};
    for (auto& c : colours) c = random() & 0xFFFFFFu;
    return colours;
}

TEST(PaletteFileBytes, MagicThenBlueGreenRedZero) {
    std::array<ColourRef, 256> colours{};
    colours[0] = MakeColour(1, 2, 3);
    colours[255] = MakeColour(250, 251, 252);
    const auto bytes = EncodePaletteFile(colours);
    ASSERT_EQ(bytes.size(), kPaletteFileBytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "QLPAL");
    EXPECT_EQ(std::vector<int>(bytes.begin() + 5, bytes.begin() + 9), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(std::vector<int>(bytes.end() - 4, bytes.end()), (std::vector<int>{252, 251, 250, 0}));

    std::mt19937 random(5);
    const auto any = RandomColours(random);
    auto encoded = EncodePaletteFile(any);
    encoded[8] = 0x7F;  // the fourth byte of an entry is not read
    encoded.insert(encoded.end(), {1, 2, 3});  // nor anything after the last entry
    const auto decoded = DecodePaletteFile(encoded);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, any);
}

TEST(PaletteFileBytes, OtherFilesAndShortFilesAreRefused) {
    auto bytes = EncodePaletteFile({});
    EXPECT_TRUE(DecodePaletteFile(bytes));
    auto brush = bytes;
    std::copy_n("QLBSH", 5, brush.begin());
    EXPECT_FALSE(DecodePaletteFile(brush));
    auto lower = bytes;
    lower[0] = 'q';
    EXPECT_FALSE(DecodePaletteFile(lower));
    for (std::size_t size : {std::size_t(0), std::size_t(4), std::size_t(5), std::size_t(600), kPaletteFileBytes - 1})
        EXPECT_FALSE(DecodePaletteFile(std::span(bytes.data(), size))) << size;
}

class PaletteFileCommands : public ::testing::Test {
protected:
    TempDir dir;
    PaletteDocument d;
    testing::ScriptedInteraction& ui = d.environment.ui;
    ImageFileContext Context() { return d.environment.FileContext(); }
};

TEST_F(PaletteFileCommands, A256ColourPaletteTravelsToAnotherPictureWithItsPixelsKept) {
    COXDIB& source = *d.AddFrame(ColourMode::Colours256).image;
    ui.ExpectSaveFile(dir.File("Sky"));
    ASSERT_TRUE(SavePaletteAs(d.document, Context()));
    // The name keeps its letter case and gains ".pal".
    EXPECT_EQ(ReadBytes(dir.File("Sky.pal")), EncodePaletteFile(PaletteDocument::Table(source)));
    EXPECT_EQ(ui.FileRequests().back().title, "Save Palette As");
    EXPECT_EQ(d.environment.settings.GetString(settings_keys::kPreviousPaths, "Palette Save"), dir.Path());
    EXPECT_GE(ui.WaitCount(), 1);
    EXPECT_TRUE(ui.Messages().empty());

    PaletteDocument other;
    other.random.seed(77);
    COXDIB& target = *other.AddFrame(ColourMode::Colours256).image;
    const auto pixels = PaletteDocument::Pixels(target);
    other.environment.ui.ExpectOpenFile(dir.File("Sky.pal"));
    ASSERT_TRUE(LoadPalette(other.document, other.environment.FileContext()));
    EXPECT_EQ(PaletteDocument::Table(target), PaletteDocument::Table(source));
    EXPECT_EQ(PaletteDocument::Pixels(target), pixels);
    EXPECT_FALSE(other.document.Undo().CanUndo());
    EXPECT_EQ(other.environment.settings.GetString(settings_keys::kPreviousPaths, "Palette Load"), dir.Path());
    EXPECT_GE(other.environment.ui.WaitCount(), 1);

    // Each dialog opens where it was last used, and the image dialogs' keys are untouched.
    ui.ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(SavePaletteAs(d.document, Context()));
    EXPECT_EQ(ui.FileRequests().back().folder, dir.Path());
    EXPECT_EQ(ui.FileRequests().back().filter, "Palette File (*.pal)|*.pal|");
    EXPECT_EQ(d.environment.settings.GetString(settings_keys::kPreviousPaths, "Save Palette As"), "");
}

TEST_F(PaletteFileCommands, ANameEndingInPalInAnyCaseIsNotExtendedAgain) {
    d.AddFrame(ColourMode::Colours256);
    ui.ExpectSaveFile(dir.File("LAKE.PAL"));
    ASSERT_TRUE(SavePaletteAs(d.document, Context()));
    EXPECT_EQ(testing::ListFolder(dir.Path()), (std::vector<std::string>{"LAKE.PAL"}));
    EXPECT_EQ(PalettePath("a.b/sea"), "a.b/sea.pal");
    EXPECT_EQ(PalettePath("sea.pal.txt"), "sea.pal.txt.pal");
}

TEST_F(PaletteFileCommands, SmallPalettesWriteTheDefaultTableAfterTheirOwnAndLoadOnlyTheirOwn) {
    COXDIB& mono = *d.AddFrame(ColourMode::Mono).image;
    const auto colours = PaletteFileColours(d.document);
    EXPECT_EQ(colours[0], mono.GetColour(0));
    EXPECT_EQ(colours[1], mono.GetColour(1));
    for (int i = 2; i < 256; ++i) EXPECT_EQ(colours[std::size_t(i)], TableWordToColour(DefaultColourTable()[std::size_t(i)])) << i;

    PaletteDocument sixteen;
    COXDIB& image = *sixteen.AddFrame(ColourMode::Colours16).image;
    const auto before = PaletteDocument::Table(image);
    std::mt19937 random(8);
    const auto loaded = RandomColours(random);
    ApplyPaletteFileColours(sixteen.document, loaded);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(image.GetColour(std::uint8_t(i)), i < 16 ? loaded[std::size_t(i)] : before[std::size_t(i)]) << i;
}

TEST_F(PaletteFileCommands, TrueColourSavesAndLoadsTheDocumentsTableNotThePicture) {
    COXDIB& image = *d.AddFrame(ColourMode::TrueColour).image;
    const auto pixels = PaletteDocument::Pixels(image);
    EXPECT_EQ(PaletteFileColours(d.document), d.document.Colours());
    std::mt19937 random(3);
    const auto colours = RandomColours(random);
    WriteBytes(dir.File("warm.pal"), EncodePaletteFile(colours));
    ui.ExpectOpenFile(dir.File("warm.pal"));
    ASSERT_TRUE(LoadPalette(d.document, Context()));
    EXPECT_EQ(d.document.Colours(), colours);
    EXPECT_EQ(PaletteDocument::Pixels(image), pixels);
    EXPECT_FALSE(d.document.IsModified());
}

TEST_F(PaletteFileCommands, RefusalsSayWhyAndChangeNothing) {
    COXDIB& image = *d.AddFrame(ColourMode::Colours256).image;
    const auto table = PaletteDocument::Table(image);
    const std::string title = "Load Aborted";

    auto brush = EncodePaletteFile({});
    std::copy_n("QLBSH", 5, brush.begin());
    WriteBytes(dir.File("brush.pal"), brush);
    auto cut = EncodePaletteFile({});
    cut.resize(kPaletteFileBytes - 1);
    WriteBytes(dir.File("cut.pal"), cut);
    for (const char* name : {"brush.pal", "cut.pal"}) {
        ui.ClearMessages();
        ui.ExpectOpenFile(dir.File(name));
        EXPECT_FALSE(LoadPalette(d.document, Context()));
        EXPECT_TRUE(ui.OnlyMessageIs("Cannot load palette.\n" + dir.File(name) + " is not a valid Quillor palette file.",
                                     title, MessageIcon::Exclamation))
            << name;
    }
    ui.ClearMessages();
    ui.ExpectOpenFile(dir.File("missing.pal"));
    EXPECT_FALSE(LoadPalette(d.document, Context()));
    EXPECT_TRUE(ui.OnlyMessageIs("Error - Could not open file " + dir.File("missing.pal") + ".", "File Opening Error",
                                 MessageIcon::Exclamation));
    EXPECT_EQ(PaletteDocument::Table(image), table);

    ui.ExpectOpenFile(std::nullopt);  // Cancel
    EXPECT_FALSE(LoadPalette(d.document, Context()));
}

TEST_F(PaletteFileCommands, AFailedSaveSaysSoAndKeepsTheOldFile) {
    d.AddFrame(ColourMode::Colours256);
    const std::vector<std::uint8_t> old = {'o', 'l', 'd'};
    WriteBytes(dir.File("kept.pal"), old);
    testing::SystemCallFaults::fsyncError = EIO;  // the disk fails to take the new file
    ui.ExpectSaveFile(dir.File("kept.pal"));
    const bool saved = SavePaletteAs(d.document, Context());
    testing::SystemCallFaults::Reset();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(ui.OnlyMessageIs("Error - Could not save file " + dir.File("kept.pal") + ".", "File Saving Error",
                                 MessageIcon::Exclamation));
    EXPECT_EQ(ReadBytes(dir.File("kept.pal")), old);
    EXPECT_EQ(testing::ListFolder(dir.Path()), (std::vector<std::string>{"kept.pal"}));

    // A file the user may not write is refused before anything is written.
    testing::SystemCallFaults::writeDeniedPath = dir.File("kept.pal");
    ui.ExpectSaveFile(dir.File("kept.pal"));
    ui.ClearMessages();
    EXPECT_FALSE(SavePaletteAs(d.document, Context()));
    testing::SystemCallFaults::Reset();
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ReadBytes(dir.File("kept.pal")), old);

    ui.ExpectSaveFile(std::nullopt);  // Cancel writes nothing and says nothing
    ui.ClearMessages();
    EXPECT_FALSE(SavePaletteAs(d.document, Context()));
    EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace quillor
