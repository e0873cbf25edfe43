// The ".bsh" file: its exact bytes, what a load does to the brushes of each depth, the
// files it refuses, and "Save Brush As" / "Load Brush" with their dialogs and messages.

#include "brush/brush_file.h"

#include <gtest/gtest.h>

#include <random>

#include "support/fake_document_environment.h"
#include "support/system_call_faults.h"
#include "support/temp_dir.h"
#include "tools/brush_file_commands.h"

namespace quillor {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A brush of its own frames, `frames` of width x height with seeded pixels.
BrushRecord MakeBrush(bool trueColour, int width, int height, std::uint32_t frames, unsigned seed = 7) {
    std::mt19937 random(seed);
    BrushRecord brush;
    brush.borrowed = false;
    brush.frameCount = frames;
    brush.width = width;
    brush.height = height;
    brush.handleX = 1;
    brush.handleY = 0;
    brush.rememberedBackground = trueColour ? 0x123456u : 9u;
    for (auto& c : brush.palette) c = random() & 0xFFFFFFu;
    for (std::uint32_t f = 0; f < frames; ++f) {
        std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height) * (trueColour ? 3 : 1));
        for (auto& p : pixels) p = std::uint8_t(random());
        brush.frames.push_back(std::move(pixels));
    }
    return brush;
}

std::uint32_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

TEST(BrushFileBytes, APaletteBrushIsHeaderPaletteRedFirstThenRowsAndATrueColourOneHasNoPalette) {
    const BrushRecord palette = MakeBrush(false, 3, 2, 1);
    const auto bytes = EncodeBrushFile(palette, false);
    ASSERT_EQ(bytes.size(), 1055u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "QLBSH");
    EXPECT_EQ(Word(bytes, 5), 0u);
    EXPECT_EQ(Word(bytes, 9), 1u);
    EXPECT_EQ(Word(bytes, 13), 3u);
    EXPECT_EQ(Word(bytes, 17), 2u);
    EXPECT_EQ(Word(bytes, 21), 9u);
    const ColourRef first = palette.palette[0];
    EXPECT_EQ(bytes[25], RedOf(first));
    EXPECT_EQ(bytes[26], GreenOf(first));
    EXPECT_EQ(bytes[27], BlueOf(first));
    EXPECT_EQ(bytes[28], 0);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 1049, bytes.end()), palette.frames[0]);

    const BrushRecord colour = MakeBrush(true, 3, 2, 1);
    const auto small = EncodeBrushFile(colour, true);
    ASSERT_EQ(small.size(), 43u);
    EXPECT_EQ(Word(small, 5), 1u);
    EXPECT_EQ(Word(small, 21), 0x123456u);
    EXPECT_EQ(std::vector<std::uint8_t>(small.begin() + 25, small.end()), colour.frames[0]);
}

TEST(BrushFileBytes, ARoundTripKeepsEveryFrameAndPutsTheHandleAtTheCentre) {
    for (bool trueColour : {false, true}) {
        const BrushRecord saved = MakeBrush(trueColour, 5, 4, 3);
        auto file = DecodeBrushFile(EncodeBrushFile(saved, trueColour));
        ASSERT_TRUE(file) << trueColour;
        PaintBrush brush;
        brush.kind = BrushKind::Shape;
        brush.Current(trueColour).currentFrame = 7;  // beyond the three frames loaded
        TakeBrushFile(brush, std::move(*file), trueColour);
        const BrushRecord& loaded = brush.Current(trueColour);
        EXPECT_FALSE(loaded.borrowed);
        EXPECT_EQ(loaded.frameCount, 3u);
        EXPECT_EQ(loaded.frames, saved.frames);
        EXPECT_EQ(loaded.width, 5);
        EXPECT_EQ(loaded.height, 4);
        EXPECT_EQ(loaded.handleX, 2);  // 5 div 2, not the 1 it was saved with
        EXPECT_EQ(loaded.handleY, 2);
        EXPECT_EQ(loaded.currentFrame, 0u);
        EXPECT_EQ(loaded.rememberedBackground, saved.rememberedBackground);
        if (!trueColour) {
            EXPECT_EQ(loaded.palette, saved.palette);
        }
        EXPECT_EQ(brush.kind, BrushKind::Grabbed);
    }
}

