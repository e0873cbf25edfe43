// Giving BMP files another file's palette, byte by byte: what changes, what is refused,
// and that nothing refused or failed is ever changed.

#include "utilities/bmp_palette_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <random>

#include "core/coxdib.h"
#include "formats/image_file.h"
#include "platform/settings_store.h"
#include "support/palette_bmp.h"
#include "support/scripted_interaction.h"
#include "support/system_call_faults.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::DistinctPalette;
using testing::ListFolder;
using testing::PaletteBmp;
using testing::ReadBytes;
using testing::ScriptedInteraction;
using testing::SystemCallFaults;
using testing::TempDir;
using testing::WriteBytes;

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

constexpr std::size_t kRows = 1078;

BmpPalette ToPalette(const std::array<std::uint8_t, 1024>& bytes) {
    BmpPalette p;
    std::copy(bytes.begin(), bytes.end(), p.begin());
    return p;
}

// The obvious search: every distance, then the first entry with the smallest.
std::uint8_t SlowNearest(const BmpPalette& from, int i, const BmpPalette& to) {
    std::vector<int> distances;
    for (int j = 0; j < 256; ++j) {
        int d = 0;
        for (int c = 0; c < 3; ++c) d += std::abs(int(from[std::size_t(i * 4 + c)]) - int(to[std::size_t(j * 4 + c)]));
        distances.push_back(d);
    }
    return std::uint8_t(std::min_element(distances.begin(), distances.end()) - distances.begin());
}

class PaletteMappingTest : public ::testing::Test {
protected:
    void SetUp() override { SystemCallFaults::Reset(); }
    void TearDown() override { SystemCallFaults::Reset(); }

    // "source.bmp" with a palette of distinct colours.
    void MakeSource() {
        PaletteBmp source;
        source.palette = DistinctPalette(11);
        WriteBytes(dir.File("source.bmp"), source.Bytes());
    }
    BmpPalette SourcePalette() const { return ToPalette(DistinctPalette(11)); }

    PaletteMapRun Run(const Names& destinations, PaletteOperation operation, const std::string& source = "source.bmp") {
        return MapPalettes(ui, dir.Path(), source, dir.Path(), destinations, operation);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : ui.Messages()) texts.push_back(m.text);
        return texts;
    }

    TempDir dir;
    ScriptedInteraction ui;
};

TEST_F(PaletteMappingTest, ReplacingThePaletteKeepsEveryOtherByte) {
    MakeSource();
    PaletteBmp dest;
    dest.width = 7;  // rows padded to 8
    dest.palette = DistinctPalette(99);
    dest.trailer = {1, 2, 3};
    const Bytes before = dest.Bytes();
    WriteBytes(dir.File("dest.bmp"), before);

    const PaletteMapRun run = Run({"dest.bmp"}, PaletteOperation::ReplacePalette);
    EXPECT_TRUE(run.AllMapped());
    EXPECT_TRUE(ui.OnlyMessageIs("Done.", "Status", MessageIcon::Information));
    EXPECT_EQ(ui.WaitCount(), 1);
    EXPECT_EQ(ui.progress, (std::vector<std::pair<int, int>>{{1, 1}}));

    Bytes expected = before;
    const BmpPalette palette = SourcePalette();
    std::copy(palette.begin(), palette.end(), expected.begin() + 54);
    EXPECT_EQ(ReadBytes(dir.File("dest.bmp")), expected);
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"dest.bmp", "source.bmp"}));  // no temporary file left
}

