// The command line's palette work: `quillor palette` and the palette options of
// `quillor convert`.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cli/cli_fixture.h"
#include "palette/brush_palette.h"
#include "palette/palette_file.h"
#include "palette/palette_order.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::Cli;
using testing::Outcome;
using testing::ReadBytes;
using testing::WriteBytes;

std::array<ColourRef, 256> TableOf(const COXDIB& image) {
    std::array<ColourRef, 256> table{};
    for (int i = 0; i < 256; ++i) table[std::size_t(i)] = image.GetColour(std::uint8_t(i));
    return table;
}

std::vector<std::uint8_t> IndicesOf(const COXDIB& image) {
    std::vector<std::uint8_t> indices;
    const DibSize size = image.GetSize();
    for (int y = 0; y < size.height; ++y) indices.insert(indices.end(), image.Line(y), image.Line(y) + size.width);
    return indices;
}

std::array<ColourRef, 256> RandomColours(unsigned seed) {
    std::mt19937 random(seed);
    std::array<ColourRef, 256> colours{};
    for (auto& c : colours) c = random() & 0xFFFFFFu;
    return colours;
}

class PaletteCli : public Cli {
protected:
    void SetUp() override {
        testing::MakePattern8(pattern, 23, 17);
        Save(pattern, "pattern.bmp");
        testing::MakeGradient24(photo, 20, 10);
        Save(photo, "photo.bmp");
    }
    void WritePalette(const std::string& name, const std::array<ColourRef, 256>& colours) {
        WriteBytes(dir.File(name), EncodePaletteFile(colours));
    }
    COXDIB pattern;
    COXDIB photo;
};

TEST_F(PaletteCli, HelpNamesTheVerbAndTheOptions) {
    Outcome help = Quillor({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("quillor palette IN -o OUT.pal"), std::string::npos) << help.out;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"palette", "--help"},
                                                 std::vector<std::string>{"--help", "palette"}}) {
        Outcome palette = Quillor(args);
        EXPECT_EQ(palette.status, 0);
        EXPECT_NE(palette.out.find("-o, --output OUT.pal"), std::string::npos) << palette.out;
    }
    Outcome convert = Quillor({"convert", "--help"});
    for (const char* option : {"--order-palette", "--load-palette", "--remap-to"})
        EXPECT_NE(convert.out.find(option), std::string::npos) << option;
}