TEST(BrushFileBytes, AFileOfTheOtherDepthFillsThatBrushAndLeavesTheKindAlone) {
    auto file = DecodeBrushFile(EncodeBrushFile(MakeBrush(true, 2, 2, 1), true));
    ASSERT_TRUE(file);
    PaintBrush brush;
    brush.kind = BrushKind::Shape;
    const BrushRecord paletteBefore = brush.Current(false);
    TakeBrushFile(brush, std::move(*file), false);  // a palette picture is current
    EXPECT_EQ(brush.kind, BrushKind::Shape);
    EXPECT_EQ(brush.Current(true).frameCount, 1u);
    EXPECT_EQ(brush.Current(false).frames, paletteBefore.frames);
    EXPECT_EQ(brush.Current(false).borrowed, paletteBefore.borrowed);
}

TEST(BrushFileBytes, AnyNonZeroFlagIsTrueColourAndTrailingBytesAreIgnored) {
    auto bytes = EncodeBrushFile(MakeBrush(true, 3, 2, 1), true);
    PutWord(bytes, 5, 7);
    bytes.push_back(0xEE);
    const auto file = DecodeBrushFile(bytes);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->header.trueColour);
    EXPECT_EQ(file->frames[0].size(), 18u);
}

TEST(BrushFileBytes, HeadersThatCannotBeABrushAndFilesCutShortAreRefused) {
    const auto good = EncodeBrushFile(MakeBrush(false, 3, 2, 2), false);
    ASSERT_TRUE(DecodeBrushFile(good));
    auto other = good;
    std::copy_n("QLPAL", 5, other.begin());
    EXPECT_FALSE(DecodeBrushFile(other));
    for (std::size_t size : {std::size_t(0), std::size_t(24), std::size_t(25), std::size_t(1049), good.size() - 1})
        EXPECT_FALSE(DecodeBrushFile(std::span(good.data(), size))) << size;

    struct Bad {
        std::size_t at;
        std::uint32_t value;
    };
    for (const Bad bad : {Bad{9, 0}, Bad{9, 2049}, Bad{13, 0}, Bad{17, 0}, Bad{13, 0xFFFFFFFFu},
                          Bad{17, 0x80000000u}, Bad{13, 65536}}) {
        auto bytes = good;
        PutWord(bytes, bad.at, bad.value);
        EXPECT_FALSE(DecodeBrushHeader(bytes)) << bad.at << " = " << bad.value;
        EXPECT_FALSE(DecodeBrushFile(bytes)) << bad.at << " = " << bad.value;
    }
    // A header promising a large brush over a short file: refused without reading it.
    auto promise = good;
    PutWord(promise, 13, 60000);
    PutWord(promise, 17, 60000);
    EXPECT_TRUE(DecodeBrushHeader(promise));
    EXPECT_FALSE(DecodeBrushFile(promise));
}

class BrushFileCommands : public ::testing::Test {
protected:
    TempDir dir;
    testing::FakeDocumentEnvironment environment;
    testing::ScriptedInteraction& ui = environment.ui;
    PaintBrush brush;
    ImageFileContext Context() { return environment.FileContext(); }
};