TEST_F(PaletteMappingTest, NearestColourTakesTheLowestIndexAmongEquals) {
    BmpPalette to{}, from{};
    // Entry 0 of `from` is 30 away from both entry 0 (20,20,20) and entry 1 (0,0,0).
    for (int c = 0; c < 3; ++c) {
        to[std::size_t(c)] = 20;
        to[std::size_t(4 + c)] = 0;
        from[std::size_t(c)] = 10;
    }
    for (int j = 2; j < 256; ++j) to[std::size_t(j * 4)] = 255, to[std::size_t(j * 4 + 1)] = 255;
    EXPECT_EQ(NearestIndexMap(from, to)[0], 0);
    // Only blue, green and red count, not the reserved byte.
    to[3] = 200;
    to[7] = 0;
    EXPECT_EQ(NearestIndexMap(from, to)[0], 0);
    std::swap_ranges(to.begin(), to.begin() + 4, to.begin() + 4);
    EXPECT_EQ(NearestIndexMap(from, to)[0], 0);

    // Against the obvious search, on palettes with many equal distances.
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        BmpPalette a{}, b{};
        for (auto& v : a) v = std::uint8_t(random() % 6 * 50);
        for (auto& v : b) v = std::uint8_t(random() % 6 * 50);
        const IndexMap map = NearestIndexMap(a, b);
        for (int i = 0; i < 256; ++i) ASSERT_EQ(map[std::size_t(i)], SlowNearest(a, i, b)) << "round " << round << " entry " << i;
    }
}

TEST_F(PaletteMappingTest, RemappingOntoTheSamePaletteMovesDuplicatesToTheLowestIndex) {
    PaletteBmp source;
    source.palette = DistinctPalette(3);
    // Entry 9 repeats entry 5, and entry 200 repeats entry 3.
    std::copy_n(source.palette.begin() + 5 * 4, 4, source.palette.begin() + 9 * 4);
    std::copy_n(source.palette.begin() + 3 * 4, 4, source.palette.begin() + 200 * 4);
    WriteBytes(dir.File("source.bmp"), source.Bytes());
    PaletteBmp dest = source;
    dest.width = 6;
    dest.height = -2;  // top-down rows are bytes like any others
    dest.rows = {9, 5, 200, 3, 17, 255, 0, 0, 9, 9, 1, 2, 4, 4, 0, 0};
    dest.trailer = {9, 200};  // not pixels: kept as they are
    WriteBytes(dir.File("dest.bmp"), dest.Bytes());

    ASSERT_TRUE(Run({"dest.bmp"}, PaletteOperation::ReplaceAndRemap).AllMapped());
    const Bytes after = ReadBytes(dir.File("dest.bmp"));
    ASSERT_EQ(after.size(), kRows + 18);
    EXPECT_EQ(Bytes(after.begin() + kRows, after.end()),
              (Bytes{5, 5, 3, 3, 17, 255, 0, 0, 5, 5, 1, 2, 4, 4, 0, 0, 9, 200}));
    const Bytes original = dest.Bytes();
    EXPECT_EQ(Bytes(after.begin(), after.begin() + 54), Bytes(original.begin(), original.begin() + 54));
}

TEST_F(PaletteMappingTest, APictureThisProgramSavedTakesTheNewColours) {
    MakeSource();
    COXDIB picture;
    testing::MakePattern8(picture, 33, 9);
    SettingsStore settings;
    ASSERT_TRUE(SaveImageFile(picture, dir.File("saved.BMP"), {ui, settings}));
    ASSERT_TRUE(Run({"saved.BMP"}, PaletteOperation::ReplaceAndRemap).AllMapped());
    COXDIB back;
    ASSERT_TRUE(LoadImageFile(back, dir.File("saved.BMP"), {ui, settings}));
    ASSERT_EQ(back.GetBitCount(), 8);
    const BmpPalette source = SourcePalette();
    BmpPalette old{};
    for (int i = 0; i < 256; ++i) {
        const TableWord now = back.GetTableWord(std::uint8_t(i));
        EXPECT_EQ(now, TableWord(source[std::size_t(i * 4)] | source[std::size_t(i * 4 + 1)] << 8 |
                                 source[std::size_t(i * 4 + 2)] << 16))
            << i;
        // Each pixel shows the new palette's colour nearest to the one it showed.
        const TableWord was = picture.GetTableWord(std::uint8_t(i));
        old[std::size_t(i * 4)] = std::uint8_t(was);
        old[std::size_t(i * 4 + 1)] = std::uint8_t(was >> 8);
        old[std::size_t(i * 4 + 2)] = std::uint8_t(was >> 16);
    }
    const IndexMap map = NearestIndexMap(old, source);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 33; ++x) ASSERT_EQ(back.Line(y)[x], map[picture.Line(y)[x]]) << x << "," << y;
}

