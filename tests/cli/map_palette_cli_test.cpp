// `quillor map-palette`: the palette mapper from the command line, with the window's
// checks and messages, and its exit status.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cli/cli_fixture.h"
#include "support/palette_bmp.h"

namespace quillor {
namespace {

using testing::Cli;
using testing::DistinctPalette;
using testing::Outcome;
using testing::PaletteBmp;
using testing::ReadBytes;
using testing::WriteBytes;

using Bytes = std::vector<std::uint8_t>;

class MapPaletteCli : public Cli {
protected:
    void SetUp() override {
        PaletteBmp source;
        source.palette = DistinctPalette(21);
        WriteBytes(dir.File("source.bmp"), source.Bytes());
        plain.palette = DistinctPalette(40);
        // Pixels 0 and 1 of a palette whose entry 1 is the source's entry 77, in three rows
        // of four.
        plain.width = 4;
        plain.rows = {0, 1, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0};
        std::copy_n(DistinctPalette(21).begin() + 77 * 4, 4, plain.palette.begin() + 4);
        std::filesystem::create_directory(dir.File("sub"));
        WriteBytes(dir.File("sub/a.bmp"), plain.Bytes());
        WriteBytes(dir.File("b.BMP"), plain.Bytes());
    }
    Bytes Pixels(const std::string& name) {
        const Bytes all = ReadBytes(dir.File(name));
        return all.size() < 1078 ? Bytes() : Bytes(all.begin() + 1078, all.end());
    }
    PaletteBmp plain;
};

TEST_F(MapPaletteCli, MapsEveryFileNamedAndSaysSoAsTheWindowDoes) {
    WriteBytes(dir.File("c.bmp"), plain.Bytes());
    Outcome run = Quillor({"map-palette", "source.bmp", "sub/a.bmp", "c.bmp"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "quillor: Status: Done.\n");
    EXPECT_EQ(Pixels("sub/a.bmp"), plain.rows);
    EXPECT_EQ(ReadBytes(dir.File("c.bmp")), ReadBytes(dir.File("sub/a.bmp")));
    const Bytes a = ReadBytes(dir.File("sub/a.bmp"));
    const auto palette = DistinctPalette(21);
    EXPECT_TRUE(std::equal(palette.begin(), palette.end(), a.begin() + 54));

    run = Quillor({"map-palette", "source.bmp", "b.BMP", "--remap"});
    ASSERT_EQ(run.status, 0) << run.err;
    // Entry 1 was the source's colour 77 and moves there; entry 0 is nearest the source's
    // entry 0, so it stays.
    EXPECT_EQ(Pixels("b.BMP"), (Bytes{0, 77, 0, 77, 77, 77, 0, 0, 0, 0, 0, 0}));
}

TEST_F(MapPaletteCli, RefusedFilesFailTheRunAndStayAsTheyWere) {
    PaletteBmp truecolour;
    truecolour.bitCount = 24;
    const Bytes photo = truecolour.Bytes();
    WriteBytes(dir.File("photo.bmp"), photo);
    WriteBytes(dir.File("notes.txt"), {1, 2, 3});
    Outcome run = Quillor({"map-palette", "source.bmp", "photo.bmp", "notes.txt", "b.BMP", "--remap"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "quillor: Status: File 'photo.bmp' is not a 2/16/256 colour BMP.\n"
              "quillor: Status: Ignoring 'notes.txt' as it is not an LBM file.\n"
              "quillor: Status: Done.\n");
    EXPECT_EQ(ReadBytes(dir.File("photo.bmp")), photo);
    EXPECT_NE(ReadBytes(dir.File("b.BMP")), plain.Bytes());

    // A source without a bitmap's name is not read, and nothing is written.
    WriteBytes(dir.File("palette.dat"), ReadBytes(dir.File("source.bmp")));
    run = Quillor({"map-palette", "palette.dat", "sub/a.bmp"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quillor: Status: File 'palette.dat' is not a valid BMP.\n");
    EXPECT_EQ(ReadBytes(dir.File("sub/a.bmp")), plain.Bytes());

    if (::geteuid() != 0) {  // the superuser may write any file
        ::chmod(dir.File("sub/a.bmp").c_str(), 0444);
        run = Quillor({"map-palette", "source.bmp", "sub/a.bmp"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "quillor: Status: Ignoring file 'sub/a.bmp' as it is READ only.\n"
                           "quillor: Status: Done.\n");
        EXPECT_EQ(ReadBytes(dir.File("sub/a.bmp")), plain.Bytes());
    }
    EXPECT_EQ(testing::ListFolder(dir.File("sub")), std::vector<std::string>{"a.bmp"});
}

TEST_F(MapPaletteCli, AWrongCommandLineGetsTheUsage) {
    Outcome run = Quillor({"map-palette", "source.bmp"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: quillor map-palette SOURCE.bmp DEST.bmp... [--remap]"), std::string::npos);
    run = Quillor({"map-palette", "source.bmp", "b.BMP", "--remove"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(ReadBytes(dir.File("b.BMP")), plain.Bytes());
    run = Quillor({"map-palette", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--remap"), std::string::npos);
    run = Quillor({"--help"});
    EXPECT_NE(run.out.find("quillor map-palette SOURCE.bmp DEST.bmp... [--remap]"), std::string::npos);
}

}  // namespace
}  // namespace quillor
