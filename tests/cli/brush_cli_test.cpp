// `quillor brush`: cutting brush files out of pictures and animations, making pictures of
// them, and turning, mirroring and resizing them, as the window's commands do.

#include <gtest/gtest.h>

#include <filesystem>

#include "brush/brush_file.h"
#include "cli/cli_fixture.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::Cli;
using testing::Outcome;
using testing::ReadBytes;

class BrushCli : public Cli {
protected:
    void SetUp() override {
        testing::MakePattern8(pattern, 23, 17);
        Save(pattern, "pattern.bmp");
        testing::MakeGradient24(photo, 20, 10);
        Save(photo, "photo.bmp");
    }
    std::optional<BrushFileContents> Brush(const std::string& name) {
        return DecodeBrushFile(ReadBytes(dir.File(name)));
    }
    COXDIB pattern;
    COXDIB photo;
};

TEST_F(BrushCli, GrabCutsTheRectangleAndMakesAPictureOfItAgain) {
    const Outcome grab = Quillor({"brush", "grab", "pattern.bmp", "--rect", "6x4+3+2", "-o", "cut.bsh"});
    ASSERT_EQ(grab.status, 0) << grab.err;
    EXPECT_EQ(ReadBytes(dir.File("cut.bsh")).size(), 1049u + 24);
    const auto brush = Brush("cut.bsh");
    ASSERT_TRUE(brush);
    EXPECT_FALSE(brush->header.trueColour);
    EXPECT_EQ(brush->frames[0][0], pattern.Line(2)[3]);
    EXPECT_EQ(brush->frames[0][23], pattern.Line(5)[8]);

    const Outcome image = Quillor({"brush", "image", "cut.bsh", "cut.bmp"});
    ASSERT_EQ(image.status, 0) << image.err;
    const COXDIB made = Load("cut.bmp");
    ASSERT_EQ(made.GetSize(), (DibSize{6, 4}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(made.Line(y)[x], pattern.Line(2 + y)[3 + x]) << x << "," << y;
    EXPECT_EQ(made.GetColour(5), pattern.GetColour(5));

    // A true-colour picture gives a true-colour brush; a rectangle partly off it is cut.
    ASSERT_EQ(Quillor({"brush", "grab", "photo.bmp", "--rect", "8x8-3+5", "-o", "photo.bsh"}).status, 0);
    const auto colour = Brush("photo.bsh");
    ASSERT_TRUE(colour);
    EXPECT_TRUE(colour->header.trueColour);
    EXPECT_EQ(colour->header.width, 5);
    EXPECT_EQ(colour->header.height, 5);
    const std::uint8_t* p = photo.Line(5);
    EXPECT_EQ(colour->frames[0][0], p[2]);  // red first
    EXPECT_EQ(colour->frames[0][2], p[0]);
}

TEST_F(BrushCli, AnAnimatedGrabTakesTheAskedFramesOfAScript) {
    for (int i = 0; i < 3; ++i) {
        COXDIB frame;
        testing::MakePattern8(frame, 10, 10);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) frame.Line(y)[x] = std::uint8_t(frame.Line(y)[x] + 7 * i);
        Save(frame, "f" + std::to_string(i) + ".bmp");
    }
    ASSERT_EQ(Quillor({"compose", "f0.bmp", "f1.bmp", "f2.bmp", "-o", "anim.qua"}).status, 0);
    const Outcome run = Quillor({"brush", "grab", "anim.qua", "--rect", "4x4+1+1", "--frames", "2", "-o", "a.bsh"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto brush = Brush("a.bsh");
    ASSERT_TRUE(brush);
    EXPECT_EQ(brush->header.frameCount, 2u);
    EXPECT_NE(brush->frames[0], brush->frames[1]);
    ASSERT_EQ(Quillor({"brush", "grab", "anim.qua", "--rect", "4x4+1+1", "-o", "one.bsh"}).status, 0);
    EXPECT_EQ(Brush("one.bsh")->header.frameCount, 1u);
}

TEST_F(BrushCli, TransformStepsRunInOrderAndARefusedStepWritesNothing) {
    ASSERT_EQ(Quillor({"brush", "grab", "pattern.bmp", "--rect", "3x2+0+0", "-o", "b.bsh"}).status, 0);
    const Outcome turned = Quillor({"brush", "transform", "b.bsh", "--rotate", "--flip", "v", "-o", "t.bsh"});
    ASSERT_EQ(turned.status, 0) << turned.err;
    const auto t = Brush("t.bsh");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->header.width, 2);
    EXPECT_EQ(t->header.height, 3);
    // Rows {a b c} and {d e f} turn to {d a}, {e b}, {f c}; the flip puts {d a} last.
    const std::uint8_t a = pattern.Line(0)[0], d = pattern.Line(1)[0];
    EXPECT_EQ(t->frames[0][4], d);
    EXPECT_EQ(t->frames[0][5], a);

    ASSERT_EQ(Quillor({"brush", "transform", "b.bsh", "--resize", "7x5", "--filter", "nearest", "-o", "r.bsh"}).status,
              0);
    EXPECT_EQ(Brush("r.bsh")->header.width, 7);

    ASSERT_EQ(Quillor({"brush", "grab", "pattern.bmp", "--rect", "3x1+0+0", "-o", "thin.bsh"}).status, 0);
    const Outcome refused = Quillor({"brush", "transform", "thin.bsh", "--rotate", "--halve", "-o", "h.bsh"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--halve cannot be done to the 1 x 3 brush"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("h.bsh")));
}

TEST_F(BrushCli, WrongArgumentsAndUnreadableFilesSayWhy) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"brush", "grab", "pattern.bmp", "--rect", "6x4", "-o", "x.bsh"}, 2, "--rect takes WxH+X+Y"},
        {{"brush", "grab", "pattern.bmp", "--rect", "6x4+100+100", "-o", "x.bsh"}, 1, "lies wholly off"},
        {{"brush", "grab", "pattern.bmp", "--rect", "6x4+0+0", "-o", "x.png"}, 2, "ends in .bsh"},
        {{"brush", "image", "pattern.bmp", "x.bmp"}, 1, "not a valid Quillor brush file"},
        {{"brush", "transform", "missing.bsh", "--rotate", "-o", "x.bsh"}, 1, "could not open"},
        {{"brush", "transform", "pattern.bmp", "--flip", "d", "-o", "x.bsh"}, 2, "--flip takes h or v"},
        {{"brush", "cut"}, 2, "grab, image and transform"},
    };
    for (const Case& c : cases) {
        const Outcome run = Quillor(c.args);
        EXPECT_EQ(run.status, c.status) << c.says << ": " << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.bsh")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.bmp")));
}

}  // namespace
}  // namespace quillor