TEST_F(PaletteMappingTest, RefusedDestinationsAreReportedInOrderAndLeftByteForByte) {
    MakeSource();
    PaletteBmp good;
    struct Case {
        std::string name;
        Bytes bytes;
    };
    std::vector<Case> cases;
    auto add = [&](std::string name, Bytes bytes) { cases.push_back({std::move(name), std::move(bytes)}); };
    add("notes.txt", good.Bytes());
    PaletteBmp truecolour;
    truecolour.bitCount = 24;
    add("photo.bmp", truecolour.Bytes());
    PaletteBmp rle;
    rle.compression = 1;
    add("rle.bmp", rle.Bytes());
    PaletteBmp rle4;  // its depth is what is wrong first
    rle4.bitCount = 4;
    rle4.compression = 2;
    add("rle4.bmp", rle4.Bytes());
    Bytes cut = good.Bytes();
    cut.resize(cut.size() - 2);  // the last row short
    add("cut.bmp", cut);
    PaletteBmp v5;
    v5.headerSize = 124;
    add("v5.bmp", v5.Bytes());
    PaletteBmp gap;
    gap.bitsOffset = 1082;
    add("gap.bmp", gap.Bytes());
    PaletteBmp sixteen;
    sixteen.coloursUsed = 16;
    add("sixteen.bmp", sixteen.Bytes());
    PaletteBmp os2;
    os2.headerSize = 12;
    add("os2.bmp", os2.Bytes());
    PaletteBmp huge;
    huge.width = 70000;
    add("huge.bmp", huge.Bytes());
    const Bytes whole = good.Bytes();
    add("header.bmp", Bytes(whole.begin(), whole.begin() + 30));
    add("palette.bmp", Bytes(whole.begin(), whole.begin() + 600));
    Bytes magic = good.Bytes();
    magic[1] = 'A';
    add("magic.bmp", magic);
    add("empty.bmp", {});
    good.palette = DistinctPalette(1);
    add("good.bmp", good.Bytes());

    Names names;
    for (const Case& c : cases) {
        WriteBytes(dir.File(c.name), c.bytes);
        names.push_back(c.name);
    }
    names.push_back("missing.bmp");
    const PaletteMapRun run = Run(names, PaletteOperation::ReplaceAndRemap);
    EXPECT_FALSE(run.AllMapped());
    std::vector<bool> expectMapped(names.size(), false);
    expectMapped[cases.size() - 1] = true;
    EXPECT_EQ(run.mapped, expectMapped);

    EXPECT_EQ(Texts(), (Names{"Ignoring 'notes.txt' as it is not an LBM file.",
                              "File 'photo.bmp' is not a 2/16/256 colour BMP.",
                              "File 'rle.bmp' is not an uncompressed BMP.",
                              "File 'rle4.bmp' is not a 2/16/256 colour BMP.",
                              "Error in file 'cut.bmp'.",
                              "Error in file 'v5.bmp'.",
                              "Error in file 'gap.bmp'.",
                              "Error in file 'sixteen.bmp'.",
                              "Error in file 'os2.bmp'.",
                              "Error in file 'huge.bmp'.",
                              "Error in file 'header.bmp'.",
                              "Error in file 'palette.bmp'.",
                              "File 'magic.bmp' is not a valid BMP.",
                              "File 'empty.bmp' is not a valid BMP.",
                              "File 'missing.bmp' is not a valid BMP.",
                              "Done."}));
    for (const auto& m : ui.Messages()) {
        EXPECT_EQ(m.title, "Status");
        EXPECT_EQ(m.icon, m.text == "Done." ? MessageIcon::Information : MessageIcon::Exclamation) << m.text;
    }
    for (std::size_t i = 0; i + 1 < cases.size(); ++i)
        EXPECT_EQ(ReadBytes(dir.File(cases[i].name)), cases[i].bytes) << cases[i].name;
    EXPECT_NE(ReadBytes(dir.File("good.bmp")), cases.back().bytes);
    EXPECT_EQ(ui.progress.size(), names.size());
    EXPECT_EQ(ui.progress.back(), std::make_pair(int(names.size()), int(names.size())));
    EXPECT_EQ(ListFolder(dir.Path()).size(), cases.size() + 1);  // no temporary file left
}