TEST_F(BrushFileCommands, ASavedBrushLoadsBackAndTheBrushBeforeIsKeptAsPrevious) {
    brush.Current(false) = MakeBrush(false, 4, 3, 2);
    ui.ExpectSaveFile(dir.File("Walk"));
    ASSERT_TRUE(SaveBrushAs(brush, false, Context()));
    EXPECT_TRUE(ui.OnlyMessageIs("256 COLOUR brush saved.", "Successfully Saved", MessageIcon::Information));
    EXPECT_EQ(ReadBytes(dir.File("Walk.bsh")).size(), 1049u + 2 * 12);

    const BrushRecord saved = brush.Current(false);
    brush.Current(false) = MakeBrush(false, 2, 2, 1, 99);
    const BrushRecord before = brush.Current(false);
    ui.ClearMessages();
    ui.ExpectOpenFile(dir.File("Walk.BSH"));  // any case of the extension is kept as typed
    WriteBytes(dir.File("Walk.BSH"), ReadBytes(dir.File("Walk.bsh")));
    ASSERT_TRUE(LoadBrush(brush, false, 1, Context()));
    EXPECT_TRUE(ui.OnlyMessageIs("256 COLOUR brush loaded.", "Successfully Loaded", MessageIcon::Information));
    EXPECT_EQ(brush.Current(false).frames, saved.frames);
    EXPECT_EQ(brush.Previous(false).frames, before.frames);
    brush.RestorePreviousBrush(false);
    EXPECT_EQ(brush.Current(false).frames, before.frames);
}

TEST_F(BrushFileCommands, NothingToSaveAndFilesThatAreNoBrushSayWhyAndChangeNothing) {
    EXPECT_FALSE(SaveBrushAs(brush, true, Context()));
    EXPECT_TRUE(ui.OnlyMessageIs("No TRUE COLOUR brush currently exists.", "No Brush To Save",
                                 MessageIcon::Information));
    ui.ClearMessages();
    EXPECT_FALSE(SaveBrushAs(brush, false, Context()));
    EXPECT_TRUE(ui.OnlyMessageIs("No 256 COLOUR brush currently exists.", "No Brush To Save",
                                 MessageIcon::Information));
    EXPECT_TRUE(testing::ListFolder(dir.Path()).empty());

    brush.Current(true) = MakeBrush(true, 3, 3, 1);
    const BrushRecord kept = brush.Current(true);
    auto cut = EncodeBrushFile(MakeBrush(true, 8, 8, 4), true);
    cut.resize(cut.size() - 1);
    WriteBytes(dir.File("cut.bsh"), cut);
    WriteBytes(dir.File("palette.bsh"), std::vector<std::uint8_t>(1029, 'Q'));
    for (const char* name : {"cut.bsh", "palette.bsh"}) {
        ui.ClearMessages();
        ui.ExpectOpenFile(dir.File(name));
        EXPECT_FALSE(LoadBrush(brush, true, 1, Context()));
        EXPECT_TRUE(ui.OnlyMessageIs("Cannot load brush.\n" + dir.File(name) + " is not a valid Quillor brush file.",
                                     "Load Aborted", MessageIcon::Exclamation))
            << name;
        EXPECT_EQ(brush.Current(true).frames, kept.frames) << name;
    }
    ui.ClearMessages();
    ui.ExpectOpenFile(dir.File("missing"));
    EXPECT_FALSE(LoadBrush(brush, true, 1, Context()));
    EXPECT_TRUE(ui.OnlyMessageIs("Error - Could not open file " + dir.File("missing.bsh") + ".", "File Opening Error",
                                 MessageIcon::Exclamation));
}

TEST_F(BrushFileCommands, AFailedSaveKeepsTheOldFileAndSaysSo) {
    brush.Current(true) = MakeBrush(true, 3, 3, 1);
    const std::vector<std::uint8_t> old = {'o', 'l', 'd'};
    WriteBytes(dir.File("kept.bsh"), old);
    testing::SystemCallFaults::fsyncError = EIO;
    ui.ExpectSaveFile(dir.File("kept.bsh"));
    const bool saved = SaveBrushAs(brush, true, Context());
    testing::SystemCallFaults::Reset();
    EXPECT_FALSE(saved);
    EXPECT_TRUE(ui.OnlyMessageIs("Error - Could not open file " + dir.File("kept.bsh") + ".", "File Opening Error",
                                 MessageIcon::Exclamation));
    EXPECT_EQ(ReadBytes(dir.File("kept.bsh")), old);
}

}  // namespace
}  // namespace quillor
