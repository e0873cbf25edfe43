// `quillor convert` with picture operations, one file at a time and in batches, as a
// separate process.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "cli/cli_fixture.h"
#include "support/test_images.h"
#include "core/colour_depth.h"
#include "core/dib_flip.h"
#include "filters/blur.h"

namespace quillor {
namespace {

class ImageStepsCli : public testing::Cli {
protected:
    // 12 x 8 true colour: blue x * 20, green y * 30, red 200 on the left half.
    COXDIB Picture() {
        COXDIB image;
        EXPECT_TRUE(image.CreateBlank(24, 12, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 12; ++x) {
                std::uint8_t* p = image.Line(y) + 3 * x;
                p[0] = std::uint8_t(x * 20);
                p[1] = std::uint8_t(y * 30);
                p[2] = x < 6 ? 200 : 10;
            }
        return image;
    }
    static bool SamePixels(const COXDIB& a, const COXDIB& b) {
        if (a.GetSize() != b.GetSize() || a.GetBitCount() != b.GetBitCount()) return false;
        const int bytes = a.GetSize().width * a.GetBitCount() / 8;
        for (int y = 0; y < a.GetSize().height; ++y)
            if (std::memcmp(a.Line(y), b.Line(y), std::size_t(bytes)) != 0) return false;
        return true;
    }
};

TEST_F(ImageStepsCli, OperationsRunInTheOrderGivenAsTheWindowRunsThem) {
    Save(Picture(), "in.bmp");
    const testing::Outcome run =
        Quillor({"convert", "in.bmp", "--flip", "h", "--blur", "60", "--dither", "floyd", "--colours", "16", "out.bmp"});
    ASSERT_EQ(run.status, 0) << run.err;

    COXDIB expected = Picture();
    ASSERT_TRUE(FlipHorizontal(expected));
    ASSERT_TRUE(BlurImage(expected, 60));
    ASSERT_TRUE(ConvertColourDepth(expected, ColourMode::TrueColour, ColourMode::Colours16,
                                   ConversionMethod::FloydSteinbergDither));
    const COXDIB written = Load("out.bmp");
    EXPECT_EQ(written.GetBitCount(), 4);  // a 16-colour picture is written as one
    ASSERT_EQ(written.GetSize(), expected.GetSize());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(testing::ShownColour(written, x, y), testing::ShownColour(expected, x, y)) << x << "," << y;
}

TEST_F(ImageStepsCli, ACropMayReachOutsideThePictureAndTakesTheBackground) {
    Save(Picture(), "in.png");
    const testing::Outcome run =
        Quillor({"convert", "in.png", "--background", "#102030", "--crop", "16x8-2-0", "out.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    const COXDIB out = Load("out.png");
    ASSERT_EQ(out.GetSize(), (DibSize{16, 8}));
    const std::uint8_t* top = out.Line(0);
    EXPECT_EQ(top[0], 0x30);  // blue of the background
    EXPECT_EQ(top[2], 0x10);  // red
    EXPECT_EQ(top[3 * 2 + 2], 200);        // the old left column, two pixels in
    EXPECT_EQ(top[3 * 14 + 0], 0x30);      // past the old right edge
}

TEST_F(ImageStepsCli, AStepThePictureCannotTakeIsRefusedAndNothingIsWritten) {
    Save(Picture(), "in.bmp");
    testing::Outcome run = Quillor({"convert", "in.bmp", "--colours", "256", "--sharpen", "50", "out.bmp"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("You can only sharpen true colour images."), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmp")));

    run = Quillor({"convert", "in.bmp", "--crop", "10x10", "out.bmp"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--crop takes"), std::string::npos) << run.err;
    run = Quillor({"convert", "in.bmp", "--gamma", "300", "out.bmp"});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmp")));
}

TEST_F(ImageStepsCli, RedEyeIsReducedInTheRectangleWithTheSettingsGivenAndRefusedOnPalettePictures) {
    // The left half of Picture() is red 200 over less green and blue: red eye where blue
    // exceeds green (a hue just under 360).
    Save(Picture(), "in.bmp");
    testing::Outcome run = Quillor({"convert", "in.bmp", "--red-eye", "3x2+2+1", "out.bmp"});
    ASSERT_EQ(run.status, 0) << run.err;
    COXDIB written = Load("out.bmp");
    EXPECT_EQ(written.Line(1)[3 * 2 + 2], 35);   // blue 40, green 30
    EXPECT_EQ(written.Line(1)[3 * 4 + 2], 55);   // blue 80, green 30
    EXPECT_EQ(written.Line(2)[3 * 4 + 2], 70);   // blue 80, green 60: 70 percent saturated
    EXPECT_EQ(written.Line(2)[3 * 2 + 2], 200);  // green above blue: an orange hue, kept
    EXPECT_EQ(written.Line(1)[3 * 1 + 2], 200);  // left of the rectangle
    EXPECT_EQ(written.Line(3)[3 * 4 + 2], 200);  // below it
    run = Quillor({"convert", "in.bmp", "--red-eye", "3x2+2+1", "--red-eye-saturation", "80", "out.bmp"});
    ASSERT_EQ(run.status, 0) << run.err;
    written = Load("out.bmp");
    EXPECT_EQ(written.Line(2)[3 * 4 + 2], 200);
    EXPECT_EQ(written.Line(1)[3 * 4 + 2], 55);  // 85 percent

    run = Quillor({"convert", "in.bmp", "--colours", "256", "--red-eye", "3x2+1+1", "pal.bmp"});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("only available for True Colour images"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("pal.bmp")));
    run = Quillor({"convert", "in.bmp", "--red-eye", "3x2", "x.bmp"});
    EXPECT_EQ(run.status, 2);
}

TEST_F(ImageStepsCli, ABatchWritesEveryPictureIntoTheFolderAndNeverOverItself) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) Save(Picture(), name);
    std::filesystem::create_directory(dir.File("out"));
    testing::Outcome run = Quillor({"convert", "a.bmp", "b.bmp", "c.bmp", "--negative", "-o", "out", "--type", "png"});
    ASSERT_EQ(run.status, 0) << run.err;
    COXDIB expected = Picture();
    for (int y = 0; y < 8; ++y)
        for (int i = 0; i < 36; ++i) expected.Line(y)[i] = std::uint8_t(255 - expected.Line(y)[i]);
    for (const char* name : {"out/a.png", "out/b.png", "out/c.png"}) EXPECT_TRUE(SamePixels(Load(name), expected)) << name;

    // One broken input fails the batch, and the others are still written.
    testing::WriteBytes(dir.File("broken.bmp"), {'B', 'M', 1, 2});
    run = Quillor({"convert", "a.bmp", "broken.bmp", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(std::filesystem::exists(dir.File("out/a.bmp")));

    run = Quillor({"convert", "a.bmp", "-o", "."});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("over itself"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quillor
