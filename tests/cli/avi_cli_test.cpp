// `quillor avi` and `quillor frames` reading a movie: the window's AVI save and open,
// driven from the command line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_fixture.h"
#include "document/anim_script.h"
#include "platform/file_io.h"
#include "platform/video_reader.h"
#include "support/test_images.h"

namespace quillor {
namespace {

using testing::Cli;
using testing::ListFolder;
using testing::Outcome;

using Names = std::vector<std::string>;

class AviCli : public Cli {
protected:
    // Four 256-colour frames, each marked by its number in its first pixel, and the
    // script "walk.qua" naming them.
    void MakeWalk() {
        Names names;
        for (int i = 0; i < 4; ++i) {
            testing::MakePattern8(frames[i], 11, 5);
            frames[i].Line(0)[0] = std::uint8_t(200 + i);
            names.push_back("f" + std::to_string(i) + ".bmp");
            Save(frames[i], names.back());
        }
        ASSERT_TRUE(WriteAnimationScript(dir.File("walk.qua"), names));
    }
    COXDIB frames[4];
};

TEST_F(AviCli, AMovieIsWrittenBackwardsAndItsFramesComeBackExactly) {
    MakeWalk();
    Outcome run = Quillor({"avi", "walk.qua", "walk.avi", "--range", "4-2", "--fps", "12.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::unique_ptr<VideoReader> reader = VideoReader::Open(dir.File("walk.avi"));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->StreamInfo(0).rate, 25);
    EXPECT_EQ(reader->StreamInfo(0).scale, 2);

    run = Quillor({"frames", "walk.avi", "-o", "out"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ListFolder(dir.File("out")), (Names{"walk0000.bmp", "walk0001.bmp", "walk0002.bmp"}));
    for (int sample = 0; sample < 3; ++sample) {
        const COXDIB back = Load("out/walk000" + std::to_string(sample) + ".bmp");
        EXPECT_EQ(back.GetBitCount(), 8);
        EXPECT_EQ(back.Line(0)[0], 203 - sample) << "sample " << sample;
        EXPECT_EQ(testing::DifferenceBetween(back, frames[3 - sample]), "");
    }

    // Every compressor the help names writes a movie that reads back.
    run = Quillor({"avi", "--help"});
    for (const char* codec : {"ffv1", "mjpeg", "mpeg4", "png", "zmbv", "huffyuv"}) {
        if (run.out.find(codec) == std::string::npos) continue;
        const std::string name = std::string(codec) + ".avi";
        Outcome made = Quillor({"avi", "walk.qua", name, "--codec", codec, "--quality", "90"});
        ASSERT_EQ(made.status, 0) << codec << ": " << made.err;
        Outcome read = Quillor({"frames", name, "-o", codec, "--type", "png"});
        EXPECT_EQ(read.status, 0) << codec << ": " << read.err;
        EXPECT_EQ(ListFolder(dir.File(codec)).size(), 4u) << codec;
    }
}

TEST_F(AviCli, WrongRequestsAreRefusedAndFailedWritesLeaveNothing) {
    MakeWalk();
    for (const Names& args : {Names{"avi", "walk.qua", "walk.avi", "--range", "0-2"},
                              Names{"avi", "walk.qua", "walk.avi", "--range", "2-5"},
                              Names{"avi", "walk.qua", "walk.avi", "--codec", "gif"},
                              Names{"avi", "walk.qua", "walk.avi", "--fps", "fast"},
                              Names{"avi", "walk.qua", "walk.mov"}, Names{"avi", "walk.qua"}}) {
        Outcome run = Quillor(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err, "") << args.back();
    }
    EXPECT_FALSE(FileExists(dir.File("walk.avi")));

    // A compressor for palette pictures refuses a true-colour animation.
    COXDIB colour;
    testing::MakeGradient24(colour, 11, 5);
    Save(colour, "tc.bmp");
    ASSERT_TRUE(WriteAnimationScript(dir.File("tc.qua"), Names{"tc.bmp", "tc.bmp"}));
    Outcome run = Quillor({"avi", "tc.qua", "tc.avi", "--codec", "zmbv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("256-colour animations only"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.File("tc.avi")));

    run = Quillor({"avi", "walk.qua", "nowhere/walk.avi"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error: Could not save file."), std::string::npos) << run.err;

    // Frames of another size cannot share a movie.
    COXDIB wide;
    testing::MakePattern8(wide, 12, 5);
    Save(wide, "f1.bmp");
    run = Quillor({"avi", "walk.qua", "walk.avi"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("You cannot save AVIs with images of different sizes."), std::string::npos) << run.err;
    for (const std::string& name : ListFolder(dir.Path()))
        EXPECT_TRUE(name.ends_with(".bmp") || name.ends_with(".qua") || name == ".out" || name == ".err") << name;

    testing::WriteBytes(dir.File("junk.avi"), std::vector<std::uint8_t>(100, 7));
    run = Quillor({"frames", "junk.avi", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Unable to open file"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quillor