TEST_F(PaletteCli, PaletteWritesThePicturesColours) {
    Outcome run = Quillor({"palette", "pattern.bmp", "-o", "Pattern.PAL"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(dir.File("Pattern.PAL")), EncodePaletteFile(TableOf(pattern)));

    // A 16-colour picture: its own sixteen, then the default table.
    COXDIB four;
    ASSERT_TRUE(four.CreateBlank(4, 6, 5));
    for (int i = 0; i < 16; ++i) four.SetColour(std::uint8_t(i), MakeColour(std::uint8_t(i), 100, 200));
    Save(four, "four.bmp");
    run = Quillor({"palette", "four.bmp", "--output", "four.pal"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto colours = DecodePaletteFile(ReadBytes(dir.File("four.pal")));
    ASSERT_TRUE(colours);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ((*colours)[std::size_t(i)],
                  i < 16 ? MakeColour(std::uint8_t(i), 100, 200) : TableWordToColour(DefaultColourTable()[std::size_t(i)]));
}

TEST_F(PaletteCli, PaletteRefusesWhatHasNoPaletteOrIsMisnamed) {
    Outcome run = Quillor({"palette", "photo.bmp", "-o", "photo.pal"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'photo.bmp' is a true-colour picture: it has no palette"), std::string::npos) << run.err;
    EXPECT_TRUE(ReadBytes(dir.File("photo.pal")).empty());

    EXPECT_EQ(Quillor({"palette", "pattern.bmp"}).status, 2);
    EXPECT_EQ(Quillor({"palette", "pattern.bmp", "-o", "a.pal", "--output", "b.pal"}).status, 2);
    EXPECT_EQ(Quillor({"palette", "pattern.bmp", "-o", "pattern.txt"}).status, 2);
    EXPECT_TRUE(ReadBytes(dir.File("pattern.txt")).empty());
    run = Quillor({"palette", "missing.bmp", "-o", "m.pal"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Could not open file 'missing.bmp'"), std::string::npos) << run.err;
}

TEST_F(PaletteCli, OrderingKeepsEveryPixelsColour) {
    for (const char* order : {"dark", "light", "hue"}) {
        Outcome run = Quillor({"convert", "pattern.bmp", "ordered.bmp", "--order-palette", order});
        ASSERT_EQ(run.status, 0) << run.err;
        const COXDIB ordered = Load("ordered.bmp");
        EXPECT_EQ(testing::DifferenceBetween(ordered, pattern), "") << order;
        EXPECT_NE(TableOf(ordered), TableOf(pattern)) << order;
        if (std::string(order) == "dark") {
            for (int i = 0; i < 255; ++i)
                EXPECT_LE(Brightness(ordered.GetColour(std::uint8_t(i))), Brightness(ordered.GetColour(std::uint8_t(i + 1))));
        }
    }
}

TEST_F(PaletteCli, LoadingReplacesTheColoursAndKeepsTheIndices) {
    const auto colours = RandomColours(4);
    WritePalette("other.pal", colours);
    Outcome run = Quillor({"convert", "pattern.bmp", "loaded.bmp", "--load-palette", "other.pal"});
    ASSERT_EQ(run.status, 0) << run.err;
    const COXDIB loaded = Load("loaded.bmp");
    EXPECT_EQ(TableOf(loaded), colours);
    EXPECT_EQ(IndicesOf(loaded), IndicesOf(pattern));
}

TEST_F(PaletteCli, RemappingMatchesEachPixelAndTakesTheFilesColours) {
    const auto colours = RandomColours(9);
    WritePalette("target.pal", colours);
    Outcome run = Quillor({"convert", "pattern.bmp", "remapped.bmp", "--remap-to", "target.pal"});
    ASSERT_EQ(run.status, 0) << run.err;
    const COXDIB remapped = Load("remapped.bmp");
    EXPECT_EQ(TableOf(remapped), colours);
    const auto before = IndicesOf(pattern);
    const auto after = IndicesOf(remapped);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        ASSERT_EQ(after[i], NearestEntry(pattern.GetColour(before[i]), colours.data(), 256)) << i;
}

TEST_F(PaletteCli, StepsRunInTheOrderGiven) {
    const auto colours = RandomColours(11);
    WritePalette("p.pal", colours);
    ASSERT_EQ(Quillor({"convert", "pattern.bmp", "a.bmp", "--order-palette", "dark", "--load-palette", "p.pal"}).status, 0);
    EXPECT_EQ(TableOf(Load("a.bmp")), colours);  // the file's colours as they are

    ASSERT_EQ(Quillor({"convert", "pattern.bmp", "b.bmp", "--load-palette", "p.pal", "--order-palette", "dark"}).status, 0);
    auto sorted = colours;
    std::stable_sort(sorted.begin(), sorted.end(), [](ColourRef a, ColourRef b) { return Brightness(a) < Brightness(b); });
    EXPECT_EQ(TableOf(Load("b.bmp")), sorted);  // the file's colours, then ordered
}

TEST_F(PaletteCli, RefusalsWriteNothing) {
    WritePalette("p.pal", RandomColours(1));
    Outcome run = Quillor({"convert", "photo.bmp", "out.bmp", "--order-palette", "hue"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'photo.bmp' is a true-colour picture"), std::string::npos) << run.err;
    EXPECT_EQ(Quillor({"convert", "photo.bmp", "out.bmp", "--load-palette", "p.pal"}).status, 1);
    EXPECT_EQ(Quillor({"convert", "pattern.bmp", "out.bmp", "--order-palette", "bright"}).status, 2);

    auto brush = EncodePaletteFile({});
    std::copy_n("QLBSH", 5, brush.begin());
    WriteBytes(dir.File("brush.pal"), brush);
    run = Quillor({"convert", "pattern.bmp", "out.bmp", "--order-palette", "dark", "--remap-to", "brush.pal"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot load palette.\nbrush.pal is not a valid Quillor palette file."), std::string::npos)
        << run.err;
    run = Quillor({"convert", "pattern.bmp", "out.bmp", "--load-palette", "none.pal"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error - Could not open file none.pal."), std::string::npos) << run.err;
    EXPECT_TRUE(ReadBytes(dir.File("out.bmp")).empty());
}

}  // namespace
}  // namespace quillor