TEST_F(PaletteMappingTest, AFileTheUserMayNotWriteOrThatCannotBeFlushedStaysAsItWas) {
    MakeSource();
    PaletteBmp dest;
    const Bytes before = dest.Bytes();
    WriteBytes(dir.File("locked.bmp"), before);
    WriteBytes(dir.File("disk.bmp"), before);
    WriteBytes(dir.File("fine.bmp"), before);
    SystemCallFaults::writeDeniedPath = dir.File("locked.bmp");
    PaletteMapRun run = Run({"locked.bmp", "fine.bmp"}, PaletteOperation::ReplacePalette);
    EXPECT_EQ(run.mapped, (std::vector<bool>{false, true}));
    EXPECT_EQ(Texts(), (Names{"Ignoring file 'locked.bmp' as it is READ only.", "Done."}));
    EXPECT_EQ(ReadBytes(dir.File("locked.bmp")), before);
    EXPECT_NE(ReadBytes(dir.File("fine.bmp")), before);

    ui.ClearMessages();
    SystemCallFaults::Reset();
    SystemCallFaults::fsyncError = EIO;
    run = Run({"disk.bmp"}, PaletteOperation::ReplaceAndRemap);
    EXPECT_FALSE(run.AllMapped());
    EXPECT_EQ(Texts(), (Names{"Error in file 'disk.bmp'.", "Done."}));
    EXPECT_EQ(ReadBytes(dir.File("disk.bmp")), before);
    EXPECT_EQ(ListFolder(dir.Path()), (Names{"disk.bmp", "fine.bmp", "locked.bmp", "source.bmp"}));
}

TEST_F(PaletteMappingTest, AnUnusableSourceEndsTheRunBeforeAnyDestination) {
    PaletteBmp dest;
    const Bytes before = dest.Bytes();
    WriteBytes(dir.File("dest.bmp"), before);
    PaletteBmp source;
    source.palette = DistinctPalette(4);
    WriteBytes(dir.File("palette.txt"), source.Bytes());
    PaletteBmp truecolour;
    truecolour.bitCount = 24;
    WriteBytes(dir.File("photo.bmp"), truecolour.Bytes());
    PaletteBmp rle;
    rle.compression = 1;
    WriteBytes(dir.File("rle.bmp"), rle.Bytes());
    Bytes shortTable = source.Bytes();
    shortTable.resize(500);
    WriteBytes(dir.File("short.bmp"), shortTable);
    PaletteBmp v4;
    v4.headerSize = 108;
    WriteBytes(dir.File("v4.bmp"), v4.Bytes());

    const std::vector<std::pair<std::string, std::string>> sources = {
        {"palette.txt", "File 'palette.txt' is not a valid BMP."},
        {"absent.bmp", "File 'absent.bmp' is not a valid BMP."},
        {"photo.bmp", "File 'photo.bmp' is not a 256 colour BMP."},
        {"rle.bmp", "File 'rle.bmp' is not an uncompressed 256 colour BMP."},
        {"short.bmp", "Error in file 'short.bmp'."},
        {"v4.bmp", "Error in file 'v4.bmp'."}};
    for (const auto& [name, message] : sources) {
        ui.ClearMessages();
        ui.progress.clear();
        const PaletteMapRun run = Run({"dest.bmp"}, PaletteOperation::ReplaceAndRemap, name);
        EXPECT_FALSE(run.sourceRead) << name;
        EXPECT_EQ(run.mapped, std::vector<bool>{false}) << name;
        EXPECT_TRUE(ui.OnlyMessageIs(message, "Status", MessageIcon::Exclamation)) << name;
        EXPECT_TRUE(ui.progress.empty()) << name;
        EXPECT_EQ(ui.WaitDepth(), 0);
    }
    EXPECT_EQ(ReadBytes(dir.File("dest.bmp")), before);
}

}  // namespace
}  // namespace quillor
