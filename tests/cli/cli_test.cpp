// The quillor command line, run as a user runs it: a separate process, its output and
// its exit status.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "formats/image_file.h"
#include "support/jpeg_tables.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::Cli;
using testing::Outcome;
using testing::ReadBytes;
using testing::TempDir;

TEST_F(Cli, HelpDescribesEveryVerbAndOption) {
    Outcome help = Quillor({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("info"), std::string::npos);
    EXPECT_NE(help.out.find("convert"), std::string::npos);
    Outcome convert = Quillor({"convert", "--help"});
    EXPECT_EQ(convert.status, 0);
    for (const char* option : {"--quality", "--progressive", "--interlace", "--tiff-compression",
                               "--page", "--password-env"})
        EXPECT_NE(convert.out.find(option), std::string::npos) << option;
    EXPECT_EQ(Quillor({"info", "--help"}).status, 0);
    EXPECT_EQ(Quillor({"convert", "only-one-file.bmp"}).status, 2);
    EXPECT_EQ(Quillor({"convert", "a.bmp", "b.png", "--bogus"}).status, 2);
    EXPECT_EQ(Quillor({"convert", "a.bmp", "b.jpg", "--quality", "200"}).status, 2);
    EXPECT_EQ(Quillor({"convert", "a.bmp", "b.jpg", "--tiff-compression", "lzw"}).status, 2);
}

TEST_F(Cli, InfoDescribesFilesAsTheProgramOpensThem) {
    COXDIB gradient, four;
    testing::MakeGradient24(gradient, 30, 20);
    ASSERT_TRUE(four.CreateBlank(4, 5, 6));
    Save(gradient, "photo.png");
    Save(four, "sixteen.bmp");
    Outcome run = Quillor({"info", "photo.png", "sixteen.bmp"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("photo.png: PNG, 30 x 20, true colour"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("sixteen.bmp: BMP, 5 x 6, 16 colours"), std::string::npos) << run.out;

    Save(gradient, "one.tif");
    run = Quillor({"info", "one.tif", "missing.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("one.tif: TIFF, 30 x 20, true colour, 1 page"), std::string::npos);
    // One message per failure: a file that is not there says so, and only that.
    EXPECT_NE(run.err.find("Could not open file 'missing.png'"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Quillor cannot load"), std::string::npos) << run.err;
}

class CliRoundTrip : public Cli, public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(CliRoundTrip, PicturesSurviveAConversionThereAndBack) {
    const auto [extension, tolerance] = GetParam();
    COXDIB truecolour, palette;
    if (tolerance > 0) {
        testing::MakeSmooth24(truecolour, 33, 17);
        testing::MakeSmooth8(palette, 21, 9);
    } else {
        testing::MakeGradient24(truecolour, 33, 17);
        testing::MakePattern8(palette, 21, 9);
    }
    Save(truecolour, "t.bmp");
    Save(palette, "p.bmp");
    for (const char* name : {"t", "p"}) {
        const std::string there = std::string(name) + "2" + extension;
        const std::string back = std::string(name) + "3.bmp";
        Outcome a = Quillor({"convert", std::string(name) + ".bmp", there});
        ASSERT_EQ(a.status, 0) << a.err;
        Outcome b = Quillor({"convert", there, back});
        ASSERT_EQ(b.status, 0) << b.err;
        const COXDIB& original = name[0] == 't' ? truecolour : palette;
        EXPECT_LE(testing::LargestChannelDifference(Load(back), original), tolerance) << there;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, CliRoundTrip,
                         ::testing::Values(std::make_pair(".bmp", 0), std::make_pair(".png", 0),
                                           std::make_pair(".tif", 0), std::make_pair(".tiff", 0),
                                           std::make_pair(".pcx", 0), std::make_pair(".tga", 0),
                                           std::make_pair(".psd", 0), std::make_pair(".tla", 0),
                                           std::make_pair(".pax", 12)),
                         [](const auto& info) { return std::string(info.param.first + 1); });

TEST_F(Cli, PasswordsComeFromTheEnvironment) {
    COXDIB image;
    testing::MakeGradient24(image, 9, 9);
    Save(image, "a.bmp");
    Outcome run = Quillor({"convert", "a.bmp", "locked.tla", "--password-env", "QPW"}, "QPW=hunter2");
    ASSERT_EQ(run.status, 0) << run.err;
    run = Quillor({"convert", "locked.tla", "b.bmp"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("--password-env"), std::string::npos) << run.err;
    run = Quillor({"convert", "locked.tla", "b.bmp", "--password-env", "QPW"}, "QPW=wrong");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot Read: The password you supplied was incorrect."), std::string::npos);
    EXPECT_EQ(run.err.find("Loading Error"), std::string::npos) << "only the password message";
    run = Quillor({"convert", "locked.tla", "b.bmp", "--password-env", "QPW"}, "QPW=hunter2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testing::DifferenceBetween(Load("b.bmp"), image), "");
    EXPECT_EQ(Quillor({"info", "locked.tla", "--password-env", "UNSET_VARIABLE"}).status, 2);
    // A password on the command line itself is not an option.
    EXPECT_EQ(Quillor({"convert", "a.bmp", "c.pax", "--password", "x"}).status, 2);
}

TEST_F(Cli, APasswordIsUsedWholeOrRefused) {
    COXDIB image;
    testing::MakeGradient24(image, 7, 5);
    Save(image, "a.bmp");
    // Eight characters, fourteen bytes: what the dialog takes is what the file needs.
    const std::string wide = "QPW=\u043f\u0430\u0440\u043e\u043b\u044c12";
    for (const char* out : {"wide.tla", "wide.pax"}) {
        Outcome run = Quillor({"convert", "a.bmp", out, "--password-env", "QPW"}, wide);
        ASSERT_EQ(run.status, 0) << run.err;
        run = Quillor({"convert", out, std::string(out) + ".bmp", "--password-env", "QPW"}, wide);
        EXPECT_EQ(run.status, 0) << out << ": " << run.err;
        EXPECT_LE(testing::LargestChannelDifference(Load(std::string(out) + ".bmp"), image), 12);
    }

    // Longer than a password of these formats can be: refused, nothing written.
    for (const char* out : {"long.tla", "long.pax"}) {
        Outcome run = Quillor({"convert", "a.bmp", out, "--password-env", "QPW"},
                              "QPW=twenty-characters-20");
        EXPECT_EQ(run.status, 2) << out;
        EXPECT_NE(run.err.find("QPW has 20 characters"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("at most 8"), std::string::npos) << run.err;
        EXPECT_TRUE(ReadBytes(dir.File(out)).empty()) << out << " was written";
    }
    Outcome separate = Quillor({"convert", "a.bmp", "long2.tla", "--output-password-env", "OUT"},
                               "OUT=123456789");
    EXPECT_EQ(separate.status, 2);
    EXPECT_NE(separate.err.find("OUT has 9 characters"), std::string::npos) << separate.err;
    EXPECT_TRUE(ReadBytes(dir.File("long2.tla")).empty());
    // Only the protected formats hold passwords; another output ignores its length.
    EXPECT_EQ(Quillor({"convert", "a.bmp", "plain.png", "--password-env", "QPW"},
                      "QPW=twenty-characters-20").status, 0);
}

TEST_F(Cli, AWriteProtectedTargetIsRefusedAndKept) {
    // Root may write anything, so as root the program runs as nobody; as anyone else it
    // runs as that user.
    std::string asUser;
    if (::geteuid() == 0) {
        if (std::system("setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null") != 0)
            GTEST_SKIP() << "running as root and setpriv cannot switch to user nobody";
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups";
        ::chmod(dir.Path().c_str(), 0777);  // the folder would let nobody replace the file
    }
    COXDIB image, other;
    testing::MakeGradient24(image, 4, 4);
    testing::MakePattern8(other, 4, 4);
    Save(image, "ro.png");
    Save(other, "other.png");
    ::chmod(dir.File("other.png").c_str(), 0644);
    ::chmod(dir.File("ro.png").c_str(), 0444);
    const auto before = ReadBytes(dir.File("ro.png"));
    Outcome run = Quillor({"convert", "other.png", "ro.png"}, asUser);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("File Opening Error: Could not open file 'ro.png'"), std::string::npos)
        << run.err;
    EXPECT_EQ(ReadBytes(dir.File("ro.png")), before);
    EXPECT_EQ(testing::ListFolder(dir.Path()),
              (std::vector<std::string>{".err", ".out", "other.png", "ro.png"}));
}

TEST_F(Cli, QualityTakesOneToOneHundredAndNothingElse) {
    COXDIB image;
    testing::MakeSmooth24(image, 16, 16);
    Save(image, "s.bmp");
    for (const char* refused : {"0", "101"}) {
        Outcome run = Quillor({"convert", "s.bmp", "q.jpg", "--quality", refused});
        EXPECT_EQ(run.status, 2) << refused;
        EXPECT_NE(run.err.find("--quality takes a whole number from 1 to 100"), std::string::npos)
            << run.err;
        EXPECT_TRUE(ReadBytes(dir.File("q.jpg")).empty()) << refused;
    }
    for (const auto& [quality, tableValue] : {std::pair{"1", 255}, std::pair{"100", 1}}) {
        const std::string out = std::string("q") + quality + ".jpg";
        Outcome run = Quillor({"convert", "s.bmp", out, "--quality", quality});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<int> values = testing::QuantisationValues(ReadBytes(dir.File(out)));
        ASSERT_EQ(values.size(), 128u) << quality;  // a luminance and a chrominance table
        EXPECT_EQ(values, std::vector<int>(128, tableValue)) << quality;
    }
}

TEST_F(Cli, JpegConversionsStayWithinTheLoss) {
    COXDIB smooth;
    testing::MakeSmooth24(smooth, 40, 30);
    Save(smooth, "s.bmp");
    ASSERT_EQ(Quillor({"convert", "s.bmp", "s.jpg", "--quality", "95", "--progressive"}).status, 0);
    ASSERT_EQ(Quillor({"convert", "s.jpg", "s2.bmp"}).status, 0);
    EXPECT_LE(testing::LargestChannelDifference(Load("s2.bmp"), smooth), 12);
}

TEST_F(Cli, TwoAndSixteenColourBitmapsComeBackPacked) {
    COXDIB one, four;
    ASSERT_TRUE(one.CreateBlank(1, 11, 3));
    one.SetTableWord(1, 0xFFFFFF);
    one.GetBits()[0] = 0xA0;
    ASSERT_TRUE(four.CreateBlank(4, 11, 3));
    four.GetBits()[0] = 0x7E;
    Save(one, "one.bmp");
    Save(four, "four.bmp");
    ASSERT_EQ(Quillor({"convert", "one.bmp", "one2.bmp"}).status, 0);
    ASSERT_EQ(Quillor({"convert", "four.bmp", "four2.bmp"}).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("one2.bmp"))[28], 1);  // bit count in the written header
    EXPECT_EQ(ReadBytes(dir.File("four2.bmp"))[28], 4);
    EXPECT_EQ(testing::DifferenceBetween(Load("one2.bmp"), one), "");
    EXPECT_EQ(testing::DifferenceBetween(Load("four2.bmp"), four), "");
}

TEST_F(Cli, RefusalsShowTheProgramsOwnWords) {
    COXDIB one, four, eight;
    ASSERT_TRUE(one.CreateBlank(1, 4, 4));
    ASSERT_TRUE(four.CreateBlank(4, 4, 4));
    testing::MakePattern8(eight, 4, 4);
    Save(one, "one.bmp");
    Save(four, "four.bmp");
    Save(eight, "eight.bmp");
    struct Case {
        const char* in;
        const char* out;
        const char* text;
    } cases[] = {
        {"one.bmp", "x.png", "Please use BMP format to save Monochrome (1 bit) images."},
        {"four.bmp", "x.tga", "Please use BMP format to save 16 colour (4 bit) images."},
        {"eight.bmp", "x.jpg", "JPGs must be True Colour. Please convert image to True Colour first."},
        {"eight.bmp", "x.jpeg", "JPGs must be True Colour. Please convert image to True Colour first."},
    };
    for (const Case& c : cases) {
        Outcome run = Quillor({"convert", c.in, c.out});
        EXPECT_EQ(run.status, 1) << c.out;
        EXPECT_NE(run.err.find(std::string("Cannot Save: ") + c.text), std::string::npos) << run.err;
        EXPECT_TRUE(ReadBytes(dir.File(c.out)).empty()) << c.out << " was written";
    }
    EXPECT_EQ(Quillor({"convert", "eight.bmp", "x.gif"}).status, 2);
    EXPECT_EQ(Quillor({"convert", "eight.bmp", "x.doc"}).status, 2);
}

TEST_F(Cli, DamagedFilesOfEveryFormatFailCleanly) {
    COXDIB image;
    testing::MakeGradient24(image, 16, 16);
    for (const char* extension : {".bmp", ".png", ".jpg", ".tif", ".pcx", ".tga", ".psd", ".pax", ".tla"}) {
        const std::string good = std::string("good") + extension;
        Save(image, good);
        const auto bytes = ReadBytes(dir.File(good));
        const std::vector<std::vector<std::uint8_t>> damaged = {
            {},
            std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 10),
            std::vector<std::uint8_t>(200, 0xFF),
        };
        for (std::size_t i = 0; i < damaged.size(); ++i) {
            const std::string name = "bad" + std::to_string(i) + extension;
            testing::WriteBytes(dir.File(name), damaged[i]);
            Outcome run = Quillor({"convert", name, "out.bmp"});
            EXPECT_EQ(run.status, 1) << name;
            // BMP reports its own reading error; the other formats leave it to the loader.
            const std::string expected = std::string(extension) == ".bmp"
                                             ? "Could not read file '" + name + "'"
                                             : "Quillor cannot load '" + name + "'";
            EXPECT_NE(run.err.find(expected), std::string::npos) << name << ": " << run.err;
            const std::string repeated = std::string(extension) == ".bmp" ? "Quillor cannot load"
                                                                          : "Could not read file";
            EXPECT_EQ(run.err.find(repeated), std::string::npos) << "one message only: " << run.err;
        }
    }
    EXPECT_TRUE(ReadBytes(dir.File("out.bmp")).empty());
}

}  // namespace
}  // namespace quillor
